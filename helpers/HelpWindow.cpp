#include "helpers/HelpWindow.h"

#include <unordered_set>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QWidget>
#include <QWindow>

namespace zk {

namespace {

void ShowHelpError(const QString& Message) {
  QMessageBox Box(QMessageBox::Critical, QStringLiteral("Error"), Message, QMessageBox::Ok);
  Box.exec();
}

THelpErrorHandler& ErrorHandler() {
  static THelpErrorHandler Handler = ShowHelpError;
  return Handler;
}

// The windows the viewer reported opening; only these may be closed.
std::unordered_set<HWND>& OpenedWindows() {
  static std::unordered_set<HWND> Windows;
  return Windows;
}

// True when Text survives the trip through the file system's encoding (an
// unpaired surrogate, say, would not, and would name some other file).
bool Encodable(const QString& Text) { return QFile::decodeName(QFile::encodeName(Text)) == Text; }

// A file, not a folder, that the name reaches (through links).
bool HelpFileExists(const QString& HelpFile) {
  if (Encodable(HelpFile)) {
    const QFileInfo Info(HelpFile);
    if (Info.exists() && !Info.isDir()) return true;
  }
  ErrorHandler()(QStringLiteral("Help File (%1) could not be found.").arg(HelpFile));
  return false;
}

// The desktop has no window handle here; the viewer gets 0 as its caller.
HWND OpenViewer(const QString& Target, std::uint32_t Command, std::uintptr_t Data) {
  const HWND Window = HelpViewerBinding().Call(0, Target.toStdU16String(), Command, Data);
  if (Window != 0) OpenedWindows().insert(Window);
  return Window;
}

QString ReadHelpFolder(const QString& RegKey, const QString& RegValue, HKEY RootKey) {
  const QSettings::Scope Scope = RootKey == HKEY_LOCAL_MACHINE ? QSettings::SystemScope : QSettings::UserScope;
  QSettings Settings(Scope, QCoreApplication::organizationName(), QCoreApplication::applicationName());
  QString Key = RegKey;
  Key.replace(u'\\', u'/');
  if (!Key.isEmpty() && !Key.endsWith(u'/')) Key += u'/';
  const QVariant Value = Settings.value(Key + RegValue);
  return Value.typeId() == QMetaType::QString ? Value.toString() : QString();
}

} // namespace

THelpErrorHandler SetHelpErrorHandler(THelpErrorHandler Handler) {
  THelpErrorHandler Previous = std::move(ErrorHandler());
  ErrorHandler() = Handler ? std::move(Handler) : THelpErrorHandler(ShowHelpError);
  return Previous;
}

HWND DisplayHelpWindow(const QString& HelpFile, std::uint32_t Command, std::uintptr_t Data) {
  if (!HelpFileExists(HelpFile)) return 0;
  return OpenViewer(HelpFile, Command, Data);
}

HWND DisplayHelpWindow(const QString& HelpFile, const QString& Topic) {
  if (!HelpFileExists(HelpFile)) return 0;
  const QString Target = Topic.isEmpty() ? HelpFile : HelpFile + QStringLiteral("::/") + Topic.toLower() + QStringLiteral(".htm");
  if (!Encodable(Target)) {
    ErrorHandler()(QStringLiteral("Help File (%1) could not be found.").arg(HelpFile));
    return 0;
  }
  return OpenViewer(Target, 0, 0);
}

HWND DisplayHelpWindow(const QString& RegKey, const QString& FileName, const QString& RegValue,
                       const QString& Topic, HKEY RootKey) {
  const QString Folder = ReadHelpFolder(RegKey, RegValue, RootKey);
  if (Folder.isEmpty()) return 0;
  return DisplayHelpWindow(Folder + FileName, Topic);
}

void CloseHelpWindow(HWND Wnd) {
  if (OpenedWindows().erase(Wnd) == 0) return;
  if (QWidget* Widget = QWidget::find(static_cast<WId>(Wnd))) {
    Widget->close();
    return;
  }
  for (QWindow* Window : QGuiApplication::allWindows())
    if (Window->handle() && Window->winId() == static_cast<WId>(Wnd)) {
      Window->close();
      return;
    }
}

} // namespace zk
