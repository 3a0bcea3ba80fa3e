#pragma once
/// Opening a compiled help file in the help viewer, and closing its window.
/// The viewer is bound on first use (helpers/HelpViewerBinding.h); without a
/// viewer the display calls answer 0 after their file check.
#include <cstdint>
#include <functional>

#include <QString>

#include "helpers/HelpViewerBinding.h"

namespace zk {

/// The settings roots the registry form reads from.
enum HKEY : std::uintptr_t { HKEY_CURRENT_USER = 0x80000001u, HKEY_LOCAL_MACHINE = 0x80000002u };

/// Shows a help error to the user. The default shows a modal critical message
/// box with one OK button; tests and programs without a display replace it.
using THelpErrorHandler = std::function<void(const QString& Message)>;
/// Installs Handler (null restores the message box) and returns the previous.
THelpErrorHandler SetHelpErrorHandler(THelpErrorHandler Handler);

/// Opens HelpFile in the viewer with a viewer command and its data; the
/// viewer's window handle, or 0. A file that does not exist (links followed),
/// or whose name the file system cannot encode, is reported through the error
/// handler as "Help File (<HelpFile>) could not be found." and answers 0.
HWND DisplayHelpWindow(const QString& HelpFile, std::uint32_t Command, std::uintptr_t Data);

/// Opens HelpFile at Topic: the viewer target is "<HelpFile>::/<topic in
/// lower case>.htm" ("C:/Help/x.chm::/intro.htm"), or the file alone when
/// Topic is empty; viewer command 0 (display topic). Errors as above; a topic
/// that cannot be encoded is reported the same way.
HWND DisplayHelpWindow(const QString& HelpFile, const QString& Topic);

/// Reads the help folder from the settings (`QSettings` of the application,
/// user scope for HKEY_CURRENT_USER, system scope for HKEY_LOCAL_MACHINE;
/// RegKey is a group path whose '\' separators read as '/', RegValue a key in
/// it), appends FileName with nothing between, and opens that at Topic. A
/// missing key, an empty value or a value that is not text answers 0 with no
/// message.
HWND DisplayHelpWindow(const QString& RegKey, const QString& FileName, const QString& RegValue,
                       const QString& Topic, HKEY RootKey);

/// Closes Wnd when it is a window that a display call opened and that still
/// exists (its close event runs before this returns); any other handle does
/// nothing.
void CloseHelpWindow(HWND Wnd);

} // namespace zk
