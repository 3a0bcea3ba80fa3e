#pragma once
/// `TPathDesignerForm`: a modal dialog in which the user types or pastes path
/// data and sees it drawn, fitted to a preview.
///
///     TPathDesignerForm Dialog;
///     Dialog.SetPathData(Path);
///     if (Dialog.exec() == QDialog::Accepted) Path.Assign(&Dialog.PathData());
#include <QDialog>

#include "path/PathData.h"

class QAction;
class QGroupBox;
class QPlainTextEdit;

namespace zk {

class TCanvas;
class TPaintBox;

/// The dialog, titled "Path Designer", client area 634 x 451 pixels at 96
/// dots per inch (scaled with the screen's logical density), fixed in size.
/// Its controls carry object names for scripts and tests: `Bevel1`,
/// `Label1`, the text box `mmPathData`, `GroupBox1` ("Preview") with the
/// preview `PaintBox1` (which fills the group box's client area at all
/// times), `Button1` (OK, default), `Button2` (Cancel, also
/// Escape) and `Button3` (paste); the edit actions are `EditCut1`,
/// `EditCopy1`, `EditPaste1`, `EditSelectAll1`, `EditUndo1` and
/// `EditDelete1`. The focus starts in the text box.
///
/// The preview shows the text as typed, not `PathData`: it is refreshed when
/// the path is assigned, on Enter, and after cut, paste, undo and select all;
/// plain typing does not redraw it. Text the parser stops on previews what
/// was read before the stop; text that draws nothing leaves it empty.
class TPathDesignerForm : public QDialog {
public:
  /// The dialog with its controls and actions in place, an empty path and
  /// an empty text box that has the focus; not shown until `exec` or `show`.
  explicit TPathDesignerForm(QWidget* Parent = nullptr);
  ~TPathDesignerForm() override;

  ///@{
  /// The dialog's own path, which OK replaces by the parsed text and Cancel
  /// leaves alone. The dialog keeps it.
  TZKPathData& PathData() noexcept { return FPathData; }
  const TZKPathData& PathData() const noexcept { return FPathData; }
  ///@}
  /// Copies Value into `PathData`; the text box then shows it in the
  /// writer's form and the preview is redrawn.
  void SetPathData(const TZKPathData& Value);

  /// Redraws the preview now.
  void Change();

protected:
  /// Keeps the preview fitted to the group box when its client area changes,
  /// redraws the preview on Enter in the text box (the line break still goes
  /// in), and hands the text box's keys for cut, paste, select all and undo to
  /// the dialog's actions so that they refresh the preview. Copy and Delete
  /// stay with the text box; every other event goes on as usual.
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void CreateControls();
  void CreateActions();
  void PathChanged();
  void Button1Click();
  void PaintBox1Paint(TPaintBox& Sender, TCanvas& Canvas);
  void FitPreview();

  TZKPathData FPathData;
  QPlainTextEdit* mmPathData = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  /// The actions whose shortcuts the text box hands to the dialog.
  QAction* FRefreshingActions[4] = {};
};

/// A dialog variable for applications that keep one; the library never sets
/// it.
extern TPathDesignerForm* PathDesignerForm;

} // namespace zk
