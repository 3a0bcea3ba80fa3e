// Stroke outlines against an independent stroker: every icon of the corpus
// stroked by Cairo (cairo_stroke) and its outline filled by Cairo by the
// nonzero rule, at 8 pixels per unit, anti-aliased, must cover the same
// pixels. Cairo follows the same rules (the miter ratio of SVG, dashes
// restarting at each sub-path, caps on zero-length sub-paths).
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "pathops/PathContours.h"
#include "pathops/Stroke.h"

namespace zk {
namespace {

constexpr int Scale = 8, Size = 16 * Scale;
// A pixel differs when the coverages differ by more than a quarter: the
// outline's curves and Cairo's each stand within 0.1 pixel of the true edge,
// which moves an edge pixel's coverage by well under that.
constexpr int PixelDifference = 64;

void AddSegment(cairo_t* Cr, const TContourSegment& S) {
  const TCubicBezier& B = S.Curve;
  if (S.IsCurve) cairo_curve_to(Cr, B.P1.X, B.P1.Y, B.P2.X, B.P2.Y, B.P3.X, B.P3.Y);
  else cairo_line_to(Cr, B.P3.X, B.P3.Y);
}

// Cairo 1.16 draws the join at a closed contour's start as a miter when
// round joins are asked for; for the reference, each closed contour starts
// in the middle of its first segment of some length instead (the same
// geometry cut exactly), where the join is flat.
void AddPath(cairo_t* Cr, const TZKPathData& Path, bool Reference) {
  for (const TPathContour& C : PathContours(Path)) {
    std::size_t N = C.Segments.size();
    std::size_t First = 0;
    while (Reference && C.Closed && First < N && C.Segments[First].Start() == C.Segments[First].End()) ++First;
    if (Reference && C.Closed && First < N) {
      const TContourSegment& S = C.Segments[First];
      const auto [Head, Tail] = SplitCubic(S.Curve, 0.5);
      cairo_move_to(Cr, Tail.P0.X, Tail.P0.Y);
      AddSegment(Cr, {S.IsCurve, Tail});
      for (std::size_t I = 1; I < N; ++I) AddSegment(Cr, C.Segments[(First + I) % N]);
      AddSegment(Cr, {S.IsCurve, Head});
      cairo_close_path(Cr);
      continue;
    }
    cairo_move_to(Cr, C.Start.X, C.Start.Y);
    if (C.Closed && N > 0 && !C.Segments[N - 1].IsCurve && C.Segments[N - 1].End() == C.Start) --N;
    for (std::size_t I = 0; I < N; ++I) AddSegment(Cr, C.Segments[I]);
    if (C.Closed) cairo_close_path(Cr);
  }
}

struct TImage {
  cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_A8, Size, Size);
  cairo_t* Cr = cairo_create(Surface);
  TImage() { cairo_scale(Cr, Scale, Scale); }
  ~TImage() {
    cairo_destroy(Cr);
    cairo_surface_destroy(Surface);
  }
  unsigned char At(int X, int Y) {
    return cairo_image_surface_get_data(Surface)[Y * cairo_image_surface_get_stride(Surface) + X];
  }
};

cairo_line_join_t CairoJoin(TZKLineJoin J) {
  return J == TZKLineJoin::Round ? CAIRO_LINE_JOIN_ROUND
         : J == TZKLineJoin::Bevel ? CAIRO_LINE_JOIN_BEVEL
                                   : CAIRO_LINE_JOIN_MITER;
}
cairo_line_cap_t CairoCap(TZKLineCap C) {
  return C == TZKLineCap::Round ? CAIRO_LINE_CAP_ROUND
         : C == TZKLineCap::Square ? CAIRO_LINE_CAP_SQUARE
                                   : CAIRO_LINE_CAP_BUTT;
}

// The pixels that differ between Cairo's stroke and the filled outline.
int DifferingPixels(const TZKPathData& Path, const TZKStroke& Stroke) {
  TImage Reference, Ours;
  AddPath(Reference.Cr, Path, Stroke.Join == TZKLineJoin::Round && Stroke.Dashes.empty());
  cairo_set_line_width(Reference.Cr, Stroke.Width);
  cairo_set_line_join(Reference.Cr, CairoJoin(Stroke.Join));
  cairo_set_line_cap(Reference.Cr, CairoCap(Stroke.Cap));
  cairo_set_miter_limit(Reference.Cr, Stroke.MiterLimit);
  // Cairo measures the dash pattern along its flattened curves (chords, a
  // little shorter than the arcs), so on its default tolerance of 0.1 pixel
  // dash ends drift along curved contours; measured finer they do not.
  if (!Stroke.Dashes.empty()) cairo_set_tolerance(Reference.Cr, 0.005);
  cairo_set_dash(Reference.Cr, Stroke.Dashes.data(), static_cast<int>(Stroke.Dashes.size()), Stroke.DashOffset);
  cairo_stroke(Reference.Cr);
  AddPath(Ours.Cr, *StrokeOutline(Path, Stroke), false);
  cairo_set_fill_rule(Ours.Cr, CAIRO_FILL_RULE_WINDING);
  cairo_fill(Ours.Cr);
  cairo_surface_flush(Reference.Surface);
  cairo_surface_flush(Ours.Surface);
  if (const char* Dump = std::getenv("ZK_STROKE_DUMP"); Dump && *Dump) {
    // Cairo's stroke in red, the outline in green: yellow where both agree.
    cairo_surface_t* Both = cairo_image_surface_create(CAIRO_FORMAT_RGB24, Size * 4, Size * 4);
    cairo_t* Cr = cairo_create(Both);
    cairo_scale(Cr, 4, 4);
    cairo_pattern_set_filter(cairo_get_source(Cr), CAIRO_FILTER_NEAREST);
    cairo_set_operator(Cr, CAIRO_OPERATOR_ADD);
    cairo_set_source_rgb(Cr, 1, 0, 0);
    cairo_mask_surface(Cr, Reference.Surface, 0, 0);
    cairo_set_source_rgb(Cr, 0, 1, 0);
    cairo_mask_surface(Cr, Ours.Surface, 0, 0);
    cairo_surface_write_to_png(Both, Dump);
    cairo_destroy(Cr);
    cairo_surface_destroy(Both);
  }
  int Differing = 0;
  for (int Y = 0; Y < Size; ++Y)
    for (int X = 0; X < Size; ++X)
      if (std::abs(Reference.At(X, Y) - Ours.At(X, Y)) > PixelDifference) {
        ++Differing;
        if (std::getenv("ZK_STROKE_DUMP"))
          std::printf("pixel %d,%d: cairo %d, outline %d\n", X, Y, Reference.At(X, Y), Ours.At(X, Y));
      }
  return Differing;
}

struct CorpusCase {
  std::string Name;
  TZKStroke Stroke;
  double MinIdenticalShare;  // of the icons
  int MaxDifferingPixels;    // on the worst icon
};

void PrintTo(const CorpusCase& C, std::ostream* Out) { *Out << C.Name; }

class StrokeCairoTest : public testing::TestWithParam<CorpusCase> {};

TEST_P(StrokeCairoTest, Outline_CoversCairosStroke) {
  // ZK_STROKE_PATH=data compares one path instead (with ZK_STROKE_DUMP=file.png
  // to look at it).
  const char* One = std::getenv("ZK_STROKE_PATH");
  std::istringstream Single(One ? One : "");
  std::ifstream File(std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt");
  std::istream& In = One ? static_cast<std::istream&>(Single) : File;
  if (!In) GTEST_SKIP() << "no icon corpus";
  const CorpusCase& C = GetParam();
  int Icons = 0, Identical = 0, Worst = 0, WorstIcon = 0;
  std::vector<int> Differing;
  const char* Only = std::getenv("ZK_STROKE_ICON");
  for (std::string Line; std::getline(In, Line);) {
    if (Only && *Only && std::atoi(Only) != Icons + 1) {
      ++Icons;
      continue;
    }
    TZKPathData Path;
    Path.SetPathString(Line, TZKPathSyntax::Svg);
    const int D = DifferingPixels(Path, C.Stroke);
    ++Icons;
    Identical += D == 0;
    if (D > Worst) Worst = D, WorstIcon = Icons;
    if (D > 0) Differing.push_back(Icons);
  }
  const double Share = double(Identical) / Icons;
  std::printf("[ %s ] %d icons, %.2f%% identical, worst: %d pixels on line %d\n", C.Name.c_str(), Icons,
              100 * Share, Worst, WorstIcon);
  if (const char* List = std::getenv("ZK_STROKE_LIST_DIFFERENCES"); List && *List) {
    for (int I : Differing) std::printf(" %d", I);
    std::printf("\n");
  }
  EXPECT_GE(Share, C.MinIdenticalShare);
  EXPECT_LE(Worst, C.MaxDifferingPixels);
}

TZKStroke Style(double Width, TZKLineJoin Join, TZKLineCap Cap, std::vector<double> Dashes = {}) {
  TZKStroke S;
  S.Width = Width;
  S.Join = Join;
  S.Cap = Cap;
  S.Dashes = std::move(Dashes);
  return S;
}

INSTANTIATE_TEST_SUITE_P(
    Icons, StrokeCairoTest,
    testing::ValuesIn(std::vector<CorpusCase>{
        // Kinds of difference left (each a few pixels on a few icons): Cairo
        // leaves out a segment shorter than its tolerance when it joins (a
        // closing line of 0.001 unit); it offsets a curve whose control point
        // lies within 0.005 of its start thinner near that end; stroking many
        // sub-paths at once it fills a stray pixel none of them covers alone;
        // a dash that ends within Cairo's fixed-point rounding of a corner
        // gets the join on one side and not on the other.
        {"MiterButt", Style(0.5, TZKLineJoin::Miter, TZKLineCap::Butt), 0.98, 40},
        {"RoundRound", Style(0.5, TZKLineJoin::Round, TZKLineCap::Round), 0.99, 40},
        {"BevelSquare", Style(0.5, TZKLineJoin::Bevel, TZKLineCap::Square), 0.99, 40},
        {"DashedRound", Style(0.4, TZKLineJoin::Round, TZKLineCap::Round, {1, 0.5, 0.25}), 0.99, 15},
        {"DashedMiterButt", Style(0.3, TZKLineJoin::Miter, TZKLineCap::Butt, {0.7071, 0.4243}), 0.97, 10},
    }),
    [](const auto& Info) { return Info.param.Name; });

} // namespace
} // namespace zk
