#include <ostream>
#include <string>

#include "qt/QtCanvas.h"
#include "tools/zkgfx/Command.h"
#include "tools/zkgfx/Gallery.h"
#include "tools/zkgfx/PictureOutput.h"

namespace zk::zkgfx {
namespace {

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  static constexpr std::string_view Known[] = {"--size"};
  const ParsedArguments Parsed = ParseArguments(Args, Known);
  const TPictureSize Size = ParsePictureSize(Parsed.Option("--size", "1600x1200"));
  RequirePositional(Parsed, 1, 1, "OUT");
  const std::string_view OutName = Parsed.Positional[0];
  CheckPictureName(OutName);

  const std::vector<TGalleryCell> Cells = GalleryCells();
  std::vector<TPlacedCell> Placed;
  WritePicture(OutName, Size, [&](TQtCanvas& Canvas) {
    Placed = DrawGallery(Canvas, Size.Width, Size.Height, Cells);
  });
  Out << "wrote " << OutName << " (" << Size.Width << 'x' << Size.Height << ", " << Placed.size()
      << " cells)\n";
  for (const TPlacedCell& Cell : Placed)
    Out << "cell " << Cell.Area.Left << ' ' << Cell.Area.Top << ' ' << Cell.Area.Right << ' '
        << Cell.Area.Bottom << ' ' << Cell.Label << '\n';
  return 0;
}

} // namespace

const Command GalleryCommand{
    "gallery", "draw every drawing routine into one PNG, PDF or SVG picture",
    "Usage: zkgfx gallery [--size WxH] OUT\n"
    "Draws a labelled cell for each drawing routine: gradients, shapes and 3D\n"
    "frames, arrows, pie and donut slices, progress indicators, turned,\n"
    "aligned and wrapped text, and the colour lists. The format follows the\n"
    "extension of OUT: .png (white background), .pdf or .svg. --size defaults\n"
    "to 1600x1200 (at most 8192 per side).\n"
    "Prints one line per cell: 'cell LEFT TOP RIGHT BOTTOM LABEL', the area\n"
    "under the cell's label that the routine drew in.\n",
    &Run};

} // namespace zk::zkgfx
