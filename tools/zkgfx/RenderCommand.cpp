#include <algorithm>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "canvas/qt/QtCanvas.h"
#include "graphics/PathData.h"
#include "tools/zkgfx/Command.h"
#include "tools/zkgfx/PictureOutput.h"

namespace zk::zkgfx {
namespace {

constexpr int Margin = 4;               // kept free around the drawing
constexpr std::streamoff MaxFileSize = 64 << 20;

std::string ReadPathFile(std::string_view Name) {
  std::ifstream File{std::string(Name), std::ios::binary};
  if (!File) throw std::runtime_error("cannot read '" + std::string(Name) + "'");
  File.seekg(0, std::ios::end);
  if (File.tellg() > MaxFileSize)
    throw std::runtime_error("'" + std::string(Name) + "' is larger than 64 MiB");
  File.seekg(0);
  std::string Text((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
  if (File.bad()) throw std::runtime_error("cannot read '" + std::string(Name) + "'");
  return Text;
}

// The preview look: the path fitted into the picture less the margin, filled
// grey and outlined black.
void DrawPreview(TQtCanvas& Canvas, TZKPathData& Path, const TPictureSize& Size) {
  const float Inset = std::min({Margin, (Size.Width - 1) / 2, (Size.Height - 1) / 2});
  // The outline of a box covers Left..Right-1, so the last pixel is Size-1.
  Path.FitToRect({Inset, Inset, Size.Width - 1 - Inset, Size.Height - 1 - Inset});
  Canvas.Brush().SetColor(clGray);
  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Pen().SetColor(clBlack);
  Path.FillPath(Canvas, 1);
}

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  static constexpr std::string_view Known[] = {"--size", "--file"};
  const ParsedArguments Parsed = ParseArguments(Args, Known);
  const TPictureSize Size = ParsePictureSize(Parsed.Option("--size", "256x256"));
  const std::string_view FileName = Parsed.Option("--file", "");
  const bool FromFile = !FileName.empty();
  RequirePositional(Parsed, FromFile ? 1 : 2, FromFile ? 1 : 2,
                    FromFile ? "OUT" : "PATHDATA OUT (or --file F OUT)");
  const std::string_view OutName = Parsed.Positional.back();
  CheckPictureName(OutName);

  TZKPathData Path;
  Path.SetPathString(FromFile ? std::string_view(ReadPathFile(FileName)) : Parsed.Positional[0]);

  WritePicture(OutName, Size, [&](TQtCanvas& Canvas) { DrawPreview(Canvas, Path, Size); });
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
