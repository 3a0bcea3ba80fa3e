#pragma once
/// Pictures zkgfx writes: the --size argument and one file in the format its
/// extension names (PNG on white, PDF or SVG), drawn through a Qt canvas.
#include <functional>
#include <string_view>

namespace zk {
class TQtCanvas;
}

namespace zk::zkgfx {

/// Pixels (points for PDF) per side.
struct TPictureSize {
  int Width = 256;
  int Height = 256;
};

/// "WIDTHxHEIGHT", each from 1 to 8192; anything else raises `UsageError`.
TPictureSize ParsePictureSize(std::string_view Text);

/// Raises `UsageError` unless Name ends in .png, .pdf or .svg (any case).
void CheckPictureName(std::string_view Name);

/// What a PNG holds before Draw paints on it: opaque white (the preview's
/// look) or transparent pixels. A PDF or SVG has no background of its own.
enum class TPictureBase { White, Transparent };

/// Draws a picture of Size with Draw and writes it to Name, the format by
/// its extension. Raises `std::runtime_error` naming the file when it cannot
/// be painted or written.
void WritePicture(std::string_view Name, const TPictureSize& Size,
                  const std::function<void(TQtCanvas&)>& Draw,
                  TPictureBase Base = TPictureBase::White);

} // namespace zk::zkgfx
