#pragma once
/// The gallery: one labelled cell for every drawing routine, laid out in a
/// grid that fills the picture.
#include <functional>
#include <string>
#include <vector>

#include "canvas/Canvas.h"

namespace zk::zkgfx {

/// One cell: its label and what it draws inside the given area.
struct TGalleryCell {
  std::string Label;
  std::function<void(TCanvas&, const TRect&)> Draw;
};

/// Every cell, group after group: gradients, shapes, shape types, arrows,
/// slices, progress indicators, text, colour lists.
std::vector<TGalleryCell> GalleryCells();

/// Where a cell landed: its whole box and the drawing area under its label.
struct TPlacedCell {
  std::string Label;
  TRect Box;
  TRect Area;
};

/// Draws the cells in a grid over Width x Height (columns chosen so that the
/// cells come out about as wide as high), each on a fresh pen, brush and
/// font, and returns where each one went.
std::vector<TPlacedCell> DrawGallery(TCanvas& Canvas, int Width, int Height,
                                     const std::vector<TGalleryCell>& Cells);

} // namespace zk::zkgfx
