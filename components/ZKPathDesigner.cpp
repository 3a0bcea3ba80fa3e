#include "components/ZKPathDesigner.h"

#include <cmath>
#include <functional>

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "components/PaintBox.h"
#include "path/PathPreview.h"

namespace zk {

TPathDesignerForm* PathDesignerForm = nullptr;

namespace {

struct TActionSpec {
  const char* Name;
  const char* Caption;
  QKeySequence Shortcut;
  const char* Hint;      // short hint: the tool tip
  const char* LongHint;  // the status tip
};

} // namespace

TPathDesignerForm::TPathDesignerForm(QWidget* Parent) : QDialog(Parent) {
  setObjectName("PathDesignerForm");
  setWindowTitle("Path Designer");
  CreateControls();
  CreateActions();
  FPathData.OnChanged = [this](TObject*) { PathChanged(); };
  mmPathData->setFocus();
}

TPathDesignerForm::~TPathDesignerForm() { FPathData.OnChanged = nullptr; }

void TPathDesignerForm::CreateControls() {
  // Laid out in pixels at 96 dots per inch, scaled to the screen.
  const double Scale = logicalDpiY() / 96.0;
  const auto S = [Scale](int V) { return static_cast<int>(std::lround(V * Scale)); };
  const auto Place = [&](QWidget* W, const char* Name, int L, int T, int Wd, int H) {
    W->setObjectName(Name);
    W->setGeometry(S(L), S(T), S(Wd), S(H));
  };
  setFixedSize(S(634), S(451));
  QFont Tahoma("Tahoma");
  Tahoma.setPixelSize(S(11));
  setFont(Tahoma);

  auto* Bevel1 = new QFrame(this);
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Place(Bevel1, "Bevel1", 8, 8, 449, 404);

  auto* Label1 = new QLabel("&Type Path Data (like SVG or XAML):", this);
  Place(Label1, "Label1", 16, 16, 169, 13);
  // The label sizes itself to its caption, which another face may widen.
  Label1->resize(Label1->size().expandedTo(Label1->sizeHint()));

  mmPathData = new QPlainTextEdit(this);
  Place(mmPathData, "mmPathData", 16, 35, 433, 366);
  mmPathData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmPathData->setTabChangesFocus(true);
  mmPathData->installEventFilter(this);
  Label1->setBuddy(mmPathData);

  GroupBox1 = new QGroupBox("Preview", this);
  Place(GroupBox1, "GroupBox1", 463, 16, 163, 177);
  PaintBox1 = new TPaintBox(GroupBox1);
  PaintBox1->setObjectName("PaintBox1");
  // The preview fills the box's client area, below the caption and inside
  // the frame, from the start: a layout would inset it by its margins and
  // place it only when the dialog is first shown.
  GroupBox1->installEventFilter(this);
  FitPreview();
  PaintBox1->OnPaint = [this](TPaintBox& Box, TCanvas& Canvas) { PaintBox1Paint(Box, Canvas); };

  auto* Button1 = new QPushButton("&OK", this);
  Place(Button1, "Button1", 8, 418, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

  auto* Button2 = new QPushButton("&Cancel", this);
  Place(Button2, "Button2", 89, 418, 75, 25);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  auto* Button3 = new QPushButton(this);
  Place(Button3, "Button3", 170, 418, 75, 25);

  setTabOrder(Button1, Button2);
  setTabOrder(Button2, Button3);
  setTabOrder(Button3, mmPathData);
  setTabOrder(mmPathData, GroupBox1);
}

void TPathDesignerForm::CreateActions() {
  const TActionSpec Specs[] = {
      {"EditCut1", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), "Cut",
       "Cuts the selection and puts it on the Clipboard"},
      {"EditCopy1", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), "Copy",
       "Copies the selection and puts it on the Clipboard"},
      {"EditPaste1", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), "Paste",
       "Inserts Clipboard contents"},
      {"EditSelectAll1", "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A), "Select All",
       "Selects the entire document"},
      {"EditUndo1", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), "Undo", "Reverts the last action"},
      {"EditDelete1", "&Delete", QKeySequence(Qt::Key_Delete), "Delete", "Erases the selection"},
  };
  QPlainTextEdit* Edit = mmPathData;
  const std::function<void()> Handlers[] = {
      [this, Edit] { Edit->cut(); Change(); },
      [Edit] { Edit->copy(); },
      [this, Edit] { Edit->paste(); Change(); },
      // Selects the text (and so never deletes it), then refreshes.
      [this, Edit] { Edit->selectAll(); Change(); },
      [this, Edit] { Edit->undo(); Change(); },
      [Edit] { Edit->textCursor().removeSelectedText(); },
  };
  QAction* Actions[6];
  for (int I = 0; I < 6; ++I) {
    const TActionSpec& A = Specs[I];
    QAction* Action = new QAction(A.Caption, this);
    Action->setObjectName(A.Name);
    Action->setShortcut(A.Shortcut);
    Action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    Action->setToolTip(A.Hint);
    Action->setStatusTip(A.LongHint);
    connect(Action, &QAction::triggered, this, Handlers[I]);
    addAction(Action);
    Actions[I] = Action;
  }
  // Cut, paste, select all and undo refresh the preview, so the text box
  // hands their keys to the actions instead of acting alone; copy and delete
  // it keeps (Delete with no selection still erases the next character).
  FRefreshingActions[0] = Actions[0];
  FRefreshingActions[1] = Actions[2];
  FRefreshingActions[2] = Actions[3];
  FRefreshingActions[3] = Actions[4];

  auto* Button3 = findChild<QPushButton*>("Button3");
  QAction* Paste = Actions[2];
  Button3->setText(Paste->text());
  Button3->setToolTip(Paste->toolTip());
  Button3->setStatusTip(Paste->statusTip());
  connect(Button3, &QPushButton::clicked, Paste, &QAction::trigger);
}

void TPathDesignerForm::FitPreview() { PaintBox1->setGeometry(GroupBox1->contentsRect()); }

bool TPathDesignerForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == GroupBox1) {
    // The client area moves with the size, and with the caption's font and
    // the style through the contents margins.
    if (Event->type() == QEvent::Resize || Event->type() == QEvent::ContentsRectChange) FitPreview();
    return QDialog::eventFilter(Watched, Event);
  }
  if (Watched != mmPathData || Event->type() != QEvent::KeyPress) return QDialog::eventFilter(Watched, Event);
  const auto* Key = static_cast<QKeyEvent*>(Event);
  if (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) {
    Change();
    return false;  // the text box still takes the line break
  }
  const QKeySequence Pressed(Key->keyCombination());
  for (QAction* Action : FRefreshingActions) {
    if (Action->shortcut() == Pressed) {
      Action->trigger();
      return true;
    }
  }
  return false;
}

void TPathDesignerForm::SetPathData(const TZKPathData& Value) { FPathData.Assign(&Value); }

void TPathDesignerForm::PathChanged() {
  mmPathData->setPlainText(QString::fromStdString(FPathData.GetPathString()));
  Change();
}

void TPathDesignerForm::Change() { PaintBox1->repaint(); }

void TPathDesignerForm::Button1Click() {
  FPathData.SetPathString(mmPathData->toPlainText().toStdString());
  accept();
}

void TPathDesignerForm::PaintBox1Paint(TPaintBox& Sender, TCanvas& Canvas) {
  TZKPathData Path;
  Path.SetPathString(mmPathData->toPlainText().toStdString());
  // An outline at Right or Bottom would fall outside the box, so the path
  // fits into the last pixel row and column.
  const float Right = static_cast<float>(Sender.width() - 1);
  const float Bottom = static_cast<float>(Sender.height() - 1);
  DrawPathPreview(Canvas, Path, {0, 0, Right, Bottom});
}

} // namespace zk
