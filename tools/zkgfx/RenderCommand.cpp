#include <algorithm>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include "path/PathData.h"
#include "path/PathPreview.h"
#include "pathops/Stroke.h"
#include "qt/QtCanvas.h"
#include "qt/QtPainterPath.h"
#include "tools/zkgfx/Command.h"
#include "tools/zkgfx/PictureOutput.h"
#include "tools/zkgfx/StrokeOptions.h"

namespace zk::zkgfx {
namespace {

constexpr int Margin = 4;               // kept free around the preview

// The preview fitted into the picture less the margin.
void DrawPreview(TQtCanvas& Canvas, const TZKPathData& Path, const TPictureSize& Size) {
  const float Inset = std::min({Margin, (Size.Width - 1) / 2, (Size.Height - 1) / 2});
  // The outline of a box covers Left..Right-1, so the last pixel is Size-1.
  DrawPathPreview(Canvas, Path, {Inset, Inset, Size.Width - 1 - Inset, Size.Height - 1 - Inset});
}

// ---- Drawing as a browser draws an SVG path ---------------------------------

struct TViewBox {
  double MinX = 0, MinY = 0, Width = 0, Height = 0;
};

struct TBrowserStyle {
  TViewBox ViewBox;
  std::optional<QColor> Fill = QColor(Qt::black);  // none: not filled
  Qt::FillRule FillRule = Qt::WindingFill;
  std::optional<QColor> Stroke;      // none: no outline
  TZKStroke StrokeStyle;             // width, joins, caps, dashes in view box units
  bool ToleranceGiven = false;       // else a quarter pixel at the picture's scale
  std::optional<QColor> Background;  // none: transparent
};

// "MINX MINY WIDTH HEIGHT", separated by white space and/or commas as in
// SVG's viewBox attribute. A negative side is an error there; a zero side
// is allowed and disables drawing, as in a browser.
TViewBox ParseViewBox(std::string_view Text) {
  std::vector<double> Numbers;
  std::size_t At = 0;
  while (At < Text.size()) {
    if (Text[At] == ' ' || Text[At] == ',' || Text[At] == '\t') {
      ++At;
      continue;
    }
    std::size_t End = At;
    while (End < Text.size() && Text[End] != ' ' && Text[End] != ',' && Text[End] != '\t') ++End;
    Numbers.push_back(NumberArgument(Text.substr(At, End - At), "--viewbox"));
    At = End;
  }
  if (Numbers.size() != 4 || Numbers[2] < 0 || Numbers[3] < 0)
    throw UsageError("--viewbox must be \"MINX MINY WIDTH HEIGHT\" with WIDTH and HEIGHT not "
                     "negative, not '" + std::string(Text) + "'");
  return {Numbers[0], Numbers[1], Numbers[2], Numbers[3]};
}

// "#rrggbb", "#rgb" or an SVG colour keyword ("red", "cornflowerblue").
QColor ParseColor(std::string_view Text, std::string_view Option) {
  bool Ok = !Text.empty();
  if (Ok && Text[0] == '#') {
    Ok = (Text.size() == 4 || Text.size() == 7) &&
         std::all_of(Text.begin() + 1, Text.end(), [](char C) {
           return (C >= '0' && C <= '9') || (C >= 'a' && C <= 'f') || (C >= 'A' && C <= 'F');
         });
  } else {
    Ok = Ok && std::all_of(Text.begin(), Text.end(),
                           [](char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); });
  }
  const QColor Color = Ok ? QColor::fromString(Text) : QColor();
  if (!Color.isValid())
    throw UsageError(std::string(Option) + " must be #rrggbb, #rgb or an SVG colour name, not '" +
                     std::string(Text) + "'");
  return Color;
}

// The view box onto the picture as SVG's default preserveAspectRatio
// ("xMidYMid meet") maps it: one scale, the smaller of the two fits, and
// the box centred on the axis with room to spare.
QTransform ViewBoxTransform(const TViewBox& Box, const TPictureSize& Size) {
  const double Scale = std::min(Size.Width / Box.Width, Size.Height / Box.Height);
  const double Dx = (Size.Width - Box.Width * Scale) / 2 - Box.MinX * Scale;
  const double Dy = (Size.Height - Box.Height * Scale) / 2 - Box.MinY * Scale;
  return QTransform(Scale, 0, 0, Scale, Dx, Dy);
}

// Anti-aliased, filled by the fill rule, then outlined when a stroke colour
// is given: the library's stroke outline (`StrokeOutline`, in the style of
// the stroke options, SVG's defaults otherwise) filled nonzero in that
// colour, as a browser paints the stroke over the fill.
void DrawAsBrowser(TQtCanvas& Canvas, const TZKPathData& Path, const TPictureSize& Size,
                   const TBrowserStyle& Style) {
  QPainter& Painter = *Canvas.Painter();
  Painter.save();
  if (Style.Background) Painter.fillRect(QRectF(0, 0, Size.Width, Size.Height), *Style.Background);
  if (Style.ViewBox.Width > 0 && Style.ViewBox.Height > 0) {
    const QTransform ToPicture = ViewBoxTransform(Style.ViewBox, Size);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setTransform(ToPicture);
    QPainterPath Fill = ToQPainterPath(Path);
    Fill.setFillRule(Style.FillRule);
    if (Style.Fill) Painter.fillPath(Fill, *Style.Fill);
    if (Style.Stroke) {
      TZKStroke Stroke = Style.StrokeStyle;
      if (!Style.ToleranceGiven) Stroke.Tolerance = 0.25 / ToPicture.m11();
      QPainterPath Outline = ToQPainterPath(*StrokeOutline(Path, Stroke));
      Outline.setFillRule(Qt::WindingFill);
      Painter.fillPath(Outline, *Style.Stroke);
    }
  }
  Painter.restore();
}

// The stroke style options render takes besides --stroke.
std::vector<std::string_view> StrokeOptionNames() {
  std::vector<std::string_view> Names(StrokeStyleOptions.begin(), StrokeStyleOptions.end());
  Names.push_back("--stroke-width");
  return Names;
}

std::optional<TBrowserStyle> BrowserStyleOf(const ParsedArguments& Parsed) {
  static constexpr std::string_view StyleOptions[] = {"--fill", "--fill-rule", "--stroke",
                                                      "--background"};
  const std::string_view ViewBox = Parsed.Option("--viewbox", "");
  if (ViewBox.empty()) {
    std::vector<std::string_view> Names(std::begin(StyleOptions), std::end(StyleOptions));
    for (std::string_view Name : StrokeOptionNames()) Names.push_back(Name);
    for (std::string_view Name : Names)
      if (!Parsed.Option(Name, "").empty())
        throw UsageError(std::string(Name) + " draws as a browser does and needs --viewbox");
    return std::nullopt;
  }
  TBrowserStyle Style;
  Style.ViewBox = ParseViewBox(ViewBox);
  if (const std::string_view F = Parsed.Option("--fill", "black"); F == "none")
    Style.Fill.reset();
  else
    Style.Fill = ParseColor(F, "--fill");
  const std::string_view Rule = Parsed.Option("--fill-rule", "nonzero");
  if (Rule == "evenodd")
    Style.FillRule = Qt::OddEvenFill;
  else if (Rule != "nonzero")
    throw UsageError("--fill-rule must be nonzero or evenodd, not '" + std::string(Rule) + "'");
  if (const std::string_view S = Parsed.Option("--stroke", ""); !S.empty() && S != "none") {
    Style.Stroke = ParseColor(S, "--stroke");
    Style.StrokeStyle = StrokeFromOptions(Parsed, "--stroke-width");
    Style.ToleranceGiven = !Parsed.Option("--tolerance", "").empty();
  } else {
    for (std::string_view Name : StrokeOptionNames())
      if (!Parsed.Option(Name, "").empty()) throw UsageError(std::string(Name) + " needs --stroke");
  }
  if (const std::string_view B = Parsed.Option("--background", "none"); B != "none")
    Style.Background = ParseColor(B, "--background");
  return Style;
}

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  std::vector<std::string_view> Known = {"--size",      "--file",   "--viewbox",  "--fill",
                                         "--fill-rule", "--stroke", "--background"};
  for (std::string_view Name : StrokeOptionNames()) Known.push_back(Name);
  const ParsedArguments Parsed = ParseArguments(Args, Known, PathSyntaxFlags);
  const TPictureSize Size = ParsePictureSize(Parsed.Option("--size", "256x256"));
  const std::string_view FileName = Parsed.Option("--file", "");
  const bool FromFile = !FileName.empty();
  const std::optional<TBrowserStyle> Browser = BrowserStyleOf(Parsed);
  RequirePositional(Parsed, FromFile ? 1 : 2, FromFile ? 1 : 2,
                    FromFile ? "OUT" : "PATHDATA OUT (or --file F OUT)");
  const std::string_view OutName = Parsed.Positional.back();
  CheckPictureName(OutName);

  TZKPathData Path;
  ReadPath(Path, FromFile ? std::string_view(ReadPathFile(FileName)) : Parsed.Positional[0], Parsed);

  if (Browser)
    WritePicture(
        OutName, Size, [&](TQtCanvas& Canvas) { DrawAsBrowser(Canvas, Path, Size, *Browser); },
        TPictureBase::Transparent);
  else
    WritePicture(OutName, Size, [&](TQtCanvas& Canvas) { DrawPreview(Canvas, Path, Size); });
  Out << "wrote " << OutName << " (" << Size.Width << 'x' << Size.Height << ", " << Path.Count()
      << " entries)\n";
  return 0;
}

} // namespace

const Command RenderCommand{
    "render", "draw a path into a PNG, PDF or SVG file",
    "Usage: zkgfx render [--size WxH] [--svg] [--viewbox \"MINX MINY W H\" [--fill COLOR]\n"
    "                    [--fill-rule nonzero|evenodd] [--stroke COLOR [--stroke-width W]\n"
    "                    [stroke options]] [--background none|COLOR]] (PATHDATA | --file F) OUT\n"
    "Without --viewbox, draws the path the way the path designer previews it:\n"
    "scaled on each axis to fill the picture less a 4-pixel margin, filled grey\n"
    "and outlined black, on white.\n"
    "With --viewbox, draws it as a browser draws <svg viewBox=\"...\"><path d=\"...\">:\n"
    "the box mapped onto the picture with one scale, centred (xMidYMid meet),\n"
    "anti-aliased, filled by --fill-rule (default nonzero) in --fill (default\n"
    "black; none: not filled), stroked only when --stroke is given (--stroke-width\n"
    "W in view box units, default 1, and the stroke options below), on\n"
    "--background (default none: transparent). A COLOR is #rrggbb, #rgb or an\n"
    "SVG colour name.\n"
    "The format follows the extension of OUT: .png, .pdf or .svg. --size\n"
    "defaults to 256x256 (at most 8192 per side; points for PDF).\n"
    "--file reads the path data from F instead of the command line.\n"
    "--svg reads it by the SVG path grammar (see 'zkgfx normalize --help').\n"
    "Stroke options (with --stroke; --tolerance defaults to a quarter pixel):\n"
    ZKGFX_STROKE_OPTIONS_HELP,
    &Run};

} // namespace zk::zkgfx
