#include <algorithm>
#include <ostream>
#include <string>

#include "path/PathData.h"
#include "path/PathPreview.h"
#include "qt/QtCanvas.h"
#include "tools/zkgfx/Command.h"
#include "tools/zkgfx/PictureOutput.h"

namespace zk::zkgfx {
namespace {

constexpr int Margin = 4;               // kept free around the drawing

// The preview fitted into the picture less the margin.
void DrawPreview(TQtCanvas& Canvas, const TZKPathData& Path, const TPictureSize& Size) {
  const float Inset = std::min({Margin, (Size.Width - 1) / 2, (Size.Height - 1) / 2});
  // The outline of a box covers Left..Right-1, so the last pixel is Size-1.
  DrawPathPreview(Canvas, Path, {Inset, Inset, Size.Width - 1 - Inset, Size.Height - 1 - Inset});
}

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  static constexpr std::string_view Known[] = {"--size", "--file"};
  const ParsedArguments Parsed = ParseArguments(Args, Known, PathSyntaxFlags);
  const TPictureSize Size = ParsePictureSize(Parsed.Option("--size", "256x256"));
  const std::string_view FileName = Parsed.Option("--file", "");
  const bool FromFile = !FileName.empty();
  RequirePositional(Parsed, FromFile ? 1 : 2, FromFile ? 1 : 2,
                    FromFile ? "OUT" : "PATHDATA OUT (or --file F OUT)");
  const std::string_view OutName = Parsed.Positional.back();
  CheckPictureName(OutName);

  TZKPathData Path;
  ReadPath(Path, FromFile ? std::string_view(ReadPathFile(FileName)) : Parsed.Positional[0], Parsed);

  WritePicture(OutName, Size, [&](TQtCanvas& Canvas) { DrawPreview(Canvas, Path, Size); });
  Out << "wrote " << OutName << " (" << Size.Width << 'x' << Size.Height << ", " << Path.Count()
      << " entries)\n";
  return 0;
}

} // namespace

const Command RenderCommand{
    "render", "draw a path into a PNG, PDF or SVG file",
    "Usage: zkgfx render [--size WxH] [--svg] (PATHDATA | --file F) OUT\n"
    "Draws the path the way the path designer previews it: scaled on each axis\n"
    "to fill the picture less a 4-pixel margin, filled grey and outlined black.\n"
    "The format follows the extension of OUT: .png (white background), .pdf or\n"
    ".svg. --size defaults to 256x256 (at most 8192 per side; points for PDF).\n"
    "--file reads the path data from F instead of the command line.\n"
    "--svg reads it by the SVG path grammar (see 'zkgfx normalize --help').\n",
    &Run};

} // namespace zk::zkgfx
