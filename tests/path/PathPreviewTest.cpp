// The preview drawing: the path fitted into the box, filled gray and
// outlined black; paths that cannot reach the canvas draw nothing.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "path/PathData.h"
#include "path/PathPreview.h"

namespace zk {
namespace {

using Log = std::vector<std::string>;

struct PreviewCase {
  const char* Name;
  const char* Text;
  Log Expected;
};

const Log kTriangleInBox = {"BeginPath()", "MoveToEx(10,20)", "LineTo(DC)(110,70)",
                            "LineTo(DC)(10,70)", "CloseFigure()", "EndPath()",
                            "StrokeAndFillPath()", "BeginPath()", "MoveToEx(10,20)",
                            "LineTo(DC)(110,70)", "LineTo(DC)(10,70)", "CloseFigure()",
                            "EndPath()", "StrokePath()"};

const PreviewCase kPreviewCases[] = {
    {"FittedFilledThenOutlined", "M 0 0 L 4 2 L 0 2 Z", kTriangleInBox},
    {"TextAfterAStopIsIgnored", "M 0 0 L 4 2 L 0 2 Z L 5 !", kTriangleInBox},
    {"EmptyTextDrawsNothing", "", {}},
    {"ExtentBeyondSingleStillFits", "M -3e38 0 L 3e38 0 L 0 3e38 Z",
     {"BeginPath()", "MoveToEx(10,20)", "LineTo(DC)(110,20)", "LineTo(DC)(60,70)", "CloseFigure()",
      "EndPath()", "StrokeAndFillPath()", "BeginPath()", "MoveToEx(10,20)", "LineTo(DC)(110,20)",
      "LineTo(DC)(60,70)", "CloseFigure()", "EndPath()", "StrokePath()"}},
};

class PathPreviewTest : public testing::TestWithParam<PreviewCase> {};

TEST_P(PathPreviewTest, DrawsFittedPathOrNothing) {
  const PreviewCase& C = GetParam();
  TZKPathData Path;
  Path.SetPathString(C.Text);
  const std::string Before = Path.GetPathString();
  TRecordingCanvas Canvas;
  EXPECT_EQ(DrawPathPreview(Canvas, Path, {10, 20, 110, 70}), !C.Expected.empty());
  EXPECT_EQ(Canvas.Log(), C.Expected);
  EXPECT_EQ(Path.GetPathString(), Before);
  EXPECT_EQ(Canvas.Brush().Color(), clGray);
  EXPECT_EQ(Canvas.Pen().Color(), clBlack);
}

INSTANTIATE_TEST_SUITE_P(Cases, PathPreviewTest, testing::ValuesIn(kPreviewCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathPreviewTest, NonFinitePoint_DrawsNothingInsteadOfRaising) {
  TZKPathData Path;
  Path.MoveTo({0, 0});
  Path.LineTo({std::numeric_limits<float>::quiet_NaN(), 1});
  Path.LineTo({1, 1});
  TRecordingCanvas Canvas;
  EXPECT_FALSE(DrawPathPreview(Canvas, Path, {0, 0, 10, 10}));
  EXPECT_TRUE(Canvas.Calls().empty());
}

} // namespace
} // namespace zk
