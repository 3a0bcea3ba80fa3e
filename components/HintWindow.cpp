#include "components/HintWindow.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include <QPaintEvent>
#include <QRect>

#include "runtime/PublishedProperties.h"

namespace zk {
namespace {

// A pixel count of at most Qt's widget size limit, however far apart the
// two coordinates lie.
int Extent(std::int32_t From, std::int32_t To) {
  const std::int64_t D = std::int64_t{To} - From;
  return static_cast<int>(std::clamp<std::int64_t>(D, 0, QWIDGETSIZE_MAX));
}

} // namespace

THintWindow::THintWindow(QWidget* Parent)
    : QWidget(Parent, Qt::ToolTip | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  FFont.SetColor(clInfoText);
  FFont.OnChange = [this](TObject*) { update(); };
}

THintWindow::~THintWindow() = default;

const TPropertyTable& THintWindow::PublishedProperties() const {
  static const TPropertyTable Table(TPersistent::PublishedProperties(), {
    EnumProperty<THintWindow>(
        "BiDiMode", {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"},
        &THintWindow::BiDiMode, &THintWindow::SetBiDiMode, bdLeftToRight),
    StringProperty<THintWindow>("Caption", &THintWindow::Caption, &THintWindow::SetCaption,
                                std::string()),
    IntegerProperty<THintWindow>("Color", &THintWindow::Color, &THintWindow::SetColor, clWindow),
    ObjectProperty<THintWindow>("Font", [](THintWindow& W) -> TFont& { return W.Font(); }),
  });
  return Table;
}

std::vector<std::string> THintWindow::LayOut(TCanvas& Canvas, const std::string& Text,
                                             int MaxWidth) {
  // Widths add up word by word, so a long text costs one measurement per word.
  const int Space = Canvas.TextWidth(" ");
  std::vector<std::string> Lines;
  std::string_view Rest(Text);
  for (;;) {
    const std::size_t Break = Rest.find('\n');
    std::string_view Para = Rest.substr(0, Break);
    if (!Para.empty() && Para.back() == '\r') Para.remove_suffix(1);
    std::string Line;
    int Width = 0;
    std::size_t At = 0;
    while (At <= Para.size()) {
      const std::size_t End = std::min(Para.find(' ', At), Para.size());
      const std::string_view Word = Para.substr(At, End - At);
      const int W = Canvas.TextWidth(Word);
      if (!Line.empty() && Width + Space + W > MaxWidth) {
        Lines.push_back(std::move(Line));
        Line.clear();
        Width = 0;
      }
      if (!Line.empty()) {
        Line += ' ';
        Width += Space;
      }
      Line += Word;
      Width += W;
      At = End + 1;
    }
    Lines.push_back(std::move(Line));
    if (Break == std::string_view::npos) break;
    Rest.remove_prefix(Break + 1);
  }
  return Lines;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, const void*) {
  TQtCanvas Measure;
  Measure.Font().Assign(&FFont);
  const int Usable = std::max(MaxWidth - 2 * MarginX, 0);
  int Width = 0;
  const std::vector<std::string> Lines = LayOut(Measure, AHint, Usable);
  for (const std::string& Line : Lines) Width = std::max(Width, Measure.TextWidth(Line));
  const std::int64_t Height = std::int64_t{Measure.TextHeight("Wg")} * static_cast<std::int64_t>(Lines.size());
  return {0, 0, Width + 2 * MarginX,
          static_cast<std::int32_t>(std::min<std::int64_t>(Height + 2 * MarginY, QWIDGETSIZE_MAX))};
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& AHint) {
  if (AHint.empty()) {
    hide();
    return;
  }
  SetCaption(AHint);
  setGeometry(Rect.Left, Rect.Top, Extent(Rect.Left, Rect.Right), Extent(Rect.Top, Rect.Bottom));
  show();
  raise();
}

void THintWindow::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  update();
}

void THintWindow::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  update();
}

void THintWindow::SetBiDiMode(TBiDiMode Value) {
  FBiDiMode = Value;
  setLayoutDirection(Value == bdLeftToRight ? Qt::LeftToRight : Qt::RightToLeft);
  update();
}

void THintWindow::Paint() {
  TCanvas& C = Canvas();
  C.Brush().SetColor(FColor);
  C.Brush().SetStyle(bsSolid);
  C.Pen().SetColor(clWindowFrame);
  C.Rectangle(0, 0, width(), height());
  C.Brush().SetStyle(bsClear);
  const int LineHeight = C.TextHeight("Wg");
  int Y = MarginY;
  for (const std::string& Line : LayOut(C, FCaption, width() - 2 * MarginX)) {
    const int X = FBiDiMode == bdRightToLeft ? width() - MarginX - C.TextWidth(Line) : MarginX;
    C.TextOut(X, Y, Line);
    Y += LineHeight;
    if (Y >= height()) break;
  }
}

void THintWindow::paintEvent(QPaintEvent*) {
  FCanvas.SetDevice(this);
  Paint();
  FCanvas.SetDevice(nullptr);
}

} // namespace zk
