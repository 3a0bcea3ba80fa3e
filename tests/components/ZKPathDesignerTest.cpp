// The path designer dialog: its layout, how the text box and the preview
// follow the path and the user's keys, and what OK and Cancel leave.
#include <gtest/gtest.h>

#include <string>

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "components/PaintBox.h"
#include "components/ZKPathDesigner.h"

namespace zk {
namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
  int Count = 0;
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Paint) ++Count;
    return false;
  }
};

struct DesignerFixture : testing::Test {
  TPathDesignerForm Dialog;
  QPlainTextEdit* Edit = Dialog.findChild<QPlainTextEdit*>("mmPathData");
  TPaintBox* Preview = Dialog.findChild<TPaintBox*>("PaintBox1");
  PaintCounter Paints;

  DesignerFixture() {
    Dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
    Preview->installEventFilter(&Paints);
  }
  void SetPath(const char* Text) {
    TZKPathData P;
    P.SetPathString(Text);
    Dialog.SetPathData(P);
  }
  void Click(const char* Button) {
    QTest::mouseClick(Dialog.findChild<QPushButton*>(Button), Qt::LeftButton);
  }
  // Pixels of the preview in the fill colour.
  int GrayPixels() {
    const QImage Image = Preview->grab().toImage();
    int N = 0;
    for (int Y = 0; Y < Image.height(); ++Y)
      for (int X = 0; X < Image.width(); ++X) N += Image.pixelColor(X, Y) == QColor(0x80, 0x80, 0x80);
    return N;
  }
};

TEST_F(DesignerFixture, AssignedPath_FillsTextInWriterFormAndRepaints) {
  SetPath("m1 1 h 2 v 2 z");
  EXPECT_EQ(Edit->toPlainText().toStdString(), Dialog.PathData().GetPathString());
  EXPECT_EQ(Edit->toPlainText(), "M1,1 L3,1 L3,3 Z ");
  EXPECT_EQ(Paints.Count, 1);
  EXPECT_GT(GrayPixels(), 0);
}

TEST_F(DesignerFixture, Typing_DoesNotRepaint_EnterDoes) {
  Edit->setFocus();
  QTest::keyClicks(Edit, "M 0 0 L 9 9 L 0 9 Z");
  EXPECT_EQ(Paints.Count, 0);
  QTest::keyClick(Edit, Qt::Key_Return);
  EXPECT_EQ(Paints.Count, 1);
  EXPECT_EQ(Edit->toPlainText(), "M 0 0 L 9 9 L 0 9 Z\n");
}

TEST_F(DesignerFixture, SelectAll_SelectsTheTextAndRepaints) {
  SetPath("M 0 0 L 9 9 L 0 9 Z");
  const QString Before = Edit->toPlainText();
  Paints.Count = 0;
  Edit->setFocus();
  QTest::keyClick(Edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Edit->toPlainText(), Before);
  EXPECT_EQ(Edit->textCursor().selectedText(), Before);
  EXPECT_EQ(Paints.Count, 1);
}

TEST_F(DesignerFixture, Ok_ReplacesPathByNormalisedText) {
  SetPath("M 5 5 L 6 6");
  Edit->setPlainText("m 1 1\nl 2 0 c 1 1 1 1 1 1 z");
  Click("Button1");
  EXPECT_EQ(Dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Dialog.PathData().GetPathString(), "M1,1 L3,1 C4,2 4,2 4,2 Z ");
  EXPECT_EQ(Edit->toPlainText(), "M1,1 L3,1 C4,2 4,2 4,2 Z ");
}

TEST_F(DesignerFixture, Cancel_KeepsPath) {
  SetPath("M 5 5 L 6 6");
  Edit->setPlainText("M 1 1 L 2 2");
  Click("Button2");
  EXPECT_EQ(Dialog.result(), QDialog::Rejected);
  EXPECT_EQ(Dialog.PathData().GetPathString(), "M5,5 L6,6 ");
}

TEST_F(DesignerFixture, UnreadableText_EmptyPreviewAndEmptyPathOnOk) {
  SetPath("M 0 0 L 9 9 L 0 9 Z");
  ASSERT_GT(GrayPixels(), 0);
  Edit->setPlainText("not a path");
  Dialog.Change();
  EXPECT_EQ(GrayPixels(), 0);
  Click("Button1");
  EXPECT_EQ(Dialog.PathData().Count(), 0);
  EXPECT_EQ(Edit->toPlainText(), "");
}

TEST_F(DesignerFixture, HostileText_PreviewsWithoutFailing) {
  for (const char* Text : {"M -3e38 -3e38 L 3e38 3e38 L -3e38 3e38 Z", "M 0 0 A 1e30 1e30 0 1 1 1e-30 0 Z",
                           "M 0 0 L 1e39 1"}) {
    Edit->setPlainText(Text);
    EXPECT_NO_THROW(Dialog.Change()) << Text;
  }
  // An odd count of the same triangle, so that the even-odd fill shows it.
  Edit->setPlainText(QString("M 0 0 L 9 9 L 0 9 Z ").repeated(5001));
  Dialog.Change();
  EXPECT_GT(GrayPixels(), 0);
}

// The preview of a triangle over the lower left half: gray below the
// diagonal, the box's background above it.
TEST_F(DesignerFixture, Preview_FillsInsideShapeOnly) {
  SetPath("M 0 0 L 0 10 L 10 10 Z");
  const QImage Image = Preview->grab().toImage();
  const int W = Image.width(), H = Image.height();
  const QColor Background = Preview->palette().color(QPalette::Window);
  EXPECT_EQ(Image.pixelColor(W / 4, H * 3 / 4), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(Image.pixelColor(W * 3 / 4, H / 4), Background);
  EXPECT_EQ(Image.pixelColor(0, H / 2), QColor(Qt::black));
}

struct ControlCase {
  const char* Name;
  const char* ClassName;
  const char* Caption;
  QRect Geometry;  // at 96 dots per inch
};

TEST(PathDesignerTest, Layout_MatchesTheForm) {
  TPathDesignerForm Dialog;
  ASSERT_EQ(Dialog.logicalDpiY(), 96);
  EXPECT_EQ(Dialog.windowTitle(), "Path Designer");
  EXPECT_EQ(Dialog.size(), QSize(634, 451));
  const ControlCase Controls[] = {
      {"Bevel1", "QFrame", "", QRect(8, 8, 449, 404)},
      {"Label1", "QLabel", "&Type Path Data (like SVG or XAML):", QRect(16, 16, 169, 13)},
      {"mmPathData", "QPlainTextEdit", "", QRect(16, 35, 433, 366)},
      {"GroupBox1", "QGroupBox", "Preview", QRect(463, 16, 163, 177)},
      {"Button1", "QPushButton", "&OK", QRect(8, 418, 75, 25)},
      {"Button2", "QPushButton", "&Cancel", QRect(89, 418, 75, 25)},
      {"Button3", "QPushButton", "&Paste", QRect(170, 418, 75, 25)},
  };
  for (const ControlCase& C : Controls) {
    const QWidget* W = Dialog.findChild<QWidget*>(C.Name);
    ASSERT_NE(W, nullptr) << C.Name;
    EXPECT_TRUE(W->inherits(C.ClassName)) << C.Name;
    if (C.Name == std::string("Label1")) {  // sized to its caption at least
      EXPECT_EQ(W->pos(), C.Geometry.topLeft());
      EXPECT_GE(W->width(), C.Geometry.width());
    } else {
      EXPECT_EQ(W->geometry(), C.Geometry) << C.Name;
    }
    QString Caption;
    if (auto* L = qobject_cast<const QLabel*>(W)) Caption = L->text();
    if (auto* B = qobject_cast<const QPushButton*>(W)) Caption = B->text();
    if (auto* G = qobject_cast<const QGroupBox*>(W)) Caption = G->title();
    EXPECT_EQ(Caption, C.Caption) << C.Name;
  }
  EXPECT_TRUE(Dialog.findChild<QPushButton*>("Button1")->isDefault());
  EXPECT_EQ(Dialog.findChild<QPlainTextEdit*>("mmPathData")->verticalScrollBarPolicy(),
            Qt::ScrollBarAlwaysOn);

  // Tab order, read from the focus chain that starts at Button1.
  const QStringList Order{"Button1", "Button2", "Button3", "mmPathData", "GroupBox1"};
  QStringList Seen;
  QWidget* Start = Dialog.findChild<QWidget*>("Button1");
  QWidget* W = Start;
  do {
    if (Order.contains(W->objectName())) Seen << W->objectName();
    W = W->nextInFocusChain();
  } while (W != Start);
  EXPECT_EQ(Seen, Order);
}

// The preview is the group box's client area (below the caption, inside the
// frame) before the dialog is shown, once it is, and after the box changes.
TEST(PathDesignerTest, Preview_FillsTheGroupBoxClientArea) {
  TPathDesignerForm Dialog;
  auto* Box = Dialog.findChild<QGroupBox*>("GroupBox1");
  const QWidget* Preview = Dialog.findChild<QWidget*>("PaintBox1");
  const auto Inside = [Box] { return Box->contentsRect(); };
  EXPECT_GT(Inside().top(), 0);
  EXPECT_LT(Inside().width(), Box->width());
  EXPECT_EQ(Preview->geometry(), Inside()) << "built";
  Dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
  QCoreApplication::processEvents();
  EXPECT_EQ(Preview->geometry(), Inside()) << "shown";
  Box->resize(200, 150);
  EXPECT_EQ(Preview->geometry(), Inside()) << "resized";
  QFont Large = Box->font();
  Large.setPixelSize(30);
  Box->setFont(Large);
  EXPECT_EQ(Preview->geometry(), Inside()) << "larger caption";
  QCoreApplication::processEvents();
  EXPECT_EQ(Preview->geometry(), Inside()) << "after events";
}

TEST(PathDesignerTest, Actions_HaveCaptionsShortcutsAndHints) {
  struct ActionCase {
    const char* Name;
    const char* Caption;
    QKeySequence Shortcut;
    const char* Hint;
    const char* LongHint;
  };
  const ActionCase Actions[] = {
      {"EditCut1", "Cu&t", QKeySequence("Ctrl+X"), "Cut", "Cuts the selection and puts it on the Clipboard"},
      {"EditCopy1", "&Copy", QKeySequence("Ctrl+C"), "Copy", "Copies the selection and puts it on the Clipboard"},
      {"EditPaste1", "&Paste", QKeySequence("Ctrl+V"), "Paste", "Inserts Clipboard contents"},
      {"EditSelectAll1", "Select &All", QKeySequence("Ctrl+A"), "Select All", "Selects the entire document"},
      {"EditUndo1", "&Undo", QKeySequence("Ctrl+Z"), "Undo", "Reverts the last action"},
      {"EditDelete1", "&Delete", QKeySequence("Del"), "Delete", "Erases the selection"},
  };
  TPathDesignerForm Dialog;
  for (const ActionCase& C : Actions) {
    const QAction* A = Dialog.findChild<QAction*>(C.Name);
    ASSERT_NE(A, nullptr) << C.Name;
    EXPECT_EQ(A->text(), C.Caption);
    EXPECT_EQ(A->shortcut(), C.Shortcut) << C.Name;
    EXPECT_EQ(A->toolTip(), C.Hint);
    EXPECT_EQ(A->statusTip(), C.LongHint);
  }
  EXPECT_EQ(PathDesignerForm, nullptr);
}

} // namespace
} // namespace zk
