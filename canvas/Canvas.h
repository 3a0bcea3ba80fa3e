#pragma once
/// The canvas: a drawing surface with a current pen, brush and font, integer
/// drawing operations, text measurement and a device context for path calls.
///
/// `TCanvas` is abstract; `TQtCanvas` (qt/QtCanvas.h) paints through Qt
/// and `TRecordingCanvas` (canvas/RecordingCanvas.h) records every call. The
/// operations follow the platform's conventions, which every backend honours:
///
/// - A box given by two corners (Rectangle, Ellipse, RoundRect, Pie, Chord)
///   covers Left..Right-1 and Top..Bottom-1; `FillRect` paints exactly those
///   pixels with the brush.
/// - Pen width 0 and 1 both draw the thinnest line; `LineTo` and `Polyline`
///   paint from the start pixel up to but not including the end pixel, in
///   every direction.
/// - `Pie` and `Chord` run counter-clockwise on screen from the ray through
///   (X3, Y3) to the ray through (X4, Y4), both rays from the box centre; equal
///   rays give the whole ellipse.
/// - Polygons and paths fill under the device context's polygon fill mode
///   (even-odd unless `SetPolyFillMode` says otherwise).
/// - `psClear` draws no outline, `bsClear` paints no interior and no text
///   background.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "canvas/DeviceContext.h"
#include "runtime/Colors.h"
#include "runtime/Events.h"
#include "runtime/Persistent.h"
#include "runtime/Records.h"
#include "runtime/Set.h"

namespace zk {

class TGraphic;

/// A width and height in pixels.
struct TSize {
  ///@{
  /// Width and height.
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  ///@}
  friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

// ---- Pens, brushes and fonts -----------------------------------------------

/// How a pen draws: solid, dashed, dotted, dash-dotted, dash-dot-dotted,
/// not at all (`psClear`), or solid kept inside a shape's box
/// (`psInsideFrame`).
enum TPenStyle : std::uint8_t {
  psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame
};

/// How a brush fills: solid, not at all (`bsClear`: no interior and no text
/// background), or hatched in its colour (horizontal, vertical, forward and
/// backward diagonal, cross, diagonal cross).
enum TBrushStyle : std::uint8_t {
  bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};

/// A style a font may have; a font holds a set of them (`TFontStyles`).
enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
/// A set of font styles; bit n is `TFontStyle` n.
using TFontStyles = TSet<TFontStyle, 4>;

/// A font's pitch: the family's own, variable-width or fixed-width.
enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

/// Character sets as the platform numbers them.
using TFontCharset = std::uint8_t;
///@{
/// The character sets: ANSI, the platform default, symbol.
inline constexpr TFontCharset ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2;
///@}

/// A platform font description: what `CreateFontIndirectW` takes. Heights in
/// pixels (negative: character height without internal leading), escapement
/// and orientation in tenths of a degree counter-clockwise.
struct TLogFont {
  ///@{
  /// The description's fields, as the platform's logical font has them.
  std::int32_t lfHeight = 0;
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 400;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = DEFAULT_CHARSET;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  ///@}
  std::string lfFaceName;  ///< UTF-8
  friend bool operator==(const TLogFont&, const TLogFont&) = default;
};
///@{
/// Font weights of `TLogFont::lfWeight`: normal and bold.
inline constexpr std::int32_t FW_NORMAL = 400, FW_BOLD = 700;
///@}
///@{
/// Pitches of `TLogFont::lfPitchAndFamily` (its low bits).
inline constexpr std::uint8_t DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2;
///@}

/// A font handle. It keeps the description it was made from alive for as
/// long as anyone holds it, so a handle assigned to a font is owned by it.
using HFONT = std::shared_ptr<const TLogFont>;

/// The longest face name a logical font holds, in Unicode characters.
inline constexpr std::size_t LF_FACESIZE_CHARS = 31;

/// A font handle for the description, null for a null pointer. A face name
/// longer than `LF_FACESIZE_CHARS` characters is cut there, at a character
/// boundary of its UTF-8.
HFONT CreateFontIndirectW(const TLogFont* LogFont);

/// Base of pen, brush and font: change notification. Every effective change
/// of a property calls `Changed` once; setting a property to the value it
/// already has does nothing.
class TGraphicsObject : public TPersistent {
public:
  /// Called with this object after each change.
  TNotifyEvent OnChange;

protected:
  /// Calls `OnChange`. Descendants override it to react to every change.
  virtual void Changed();
};

/// The values a pen holds; recorded canvases keep a copy per call.
struct TPenData {
  ///@{
  /// Colour, style and width in pixels, as the pen's accessors describe them.
  TColor Color = clBlack;
  TPenStyle Style = psSolid;
  std::int32_t Width = 1;
  ///@}
  friend constexpr bool operator==(const TPenData&, const TPenData&) = default;
};

/// The pen a canvas draws lines and outlines with: a colour, a style and a
/// width in pixels. Notifies `OnChange` once per effective change.
class TPen : public TGraphicsObject {
public:
  std::string ClassName() const override { return "TPen"; }
  /// Copies colour, style and width from another pen (one `Changed` when any
  /// of them differs); any other source raises `EConvertError`.
  void Assign(const TPersistent* Source) override;

  ///@{
  /// The colour (black to start with) and the style (solid). Setting either
  /// to the value it has does nothing.
  TColor Color() const noexcept { return FData.Color; }
  void SetColor(TColor Value);
  TPenStyle Style() const noexcept { return FData.Style; }
  void SetStyle(TPenStyle Value);
  ///@}
  ///@{
  /// Width in pixels; 0 and 1 both draw the thinnest line. Negative values
  /// are stored as 0.
  std::int32_t Width() const noexcept { return FData.Width; }
  void SetWidth(std::int32_t Value);
  ///@}

  ///@{
  /// All values at once; setting them notifies once when any differs.
  const TPenData& Data() const noexcept { return FData; }
  void SetData(const TPenData& Value);
  ///@}

private:
  TPenData FData;
};

/// The values a brush holds; recorded canvases keep a copy per call.
struct TBrushData {
  ///@{
  /// Colour and style, as the brush's accessors describe them.
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  ///@}
  friend constexpr bool operator==(const TBrushData&, const TBrushData&) = default;
};

/// The brush a canvas fills interiors and text backgrounds with: a colour and
/// a style. Notifies `OnChange` once per effective change.
class TBrush : public TGraphicsObject {
public:
  std::string ClassName() const override { return "TBrush"; }
  /// Copies colour and style from another brush; any other source raises
  /// `EConvertError`.
  void Assign(const TPersistent* Source) override;

  /// The colour; white to start with.
  TColor Color() const noexcept { return FData.Color; }
  /// Setting a colour on a clear brush makes it solid, as the platform does.
  void SetColor(TColor Value);
  ///@{
  /// The style; solid to start with, `bsClear` paints nothing.
  TBrushStyle Style() const noexcept { return FData.Style; }
  void SetStyle(TBrushStyle Value);
  ///@}

  ///@{
  /// All values at once; setting them notifies once when any differs.
  const TBrushData& Data() const noexcept { return FData; }
  void SetData(const TBrushData& Value);
  ///@}

private:
  TBrushData FData;
};

/// The values a font holds; recorded canvases keep a copy per call.
struct TFontData {
  std::string Name = "Tahoma";  ///< family name, UTF-8
  /// Pixels; negative is the character height, positive the cell height.
  std::int32_t Height = -11;
  ///@{
  /// Colour, styles, character set and pitch.
  TColor Color = clWindowText;
  TFontStyles Style;
  TFontCharset Charset = DEFAULT_CHARSET;
  TFontPitch Pitch = fpDefault;
  ///@}
  /// Text angle in tenths of a degree, counter-clockwise.
  std::int32_t Orientation = 0;
  friend bool operator==(const TFontData&, const TFontData&) = default;
};

/// The font a canvas writes text with: a face, a height in pixels (or a size
/// in points), a colour, styles, a character set, a pitch and an orientation.
/// Notifies `OnChange` once per effective change; a handle (`Handle`) is made
/// for the current description on demand.
class TFont : public TGraphicsObject {
public:
  std::string ClassName() const override { return "TFont"; }
  /// Copies every attribute (and so the handle) from another font; any other
  /// source raises `EConvertError`.
  void Assign(const TPersistent* Source) override;
  /// Charset, Color, Height, Name, Orientation, Pitch, Size (never stored:
  /// Height carries it) and Style, as a form file holds a font.
  const TPropertyTable& PublishedProperties() const override;

  ///@{
  /// The face name (UTF-8); "Tahoma" to start with.
  const std::string& Name() const noexcept { return FData.Name; }
  void SetName(const std::string& Value);
  ///@}
  ///@{
  /// The height in pixels: negative for the character height, positive for
  /// the cell height; -11 to start with.
  std::int32_t Height() const noexcept { return FData.Height; }
  void SetHeight(std::int32_t Value);
  ///@}
  ///@{
  /// Points at `PixelsPerInch`: Size = -Height * 72 / PPI and Height = -Size *
  /// PPI / 72, each rounded half away from zero.
  std::int32_t Size() const noexcept;
  void SetSize(std::int32_t Value);
  ///@}
  ///@{
  /// Screen resolution used by `Size` (96 to start with); values below 1 are
  /// ignored.
  std::int32_t PixelsPerInch() const noexcept { return FPixelsPerInch; }
  void SetPixelsPerInch(std::int32_t Value) noexcept;
  ///@}
  ///@{
  /// The text colour; the window text colour to start with.
  TColor Color() const noexcept { return FData.Color; }
  void SetColor(TColor Value);
  ///@}
  ///@{
  /// The styles (bold, italic, underline, strike-out); none to start with.
  TFontStyles Style() const noexcept { return FData.Style; }
  void SetStyle(TFontStyles Value);
  ///@}
  ///@{
  /// The character set; `DEFAULT_CHARSET` to start with.
  TFontCharset Charset() const noexcept { return FData.Charset; }
  void SetCharset(TFontCharset Value);
  ///@}
  ///@{
  /// The pitch; `fpDefault` to start with.
  TFontPitch Pitch() const noexcept { return FData.Pitch; }
  void SetPitch(TFontPitch Value);
  ///@}
  ///@{
  /// The text angle in tenths of a degree, counter-clockwise; 0 to start with.
  std::int32_t Orientation() const noexcept { return FData.Orientation; }
  void SetOrientation(std::int32_t Value);
  ///@}

  /// The handle of the current description (the same handle until the font
  /// changes).
  HFONT Handle() const;
  /// Adopts the handle's description (height, face, weight and styles,
  /// charset, pitch, escapement as orientation) and keeps the handle; the
  /// colour stays. A null handle resets the description to the defaults.
  void SetHandle(HFONT Value);

  ///@{
  /// All values at once; setting them notifies once when any differs.
  const TFontData& Data() const noexcept { return FData; }
  void SetData(const TFontData& Value);
  ///@}

protected:
  void Changed() override;

private:
  TFontData FData;
  std::int32_t FPixelsPerInch = 96;
  mutable HFONT FHandle;
};

// ---- The canvas ------------------------------------------------------------

/// A drawing surface: a pen, a brush and a font, integer drawing operations
/// that follow the conventions above, text measurement, and the device context
/// of the path calls (`Handle`). Abstract: a backend implements the `Do`
/// hooks (`TQtCanvas` paints with Qt, `TRecordingCanvas` records).
///
/// Every drawing routine of the library takes a `TCanvas&`, borrows its pen,
/// brush and font, and puts them back before it returns.
class TCanvas : public TPersistent, public TDeviceContext {
public:
  /// A canvas with the default pen (black, solid, 1), brush (white, solid)
  /// and font; the current position is (0, 0).
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  std::string ClassName() const override { return "TCanvas"; }

  ///@{
  /// The pen, the brush and the font the operations draw with.
  TPen& Pen() noexcept { return FPen; }
  const TPen& Pen() const noexcept { return FPen; }
  TBrush& Brush() noexcept { return FBrush; }
  const TBrush& Brush() const noexcept { return FBrush; }
  TFont& Font() noexcept { return FFont; }
  const TFont& Font() const noexcept { return FFont; }
  ///@}

  /// The current position (the device context's).
  TPoint PenPos() const noexcept { return CurrentPosition(); }
  /// Same as `MoveTo`.
  void SetPenPos(const TPoint& P) { MoveTo(P.X, P.Y); }

  /// Moves the current position without drawing.
  void MoveTo(int X, int Y);
  /// A line from the current position to (X, Y) with the pen, without its end
  /// pixel; (X, Y) becomes the current position.
  void LineTo(int X, int Y);
  /// A closed polygon: outlined with the pen, filled with the brush under the
  /// fill mode. Fewer than 2 points draw nothing (the call still reaches the
  /// backend, so a recording shows it).
  void Polygon(std::span<const TPoint> Points);
  /// An open polyline with the pen. Fewer than 2 points draw nothing.
  void Polyline(std::span<const TPoint> Points);
  ///@{
  /// A rectangle covering X1..X2-1 and Y1..Y2-1: outlined with the pen,
  /// filled with the brush.
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  ///@}
  /// Paints R with the brush only; an empty or inverted R paints nothing.
  void FillRect(const TRect& R);
  ///@{
  /// The ellipse inscribed in the box X1..X2-1, Y1..Y2-1: outlined with the
  /// pen, filled with the brush.
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  ///@}
  /// A rectangle whose corners are quarter ellipses W wide and H high.
  void RoundRect(int X1, int Y1, int X2, int Y2, int W, int H);
  /// A pie slice of the ellipse in the box, counter-clockwise from the ray
  /// through (X3, Y3) to the ray through (X4, Y4): outlined and filled.
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  /// The ellipse's segment cut off by the chord between the same two rays as
  /// `Pie`: outlined and filled.
  void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);

  /// Text with its top-left corner at (X, Y) in the font, on the brush colour
  /// unless the brush is clear; the current position moves to (X +
  /// TextWidth(Text), Y).
  void TextOut(int X, int Y, std::string_view Text);
  ///@{
  /// The width and the height of Text in the current font (`TextExtent`).
  int TextWidth(std::string_view Text) { return TextExtent(Text).cx; }
  int TextHeight(std::string_view Text) { return TextExtent(Text).cy; }
  ///@}
  /// Size of Text (UTF-8) in the current font.
  TSize TextExtent(std::string_view Text) { return DoTextExtent(Text); }

  /// The graphic at its natural size with its top-left at (X, Y).
  void Draw(int X, int Y, const TGraphic& Graphic);
  /// The graphic stretched over R.
  void StretchDraw(const TRect& R, const TGraphic& Graphic);

  /// The device context for the path calls of canvas/DeviceContext.h.
  HDC Handle() noexcept { return this; }

  /// The RGB value of a colour: system colours ($FF0000xx) become the colour
  /// this canvas shows for them; other values are returned unchanged.
  virtual TColor ColorToRGB(TColor Color) const;

protected:
  /// Backend hooks, one per operation, called with the validated arguments.
  /// The current position moved to P; the base does nothing.
  virtual void DoMoveTo(const TPoint& /*P*/) {}
  /// A line from From to To, without its end pixel.
  virtual void DoLineTo(const TPoint& From, const TPoint& To) = 0;
  /// A closed polygon, outlined and filled under the fill mode.
  virtual void DoPolygon(std::span<const TPoint> Points) = 0;
  /// An open polyline with the pen.
  virtual void DoPolyline(std::span<const TPoint> Points) = 0;
  /// The rectangle Box, outlined and filled.
  virtual void DoRectangle(const TRect& Box) = 0;
  /// R painted with the brush only (R is not empty).
  virtual void DoFillRect(const TRect& R) = 0;
  /// The ellipse inscribed in Box, outlined and filled.
  virtual void DoEllipse(const TRect& Box) = 0;
  /// Box with corners rounded by quarter ellipses W wide and H high.
  virtual void DoRoundRect(const TRect& Box, int W, int H) = 0;
  /// The pie slice of `Pie`, Start and End on its two rays.
  virtual void DoPie(const TRect& Box, const TPoint& Start, const TPoint& End) = 0;
  /// The chord segment of `Chord`, Start and End on its two rays.
  virtual void DoChord(const TRect& Box, const TPoint& Start, const TPoint& End) = 0;
  /// Text (UTF-8) with its top-left corner at (X, Y).
  virtual void DoTextOut(int X, int Y, std::string_view Text) = 0;
  /// The size of Text in the current font.
  virtual TSize DoTextExtent(std::string_view Text) = 0;
  /// Graphic at its natural size with its top-left at (X, Y).
  virtual void DoDraw(int X, int Y, const TGraphic& Graphic) = 0;
  /// Graphic stretched over R.
  virtual void DoStretchDraw(const TRect& R, const TGraphic& Graphic) = 0;

private:
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
};

} // namespace zk
