#include "tools/zkgfx/Gallery.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "canvas/Graphics.h"
#include "drawing/ArrowsAndSlices.h"
#include "drawing/ColorSchemes.h"
#include "drawing/DirectionGradient.h"
#include "drawing/Gradients.h"
#include "drawing/ImageListShape.h"
#include "drawing/ProgressIndicators.h"
#include "drawing/Shapes.h"
#include "drawing/TextLabel.h"
#include "drawing/TextLayout.h"

namespace zk::zkgfx {
namespace {

using TCells = std::vector<TGalleryCell>;

int Mid(int A, int B) { return static_cast<int>((std::int64_t{A} + B) / 2); }

// The largest square centred in Area.
TRect Square(const TRect& Area) {
  const int S = std::max(0, std::min(Area.Right - Area.Left, Area.Bottom - Area.Top));
  const int L = Mid(Area.Left, Area.Right) - S / 2, T = Mid(Area.Top, Area.Bottom) - S / 2;
  return {L, T, L + S, T + S};
}

// Area cut into Columns x Rows boxes, row after row.
std::vector<TRect> Split(const TRect& Area, int Columns, int Rows) {
  std::vector<TRect> Boxes;
  const std::int64_t W = Area.Right - Area.Left, H = Area.Bottom - Area.Top;
  for (int R = 0; R < Rows; ++R)
    for (int C = 0; C < Columns; ++C)
      Boxes.push_back({static_cast<int>(Area.Left + W * C / Columns), static_cast<int>(Area.Top + H * R / Rows),
                       static_cast<int>(Area.Left + W * (C + 1) / Columns),
                       static_cast<int>(Area.Top + H * (R + 1) / Rows)});
  return Boxes;
}

const TColors kRainbow{clRed, clYellow, clLime, clAqua, clBlue};
const TColors kWarm{clNavy, clAqua, clWhite};

// ---- Gradients ----------------------------------------------------------------

void AddGradients(TCells& Cells) {
  Cells.push_back({"LineGradient horizontal", [](TCanvas& C, const TRect& A) {
                     LineGradient(C, A, kRainbow, 1, diHorizontal);
                   }});
  Cells.push_back({"LineGradient vertical", [](TCanvas& C, const TRect& A) {
                     LineGradient(C, A, kRainbow, 4, diVertical);
                   }});
  Cells.push_back({"EllipseGradient", [](TCanvas& C, const TRect& A) {
                     EllipseGradient(C, A, kWarm, 2);
                   }});
  Cells.push_back({"EllipseGradient focus", [](TCanvas& C, const TRect& A) {
                     EllipseGradient(C, A, 0.3f, 0.3f, kWarm, 2);
                   }});
  Cells.push_back({"RectGradient", [](TCanvas& C, const TRect& A) { RectGradient(C, A, kWarm, 3); }});
  static constexpr std::array<const char*, 8> Names{"gdDownRight", "gdDown",    "gdDownLeft",
                                                    "gdRight",     "gdLeft",    "gdUpRight",
                                                    "gdUp",        "gdUpLeft"};
  for (int D = 0; D < 8; ++D)
    Cells.push_back({std::string("DirectionGradient ") + Names[D], [D](TCanvas& C, const TRect& A) {
                       DirectionGradient(C, A, TColors{clMaroon, clYellow}, TGradientDirection(D), 2);
                     }});
}

// ---- Shapes ---------------------------------------------------------------------

void AddShapes(TCells& Cells) {
  static constexpr std::array<const char*, 24> Names{
      "ssRectangle",    "ssEllipse",        "ssImage",           "ssDiamond",
      "ssLeftTriangle", "ssRightTriangle",  "ssUpTriangle",      "ssDownTriangle",
      "ssRoundRect",    "ssSquare",         "ssCircle",          "ssRoundSquare",
      "ss3DRectangle",  "ss3DEllipse",      "ss3DImage",         "ss3DDiamond",
      "ss3DLeftTriangle", "ss3DRightTriangle", "ss3DUpTriangle", "ss3DDownTriangle",
      "ss3DRoundRect",  "ss3DSquare",       "ss3DCircle",        "ss3DRoundSquare"};
  // One picture for the image styles: four coloured quarters and a disc.
  auto Images = std::make_shared<TImageList>(32, 32);
  {
    TBitmap Picture(32, 32);
    TCanvas& P = Picture.Canvas();
    const TColor Quarters[] = {clRed, clLime, clBlue, clYellow};
    for (int Q = 0; Q < 4; ++Q) {
      P.Brush().SetColor(Quarters[Q]);
      P.FillRect({(Q % 2) * 16, (Q / 2) * 16, (Q % 2) * 16 + 16, (Q / 2) * 16 + 16});
    }
    P.Brush().SetColor(clWhite);
    P.Ellipse(8, 8, 24, 24);
    Images->Add(Picture);
  }
  for (int S = 0; S < 24; ++S)
    Cells.push_back({Names[S], [S, Images](TCanvas& C, const TRect& A) {
                       C.Brush().SetColor(PastelsColorList[S % 10]);
                       DrawShape(C, A, Images.get(), 0, TZKShapeStyle(S), ssRectangle, true, clWhite,
                                 clGray, 3);
                     }});
}

void AddShapeTypes(TCells& Cells) {
  static constexpr std::array<const char*, 4> Names{"sRect 3D", "sCircle 3D", "sIsoscelesTriangle 3D",
                                                    "sRightTriangle 3D"};
  for (int T = 0; T < 4; ++T)
    Cells.push_back({Names[T], [T](TCanvas& C, const TRect& A) {
                       C.Brush().SetColor(clSkyBlue);
                       const std::vector<TRect> Boxes = Split(A, 2, 2);
                       for (int O = 0; O < 4; ++O) {
                         TRect Box = Boxes[O];
                         Box = {Box.Left + 2, Box.Top + 2, Box.Right - 2, Box.Bottom - 2};
                         DrawShape(C, Box, TZKShapeType(T), TZKShapeOrientation(O), true, 3);
                       }
                     }});
}

// ---- Arrows and slices ------------------------------------------------------------

void AddArrows(TCells& Cells) {
  struct TArrowCell {
    const char* Label;
    TArrowOptions Options;
    int LineWidth;
  };
  static const TArrowCell Arrows[] = {
      {"arrow open end", {aoArrowAtEnd}, 1},
      {"arrow closed end", {aoArrowAtEnd, aoClosedHead}, 1},
      {"arrow filled ends", {aoArrowAtStart, aoArrowAtEnd, aoClosedHead, aoFillHead}, 1},
      {"arrow wide shaft", {aoArrowAtEnd, aoClosedHead, aoFillHead}, 8},
      {"arrow start, wide", {aoArrowAtStart}, 4},
  };
  for (const TArrowCell& Arrow : Arrows)
    Cells.push_back({Arrow.Label, [Arrow](TCanvas& C, const TRect& A) {
                       C.Brush().SetColor(clTeal);
                       C.Pen().SetColor(clNavy);
                       DrawArrow(C, A.Left + 8, A.Bottom - 8, A.Right - 8, A.Top + 8, 12, "", Arrow.Options,
                                 Arrow.LineWidth);
                     }});
  Cells.push_back({"arrow polyline, caption", [](TCanvas& C, const TRect& A) {
                     C.Brush().SetColor(clMaroon);
                     const TCanvasPoints Points{{A.Left + 8, A.Bottom - 8},
                                                {Mid(A.Left, A.Right), A.Top + 8},
                                                {A.Right - 8, A.Bottom - 8}};
                     DrawArrow(C, std::span<const TPoint>(Points), 10, "two\r\nlines",
                               {aoArrowAtEnd, aoClosedHead, aoFillHead, aoDrawCaption}, 1, 1);
                   }});
}

void AddSlices(TCells& Cells) {
  Cells.push_back({"DrawPieSlice", [](TCanvas& C, const TRect& A) {
                     C.Brush().SetColor(clYellow);
                     DrawPieSlice(C, A, 30.0, 300.0, 0);
                   }});
  Cells.push_back({"DrawPieSlice radius 0.6", [](TCanvas& C, const TRect& A) {
                     C.Brush().SetColor(clLime);
                     DrawPieSlice(C, A, 0.0, 120.0, 0.6, 0);
                   }});
  Cells.push_back({"DrawDonutSlice", [](TCanvas& C, const TRect& A) {
                     C.Brush().SetColor(clFuchsia);
                     DrawDonutSlice(C, A, 0, 270, 0, 0.5, 1, 1);
                   }});
  Cells.push_back({"DrawDonutSlice inner 0", [](TCanvas& C, const TRect& A) {
                     C.Brush().SetColor(clAqua);
                     DrawDonutSlice(C, A, 45, 135, 0, 0, 1, 1);
                   }});
}

// ---- Text ------------------------------------------------------------------------

const char* const kParagraph =
    "Words wrap at spaces and hyphens, never inside a word: \"a quoted phrase\" stays whole.";

void AddText(TCells& Cells) {
  for (const int Angle : {30, 90})
    Cells.push_back({"RotateFont " + std::to_string(Angle) + " degrees", [Angle](TCanvas& C, const TRect& A) {
                       C.Font().SetHeight(-16);
                       C.Font().SetColor(clNavy);
                       RotateFont(C.Font(), static_cast<float>(Angle), C);
                       C.Brush().SetStyle(bsClear);
                       C.TextOut(Angle == 90 ? Mid(A.Left, A.Right) - 8 : A.Left + 4, A.Bottom - 8, "Turned text");
                     }});
  struct TLabelCell {
    const char* Label;
    std::uint32_t Format;
  };
  static const TLabelCell Labels[] = {{"DrawTextLabel top", DT_TOP | DT_WORDBREAK | DT_CENTER},
                                      {"DrawTextLabel centre", DT_VCENTER | DT_WORDBREAK | DT_CENTER},
                                      {"DrawTextLabel bottom", DT_BOTTOM | DT_WORDBREAK | DT_CENTER}};
  for (const TLabelCell& L : Labels)
    Cells.push_back({L.Label, [Format = L.Format](TCanvas& C, const TRect& A) {
                       C.Pen().SetColor(clSilver);
                       C.Brush().SetStyle(bsClear);
                       C.Rectangle(A);
                       DrawTextLabel(C, "A label of a few words", Format, A);
                     }});
  Cells.push_back({"WrapCanvasText", [](TCanvas& C, const TRect& A) {
                     const std::string Wrapped = WrapCanvasText(C, kParagraph, float(A.Right - A.Left));
                     C.Brush().SetStyle(bsClear);
                     int Y = A.Top;
                     for (std::size_t From = 0; From <= Wrapped.size();) {
                       const std::size_t Break = std::min(Wrapped.find("\r\n", From), Wrapped.size());
                       C.TextOut(A.Left, Y, std::string_view(Wrapped).substr(From, Break - From));
                       Y += C.TextHeight("A");
                       From = Break + 2;
                     }
                   }});
}

// ---- Progress indicators and colour lists ---------------------------------------

void AddProgress(TCells& Cells) {
  static const TColors Default(DefaultColorList.begin(), DefaultColorList.end());
  static const TColors Blues(BluesColorList.begin(), BluesColorList.end());
  static const TColors Reds(RedsColorList.begin(), RedsColorList.end());
  for (const int Position : {3, 7, 10})
    Cells.push_back({"ProgressCircle " + std::to_string(Position) + "/10", [Position](TCanvas& C, const TRect& A) {
                       ProgressCircle(C, Square(A), 2, Position, 0, 10, Default, true, 12, sCircle, soUp,
                                      true, 2, 2, pdForward, dtAllProgress);
                     }});
  for (const int Position : {4, 10})
    Cells.push_back({"ProgressPie " + std::to_string(Position) + "/10", [Position](TCanvas& C, const TRect& A) {
                       ProgressPie(C, Square(A), 0, Position, 0, 10, Blues, false, 8, 6, pdForward,
                                   dtAllProgress);
                     }});
  Cells.push_back({"ProgressPie backward current", [](TCanvas& C, const TRect& A) {
                     ProgressPie(C, Square(A), 0, 5, 0, 10, Blues, false, 8, 6, pdBackward,
                                 dtCurrentProgress);
                   }});
  for (const int Position : {6, 10})
    Cells.push_back({"ProgressRect " + std::to_string(Position) + "/10", [Position](TCanvas& C, const TRect& A) {
                       const TRect Row{A.Left, Mid(A.Top, A.Bottom) - 20, A.Right, Mid(A.Top, A.Bottom) + 20};
                       ProgressRect(C, Row, 2, Position, 0, 10, Reds, true, 10, sRect, soUp, true, 2, 3,
                                    poHorizontal, pdForward, dtAllProgress);
                     }});
  Cells.push_back({"ProgressRect vertical backward", [](TCanvas& C, const TRect& A) {
                     const TRect Column{Mid(A.Left, A.Right) - 20, A.Top, Mid(A.Left, A.Right) + 20, A.Bottom};
                     ProgressRect(C, Column, 2, 7, 0, 10, Default, false, 8, sIsoscelesTriangle, soUp,
                                  true, 2, 2, poVertical, pdBackward, dtAllProgress);
                   }});
}

void AddColorLists(TCells& Cells) {
  struct TNamedList {
    const char* Name;
    const TColorList* List;
  };
  static const TNamedList Lists[] = {
      {"DefaultColorList", &DefaultColorList}, {"PastelsColorList", &PastelsColorList},
      {"BWColorList", &BWColorList},           {"GraysColorList", &GraysColorList},
      {"SouthwestColorList", &SouthwestColorList}, {"RedsColorList", &RedsColorList},
      {"GreensColorList", &GreensColorList},   {"BluesColorList", &BluesColorList},
      {"VioletsColorList", &VioletsColorList}, {"DystopiaColorList", &DystopiaColorList},
      {"AntiqueColorList", &AntiqueColorList}};
  for (const TNamedList& L : Lists)
    Cells.push_back({L.Name, [List = L.List](TCanvas& C, const TRect& A) {
                       const std::vector<TRect> Swatches = Split(A, 5, 2);
                       C.Pen().SetColor(clGray);
                       for (std::size_t I = 0; I < Swatches.size(); ++I) {
                         C.Brush().SetColor((*List)[I]);
                         C.Rectangle(Swatches[I]);
                       }
                     }});
}

// Columns that make the cells closest to a little wider than high.
int ColumnsFor(std::size_t N, int Width, int Height) {
  int Best = 1;
  double BestScore = INFINITY;
  for (int Columns = 1; Columns <= static_cast<int>(N); ++Columns) {
    const std::size_t Rows = (N + Columns - 1) / Columns;
    const double Aspect = (double(Width) / Columns) / (double(Height) / double(Rows));
    const double Score = std::fabs(std::log(Aspect / 1.2));
    if (Score < BestScore) {
      BestScore = Score;
      Best = Columns;
    }
  }
  return Best;
}

} // namespace

std::vector<TGalleryCell> GalleryCells() {
  TCells Cells;
  AddGradients(Cells);
  AddShapes(Cells);
  AddShapeTypes(Cells);
  AddArrows(Cells);
  AddSlices(Cells);
  AddProgress(Cells);
  AddText(Cells);
  AddColorLists(Cells);
  return Cells;
}

std::vector<TPlacedCell> DrawGallery(TCanvas& Canvas, int Width, int Height,
                                     const std::vector<TGalleryCell>& Cells) {
  std::vector<TPlacedCell> Placed;
  if (Cells.empty()) return Placed;
  const int Columns = ColumnsFor(Cells.size(), Width, Height);
  const int Rows = static_cast<int>((Cells.size() + Columns - 1) / Columns);
  const std::vector<TRect> Boxes = Split({0, 0, Width, Height}, Columns, Rows);
  for (std::size_t I = 0; I < Cells.size(); ++I) {
    const TRect& Box = Boxes[I];
    Canvas.Pen().SetData({clSilver, psSolid, 1});
    Canvas.Brush().SetData({clWhite, bsClear});
    Canvas.Font().SetData(TFontData{});
    Canvas.Font().SetColor(clBlack);
    SetPolyFillMode(Canvas.Handle(), ALTERNATE);
    Canvas.Rectangle(Box);
    Canvas.TextOut(Box.Left + 4, Box.Top + 2, Cells[I].Label);
    const int LabelBottom = Box.Top + 4 + Canvas.TextHeight(Cells[I].Label);
    TRect Area{Box.Left + 8, LabelBottom + 4, Box.Right - 8, Box.Bottom - 8};
    Area.Right = std::max(Area.Left, Area.Right);
    Area.Bottom = std::max(Area.Top, Area.Bottom);
    Canvas.Pen().SetData({clBlack, psSolid, 1});
    Canvas.Brush().SetData({clWhite, bsSolid});
    Cells[I].Draw(Canvas, Area);
    Placed.push_back({Cells[I].Label, Box, Area});
  }
  return Placed;
}

} // namespace zk::zkgfx
