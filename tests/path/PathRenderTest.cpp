// Drawing paths, lines and smoothed polygons: the exact calls they make on a
// canvas, read from a recording canvas.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "drawing/BezierPolygonDraw.h"
#include "drawing/CanvasHelper.h"
#include "path/PathData.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

using Log = std::vector<std::string>;

struct PathCase {
  const char* Name;
  std::function<void(TZKPathData&)> Build;
  bool Filled;
  float Opacity;
  Log Expected;
};


const PathCase kPathCases[] = {
    {"ClosedLineStroked",
     [](TZKPathData& P) {
       P.MoveTo({10, 10});
       P.LineTo({20, 10});
       P.ClosePath();
     },
     false, 1,
     {"BeginPath()", "MoveToEx(10,10)", "LineTo(DC)(20,10)", "CloseFigure()", "EndPath()",
      "StrokePath()"}},
    {"HalfOpacityDrawsAsOpaque",
     [](TZKPathData& P) {
       P.MoveTo({10, 10});
       P.LineTo({20, 10});
     },
     false, 0.5f, {"BeginPath()", "MoveToEx(10,10)", "LineTo(DC)(20,10)", "EndPath()", "StrokePath()"}},
    {"ZeroOpacityMakesNoCall",
     [](TZKPathData& P) {
       P.MoveTo({10, 10});
       P.LineTo({20, 10});
     },
     true, 0, {}},
    {"NegativeZeroOpacityMakesNoCall",
     [](TZKPathData& P) {
       P.MoveTo({10, 10});
       P.LineTo({20, 10});
     },
     true, -0.0f, {}},
    {"SingleEntryMakesNoCall", [](TZKPathData& P) { P.MoveTo({10, 10}); }, true, 1, {}},
    {"EmptyPathMakesNoCall", [](TZKPathData&) {}, true, 1, {}},
    {"CurvePointsRoundHalvesToEven",
     [](TZKPathData& P) {
       P.MoveTo({0, 0});
       P.CurveTo({2.5f, 3.5f}, {-1.5f, 0.5f}, {7.49f, -2.5f});
     },
     false, 1,
     {"BeginPath()", "MoveToEx(0,0)", "PolyBezierTo(2,4,-2,0,7,-2)", "EndPath()", "StrokePath()"}},
    {"OpenFigureFilledWithoutClose",
     [](TZKPathData& P) {
       P.MoveTo({0, 0});
       P.LineTo({10, 0});
       P.LineTo({10, 10});
     },
     true, 1,
     {"BeginPath()", "MoveToEx(0,0)", "LineTo(DC)(10,0)", "LineTo(DC)(10,10)", "EndPath()",
      "StrokeAndFillPath()"}},
    {"DonutTwoFiguresStrokedAndFilled",
     [](TZKPathData& P) {
       P.AddRectangle({0, 0, 40, 40});
       P.AddRectangle({10, 10, 30, 30});
     },
     true, 1,
     {"BeginPath()", "MoveToEx(0,0)", "LineTo(DC)(40,0)", "LineTo(DC)(40,40)", "LineTo(DC)(0,40)",
      "CloseFigure()", "MoveToEx(10,10)", "LineTo(DC)(30,10)", "LineTo(DC)(30,30)",
      "LineTo(DC)(10,30)", "CloseFigure()", "EndPath()", "StrokeAndFillPath()"}},
    {"MoveAndCloseOnlyIsDegenerateFigure",
     [](TZKPathData& P) {
       P.MoveTo({5, 6});
       P.ClosePath();
     },
     false, 1, {"BeginPath()", "MoveToEx(5,6)", "CloseFigure()", "EndPath()", "StrokePath()"}},
};

class PathRenderTest : public testing::TestWithParam<PathCase> {};

TEST_P(PathRenderTest, DrawPath_MakesExactCalls) {
  const PathCase& C = GetParam();
  TZKPathData Path;
  C.Build(Path);
  TRecordingCanvas Canvas;
  Path.DrawPath(Canvas, C.Filled, C.Opacity);
  EXPECT_EQ(Canvas.Log(), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PathRenderTest, testing::ValuesIn(kPathCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathRenderTest, DrawAndFill_ChooseStrokeOrStrokeAndFill) {
  TZKPathData Path;
  Path.AddRectangle({0, 0, 4, 4});
  TRecordingCanvas Stroked, Filled;
  Path.DrawPath(Stroked, 1);
  Path.FillPath(Filled, 1);
  EXPECT_EQ(Stroked.Log().back(), "StrokePath()");
  EXPECT_EQ(Filled.Log().back(), "StrokeAndFillPath()");
  EXPECT_EQ(Stroked.Log().size(), Filled.Log().size());
}

TEST(PathRenderTest, DrawPath_UsesCanvasStateAndChangesNone) {
  TZKPathData Path;
  Path.SetFillMode(fmNonZero);  // the path's own fill mode is not applied
  Path.AddRectangle({0, 0, 4, 4});
  TRecordingCanvas Canvas;
  Canvas.Pen().SetColor(clRed);
  Canvas.Pen().SetWidth(3);
  Canvas.Brush().SetStyle(bsClear);
  const TPenData Pen = Canvas.Pen().Data();
  const TBrushData Brush = Canvas.Brush().Data();
  Path.FillPath(Canvas, 1);
  ASSERT_FALSE(Canvas.Calls().empty());
  for (const TCanvasCall& Call : Canvas.Calls()) {
    EXPECT_EQ(Call.Pen, Pen);
    EXPECT_EQ(Call.Brush, Brush);
    EXPECT_EQ(Call.PolyFillMode, ALTERNATE);
  }
  EXPECT_EQ(Canvas.Pen().Data(), Pen);
  EXPECT_EQ(Canvas.Brush().Data(), Brush);
  EXPECT_EQ(GetPolyFillMode(Canvas.Handle()), ALTERNATE);
}

TEST(PathRenderTest, UnroundableCoordinate_RaisesBeforeAnyCall) {
  for (const float Bad : {std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity()}) {
    TZKPathData Path;
    Path.MoveTo({0, 0});
    Path.LineTo({1, 1});
    Path.LineTo({Bad, 2});
    TRecordingCanvas Canvas;
    EXPECT_THROW(Path.FillPath(Canvas, 1), EInvalidOp);
    EXPECT_TRUE(Canvas.Calls().empty());
  }
}

// A descendant that draws differently is reached through the two-argument forms.
class CrossPath : public TZKPathData {
public:
  using TZKPathData::DrawPath;
  void DrawPath(TCanvas& Canvas, bool Filled, float) const override {
    Canvas.Rectangle(0, 0, Filled ? 2 : 1, 1);
  }
};

TEST(PathRenderTest, OverriddenDrawPath_ServesDrawAndFill) {
  CrossPath Path;
  TRecordingCanvas Canvas;
  Path.DrawPath(Canvas, 1);
  Path.FillPath(Canvas, 1);
  TVclCanvasHelper(Canvas).FillPath(Path, 1);
  EXPECT_EQ(Canvas.Log(), (Log{"Rectangle(0,0,1,1)", "Rectangle(0,0,2,1)", "Rectangle(0,0,2,1)"}));
}

// ---- Canvas helper ----------------------------------------------------------

TEST(CanvasHelperTest, Operations_MakeExactCanvasCalls) {
  TRecordingCanvas Canvas;
  TVclCanvasHelper Helper(Canvas);
  Helper.DrawLine(TPointF{2.5f, 3.5f}, TPointF{-0.5f, 1.5f});
  Helper.DrawLine(TPoint{7, 8}, TPoint{9, 10});
  Helper.Polygon({{0.4f, 0.6f}, {1.5f, 2.5f}, {3, 4}});
  Helper.Polyline({{-1.5f, 0}, {0.5f, 9.5f}});
  Helper.Polygon({});
  EXPECT_EQ(Canvas.Log(), (Log{"MoveTo(2,4)", "LineTo(0,2)", "MoveTo(7,8)", "LineTo(9,10)",
                               "Polygon(0,1,2,2,3,4)", "Polyline(-2,0,0,10)", "Polygon()"}));
  EXPECT_EQ(Canvas.PenPos(), (TPoint{9, 10}));
}

TEST(CanvasHelperTest, PathOperations_DrawThroughThePath) {
  TZKPathData Path;
  Path.AddRectangle({1, 2, 3, 4});
  TRecordingCanvas Direct, ViaHelper;
  Path.DrawPath(Direct, 1);
  Path.FillPath(Direct, 1);
  TVclCanvasHelper Helper(ViaHelper);
  Helper.DrawPath(Path, 1);
  Helper.FillPath(Path, 1);
  EXPECT_EQ(ViaHelper.Log(), Direct.Log());
  ViaHelper.Clear();
  Helper.DrawPath(Path, 0);
  EXPECT_TRUE(ViaHelper.Calls().empty());
}

TEST(CanvasHelperTest, PenWidth_ReadsAndWritesThePen) {
  TRecordingCanvas Canvas;
  TVclCanvasHelper Helper(Canvas);
  EXPECT_EQ(Helper.PenWidth(), 1);
  Helper.SetPenWidth(5);
  EXPECT_EQ(Canvas.Pen().Width(), 5);
  EXPECT_EQ(Helper.PenWidth(), 5);
}

// ---- Smoothed polygons ------------------------------------------------------

TEST(DrawBezierPolygonTest, IntegerForm_PolylineOrPolygonOfTheSamples) {
  const TCanvasPoints Line{{0, 0}, {10, 0}};
  TRecordingCanvas Canvas;
  DrawBezierPolygon(Canvas, Line, false, false, false, 1, 1);
  DrawBezierPolygon(Canvas, Line, false, false, true, 5, 0.25f);
  EXPECT_EQ(Canvas.Log(), (Log{"Polyline(0,0,1,0,2,0,3,0,4,0,5,0,6,0,7,0,8,0,9,0,10,0)",
                               "Polygon(0,0,5,0,10,0)"}));
}

TEST(DrawBezierPolygonTest, FloatForm_RoundsTheSamples) {
  TRecordingCanvas Canvas;
  // A B-spline over (0,0)-(10,0) starts at 10/6 and ends near 50/6.
  DrawBezierPolygon(Canvas, TZKPoints{{0, 0}, {10, 0}}, true, false, false, 10, 1);
  EXPECT_EQ(Canvas.Log(), (Log{"Polyline(2,0,8,0)"}));
}

TEST(DrawBezierPolygonTest, OpacityZeroOrLess_DrawsNothing_TooFewPoints_EmptyCall) {
  TRecordingCanvas Canvas;
  for (const float Opacity : {0.0f, -1.0f}) {
    DrawBezierPolygon(Canvas, TCanvasPoints{{0, 0}, {10, 0}}, false, false, true, 1, Opacity);
    DrawBezierPolygon(Canvas, TZKPoints{{0, 0}, {10, 0}}, false, false, false, 1, Opacity);
  }
  EXPECT_TRUE(Canvas.Calls().empty());
  DrawBezierPolygon(Canvas, TCanvasPoints{{3, 3}}, false, false, true, 1, 1);
  DrawBezierPolygon(Canvas, TZKPoints{}, false, false, false, 1, 1);
  EXPECT_EQ(Canvas.Log(), (Log{"Polygon()", "Polyline()"}));
}

} // namespace
} // namespace zk
