#include <algorithm>
#include <charconv>
#include <ostream>
#include <string>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "canvas/qt/QtCanvas.h"
#include "graphics/PathData.h"
#include "graphics/PathPreview.h"
#include "tools/zkgfx/Command.h"
#include "tools/zkgfx/Files.h"

namespace zk::zkgfx {
namespace {

constexpr int MaxSide = 8192;           // pixels (or points) per side
constexpr int Margin = 4;               // kept free around the drawing

struct TSizeArgument {
  int Width = 256;
  int Height = 256;
};

TSizeArgument ParseSize(std::string_view Text) {
  TSizeArgument Size;
  const char* First = Text.data();
  const char* Last = First + Text.size();
  const auto [XAt, WError] = std::from_chars(First, Last, Size.Width);
  bool Ok = WError == std::errc{} && XAt != Last && (*XAt == 'x' || *XAt == 'X');
  if (Ok) {
    const auto [End, HError] = std::from_chars(XAt + 1, Last, Size.Height);
    Ok = HError == std::errc{} && End == Last;
  }
  if (!Ok || Size.Width < 1 || Size.Width > MaxSide || Size.Height < 1 || Size.Height > MaxSide)
    throw UsageError("--size must be WIDTHxHEIGHT, each from 1 to " + std::to_string(MaxSide) +
                     ", not '" + std::string(Text) + "'");
  return Size;
}

enum class TFormat { Png, Pdf, Svg };

TFormat FormatOf(std::string_view Name) {
  const std::size_t Dot = Name.rfind('.');
  std::string Ext(Dot == std::string_view::npos ? std::string_view() : Name.substr(Dot + 1));
  for (char& C : Ext) C = static_cast<char>(C >= 'A' && C <= 'Z' ? C + 32 : C);
  if (Ext == "png") return TFormat::Png;
  if (Ext == "pdf") return TFormat::Pdf;
  if (Ext == "svg") return TFormat::Svg;
  throw UsageError("the output must end in .png, .pdf or .svg, not '" + std::string(Name) + "'");
}

// The preview fitted into the picture less the margin.
void DrawPreview(TQtCanvas& Canvas, const TZKPathData& Path, const TSizeArgument& Size) {
  if (Canvas.Painter() == nullptr) throw std::runtime_error("cannot paint on the output");
  const float Inset = std::min({Margin, (Size.Width - 1) / 2, (Size.Height - 1) / 2});
  // The outline of a box covers Left..Right-1, so the last pixel is Size-1.
  DrawPathPreview(Canvas, Path, {Inset, Inset, Size.Width - 1 - Inset, Size.Height - 1 - Inset});
}

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  static constexpr std::string_view Known[] = {"--size", "--file"};
  const ParsedArguments Parsed = ParseArguments(Args, Known);
  const TSizeArgument Size = ParseSize(Parsed.Option("--size", "256x256"));
  const std::string_view FileName = Parsed.Option("--file", "");
  const bool FromFile = !FileName.empty();
  RequirePositional(Parsed, FromFile ? 1 : 2, FromFile ? 1 : 2,
                    FromFile ? "OUT" : "PATHDATA OUT (or --file F OUT)");
  const std::string_view OutName = Parsed.Positional.back();
  const TFormat Format = FormatOf(OutName);

  TZKPathData Path;
  Path.SetPathString(FromFile ? std::string_view(ReadPathFile(FileName)) : Parsed.Positional[0]);

  // Everything is painted into memory first and written by one checked
  // write, so a failure (a full disk, an unwritable directory) is reported
  // with its reason and leaves no partial file.
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  switch (Format) {
    case TFormat::Png: {
      QImage Image(Size.Width, Size.Height, QImage::Format_RGB32);
      Image.fill(Qt::white);
      {
        TQtCanvas Canvas(Image);
        DrawPreview(Canvas, Path, Size);
      }
      if (!Image.save(&Buffer, "PNG")) throw std::runtime_error("cannot encode the picture as PNG");
      break;
    }
    case TFormat::Pdf: {
      QPdfWriter Writer(&Buffer);
      Writer.setResolution(72);  // one canvas pixel is one point
      Writer.setPageSize(QPageSize(QSizeF(Size.Width, Size.Height), QPageSize::Point));
      Writer.setPageMargins(QMarginsF(0, 0, 0, 0));
      TQtCanvas Canvas(Writer);
      DrawPreview(Canvas, Path, Size);
      break;
    }
    case TFormat::Svg: {
      QSvgGenerator Generator;
      Generator.setOutputDevice(&Buffer);
      Generator.setSize(QSize(Size.Width, Size.Height));
      Generator.setViewBox(QRect(0, 0, Size.Width, Size.Height));
      TQtCanvas Canvas(Generator);
      DrawPreview(Canvas, Path, Size);
      break;
    }
  }
  Buffer.close();
  WriteOutputFile(OutName, std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size())));
  Out << "wrote " << OutName << " (" << Size.Width << 'x' << Size.Height << ", " << Path.Count()
      << " entries)\n";
  return 0;
}

} // namespace

const Command RenderCommand{
    "render", "draw a path into a PNG, PDF or SVG file",
    "Usage: zkgfx render [--size WxH] (PATHDATA | --file F) OUT\n"
    "Draws the path the way the path designer previews it: scaled on each axis\n"
    "to fill the picture less a 4-pixel margin, filled grey and outlined black.\n"
    "The format follows the extension of OUT: .png (white background), .pdf or\n"
    ".svg. --size defaults to 256x256 (at most 8192 per side; points for PDF).\n"
    "--file reads the path data from F instead of the command line.\n",
    &Run};

} // namespace zk::zkgfx
