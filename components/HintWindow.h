#pragma once
/// `THintWindow`: a tool-tip window that shows a text in a box sized to it,
/// the base of the library's hint windows.
#include <string>
#include <vector>

#include <QWidget>

#include "canvas/Canvas.h"
#include "qt/QtCanvas.h"
#include "runtime/Persistent.h"

namespace zk {

/// Text direction and alignment of a hint: left to right, or right to left
/// with or without right alignment, or only the reading order reversed.
enum TBiDiMode : std::uint8_t {
  bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly
};

/// A frameless tool-tip window (`Qt::ToolTip`) that never takes the focus.
/// Its text is laid out in lines: a line break always starts a new line, and
/// a line wider than the maximum width breaks at blanks (a word wider than
/// that stays whole). The box is the text's extent plus a margin of
/// `MarginX` pixels left and right and `MarginY` top and bottom.
class THintWindow : public QWidget, public TPersistent {
public:
  /// The margin in pixels between the box's left and right edges and the
  /// text: `CalcHintRect` adds it on both sides, `Paint` insets the lines by it.
  static constexpr int MarginX = 3;
  /// The margin in pixels above the first line and below the last.
  static constexpr int MarginY = 1;

  /// Hidden, coloured with the application's hint colour (`clInfoBk`), its
  /// text in `clInfoText`.
  explicit THintWindow(QWidget* Parent = nullptr);
  ~THintWindow() override;

  std::string ClassName() const override { return "THintWindow"; }
  /// BiDiMode, Caption, Color (default `clWindow`) and Font.
  const TPropertyTable& PublishedProperties() const override;

  /// The box that shows AHint, at the origin: its text laid out no wider than
  /// MaxWidth pixels (less the margins), measured with `Font`. AData is for
  /// descendants that show more than text; it is not used here.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint, const void* AData);
  /// Shows AHint in the box Rect (screen coordinates) and raises the window.
  /// An empty hint hides the window instead of showing an empty box.
  virtual void ActivateHint(const TRect& Rect, const std::string& AHint);

  ///@{
  /// The text shown.
  const std::string& Caption() const noexcept { return FCaption; }
  void SetCaption(const std::string& Value);
  ///@}
  ///@{
  /// The background colour; system colours follow the application palette.
  TColor Color() const noexcept { return FColor; }
  void SetColor(TColor Value);
  ///@}
  ///@{
  /// The font of the text; changes repaint the window.
  TFont& Font() noexcept { return FFont; }
  const TFont& Font() const noexcept { return FFont; }
  ///@}
  ///@{
  /// Right-to-left modes mirror the window's layout; `bdRightToLeft` also
  /// aligns the lines to the right.
  TBiDiMode BiDiMode() const noexcept { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  ///@}

protected:
  /// The canvas of the window while it paints; it has no device otherwise.
  TCanvas& Canvas() noexcept { return FCanvas; }
  ///@{
  /// Paints the box with `Color` (framed in `clWindowFrame`) and the
  /// caption with the canvas's current font.
  virtual void Paint();
  void paintEvent(QPaintEvent* Event) override;
  ///@}

private:
  std::vector<std::string> LayOut(TCanvas& Canvas, const std::string& Text, int MaxWidth);

  TQtCanvas FCanvas;
  TFont FFont;
  std::string FCaption;
  TColor FColor = clInfoBk;
  TBiDiMode FBiDiMode = bdLeftToRight;
};

} // namespace zk
