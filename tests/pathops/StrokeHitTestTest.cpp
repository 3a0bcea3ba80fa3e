// The stroke hit test against filling the outline by the nonzero rule, on
// points near the edges of real icons' strokes.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "pathops/PathContours.h"
#include "pathops/PathWinding.h"
#include "pathops/Stroke.h"

namespace zk {
namespace {

bool Painted(const std::vector<TPathContour>& Outline, const TPointD& P) { return WindingNumber(Outline, P) != 0; }

TEST(StrokeHitTestTest, IconStrokes_AgreeWithTheFilledOutline) {
  std::ifstream In(std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt");
  if (!In) GTEST_SKIP() << "no icon corpus";
  std::vector<std::string> Icons;
  for (std::string Line; std::getline(In, Line);) Icons.push_back(Line);
  TZKStroke Styles[3];
  Styles[0].Width = 0.5;  // miter, butt
  Styles[1].Width = 0.8, Styles[1].Join = TZKLineJoin::Round, Styles[1].Cap = TZKLineCap::Round;
  Styles[2].Width = 0.4, Styles[2].Join = TZKLineJoin::Bevel, Styles[2].Cap = TZKLineCap::Square;
  Styles[2].Dashes = {0.9, 0.4};
  std::mt19937 Random(18);
  constexpr int Points = 100'000, PerIcon = 500;
  int Checked = 0, Skipped = 0, Disagree = 0, Inside = 0;
  for (std::size_t Icon = 0; Checked < Points; Icon += 7) {
    TZKPathData Path;
    Path.SetPathString(Icons[Icon % Icons.size()], TZKPathSyntax::Svg);
    const TZKStroke& Stroke = Styles[Icon % 3];
    const std::vector<TPathContour> Outline = PathContours(*StrokeOutline(Path, Stroke));
    std::vector<const TContourSegment*> Edges;
    for (const TPathContour& C : Outline)
      for (const TContourSegment& S : C.Segments) Edges.push_back(&S);
    if (Edges.empty()) continue;
    const TZKStrokeHitTest Hit(Path, Stroke);
    std::uniform_int_distribution<std::size_t> PickEdge(0, Edges.size() - 1);
    std::uniform_real_distribution<double> Unit(0, 1), Offset(-0.1, 0.1);
    const double Near = 2 * Stroke.Tolerance;
    for (int I = 0; I < PerIcon && Checked < Points; ++I) {
      const TPointD OnEdge = CubicPoint(Edges[PickEdge(Random)]->Curve, Unit(Random));
      const TPointD P = OnEdge + TPointD{Offset(Random), Offset(Random)};
      const bool Fill = Painted(Outline, P);
      // Points within the tolerance of an edge may fall either way.
      bool Clear = true;
      for (const TPointD& D : {TPointD{Near, 0}, TPointD{-Near, 0}, TPointD{0, Near}, TPointD{0, -Near}})
        Clear = Clear && Painted(Outline, P + D) == Fill;
      if (!Clear) {
        ++Skipped;
        continue;
      }
      ++Checked;
      Inside += Fill;
      if (Hit.Contains(P) != Fill && ++Disagree <= 5)
        ADD_FAILURE() << "icon line " << Icon % Icons.size() + 1 << " at " << P.X << "," << P.Y << ": fill "
                      << Fill;
    }
  }
  std::printf("[ hit test ] %d points (%d inside), %d near an edge skipped, %d disagree\n", Checked, Inside,
              Skipped, Disagree);
  EXPECT_EQ(Disagree, 0);
}

} // namespace
} // namespace zk
