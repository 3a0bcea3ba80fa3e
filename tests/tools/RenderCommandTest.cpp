// zkgfx render, run as users run it: the pictures it writes, read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

namespace fs = std::filesystem;

class RenderCommandTest : public testing::Test {
protected:
  fs::path Dir = fs::temp_directory_path() /
                 ("zkgfx-render-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { fs::create_directories(Dir); }
  void TearDown() override { fs::remove_all(Dir); }

  // Runs zkgfx with the arguments (already quoted for the shell); its exit code.
  static int Zkgfx(const std::string& Arguments) {
    const std::string Line = std::string("\"") + ZKGFX_PATH + "\" " + Arguments + " >/dev/null 2>&1";
    const int Status = std::system(Line.c_str());
    return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  }
  std::string Out(const char* Name) const { return (Dir / Name).string(); }
};

unsigned Rgb(const QImage& Image, int X, int Y) { return Image.pixel(X, Y) & 0xFFFFFF; }

TEST_F(RenderCommandTest, Png_FitsThePathInsideTheMarginFilledGreyOutlinedBlack) {
  ASSERT_EQ(Zkgfx("render --size 40x30 'M0,0 L10,0 L10,10 L0,10 Z' '" + Out("a.png") + "'"), 0);
  const QImage Image(QString::fromStdString(Out("a.png")));
  ASSERT_EQ(Image.size(), QSize(40, 30));
  // The square maps onto (4,4)-(35,25): outline on those lines, grey inside.
  struct Probe { int X, Y; unsigned Colour; } const Probes[] = {
      {0, 0, 0xFFFFFF},  {3, 3, 0xFFFFFF},  {4, 4, 0x000000},   {35, 4, 0x000000},
      {35, 25, 0x000000}, {4, 25, 0x000000}, {5, 5, 0x808080},  {34, 24, 0x808080},
      {20, 15, 0x808080}, {36, 15, 0xFFFFFF}, {20, 26, 0xFFFFFF}, {39, 29, 0xFFFFFF}};
  for (const Probe& P : Probes) EXPECT_EQ(Rgb(Image, P.X, P.Y), P.Colour) << P.X << "," << P.Y;
}

TEST_F(RenderCommandTest, FileInput_AndVectorFormats) {
  std::ofstream(Out("star.txt")) << "M50,0 L61,35 L98,35 L68,57 L79,91 L50,70 L21,91 L32,57 L2,35 L39,35 Z";
  ASSERT_EQ(Zkgfx("render --file '" + Out("star.txt") + "' '" + Out("star.png") + "'"), 0);
  const QImage Image(QString::fromStdString(Out("star.png")));
  ASSERT_EQ(Image.size(), QSize(256, 256));
  EXPECT_EQ(Rgb(Image, 128, 128), 0x808080u);  // the star's centre
  EXPECT_EQ(Rgb(Image, 10, 10), 0xFFFFFFu);    // between two points

  ASSERT_EQ(Zkgfx("render 'M0,0 L9,9' '" + Out("a.svg") + "'"), 0);
  QFile Svg(QString::fromStdString(Out("a.svg")));
  ASSERT_TRUE(Svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(Svg.readAll().contains("<svg"));
  ASSERT_EQ(Zkgfx("render 'M0,0 L9,9' '" + Out("a.pdf") + "'"), 0);
  QFile Pdf(QString::fromStdString(Out("a.pdf")));
  ASSERT_TRUE(Pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(Pdf.read(5) == "%PDF-");
}

TEST_F(RenderCommandTest, BadArguments_FailWithoutWriting) {
  struct Case { const char* Name; std::string Arguments; int Code; } const Cases[] = {
      {"UnknownExtension", "render M0,0L1,1 '" + Out("a.bmp") + "'", 2},
      {"ZeroSize", "render --size 0x10 M0,0L1,1 '" + Out("a.png") + "'", 2},
      {"HugeSize", "render --size 9000x10 M0,0L1,1 '" + Out("a.png") + "'", 2},
      {"MalformedSize", "render --size 10 M0,0L1,1 '" + Out("a.png") + "'", 2},
      {"MissingOutput", "render M0,0L1,1", 2},
      {"MissingFile", "render --file '" + Out("none.txt") + "' '" + Out("a.png") + "'", 1},
      {"UnwritableOutput", "render M0,0L1,1 '" + Out("no/such/dir.png") + "'", 1},
  };
  for (const Case& C : Cases) EXPECT_EQ(Zkgfx(C.Arguments), C.Code) << C.Name;
  EXPECT_FALSE(fs::exists(Out("a.png")));
  EXPECT_FALSE(fs::exists(Out("a.bmp")));
}

// ---- Drawing as a browser does (--viewbox) ----------------------------------

int Alpha(const QImage& Image, int X, int Y) { return qAlpha(Image.pixel(X, Y)); }

TEST_F(RenderCommandTest, ViewBox_MeetsCentredOnBackground_FillRuleAndColour) {
  // Two squares wound the same way, the inner one 2..8: a hole under evenodd only.
  const std::string Squares = "'M0,0 h10 v10 h-10 z M2,2 h6 v6 h-6 z'";
  ASSERT_EQ(Zkgfx("render --size 40x20 --viewbox '0 0 10 10' " + Squares + " '" + Out("n.png") + "'"), 0);
  ASSERT_EQ(Zkgfx("render --size 40x20 --viewbox '0,0,10,10' --fill-rule evenodd --fill red "
                  "--background '#00f' " + Squares + " '" + Out("e.png") + "'"), 0);
  const QImage NonZero(QString::fromStdString(Out("n.png")));
  const QImage EvenOdd(QString::fromStdString(Out("e.png")));
  // One scale (2 px a unit), centred across: the box covers x 10..30.
  EXPECT_EQ(Alpha(NonZero, 5, 10), 0);         // transparent beside the box
  EXPECT_EQ(NonZero.pixel(11, 1), 0xFF000000u);
  EXPECT_EQ(NonZero.pixel(20, 10), 0xFF000000u);  // no hole
  EXPECT_EQ(Alpha(NonZero, 34, 10), 0);
  EXPECT_EQ(EvenOdd.pixel(5, 10), 0xFF0000FFu);  // the background colour beside it
  EXPECT_EQ(EvenOdd.pixel(11, 1), 0xFFFF0000u);
  EXPECT_EQ(EvenOdd.pixel(20, 10), 0xFF0000FFu);  // the hole shows the background
  // Anti-aliased: an edge half across a pixel is half covered.
  ASSERT_EQ(Zkgfx("render --size 10x10 --viewbox '0 0 10 10' 'M0,0 h4.5 v10 h-4.5 z' '" +
                  Out("h.png") + "'"), 0);
  EXPECT_NEAR(Alpha(QImage(QString::fromStdString(Out("h.png"))), 4, 5), 128, 2);
}

TEST_F(RenderCommandTest, ViewBox_BadArguments) {
  struct Case { const char* Name; std::string Options; } const Cases[] = {
      {"ThreeNumbers", "--viewbox '0 0 16'"},
      {"NegativeWidth", "--viewbox '0 0 -1 16'"},
      {"NotANumber", "--viewbox '0 0 x 16'"},
      {"FillWithoutViewBox", "--fill red"},
      {"BackgroundWithoutViewBox", "--background white"},
      {"JoinWithoutViewBox", "--join round"},
      {"UnknownColourName", "--viewbox '0 0 16 16' --fill reddish"},
      {"ColourWithAlphaDigits", "--viewbox '0 0 16 16' --fill '#ff000080'"},
      {"UnknownFillRule", "--viewbox '0 0 16 16' --fill-rule winding"},
      {"StrokeWidthWithoutStroke", "--viewbox '0 0 16 16' --stroke-width 2"},
      {"NegativeStrokeWidth", "--viewbox '0 0 16 16' --stroke red --stroke-width -1"},
      {"UnknownJoin", "--viewbox '0 0 16 16' --stroke red --join sharp"},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(Zkgfx("render " + C.Options + " M0,0L1,1 '" + Out("a.png") + "'"), 2) << C.Name;
  EXPECT_FALSE(fs::exists(Out("a.png")));
}

// The SVG written draws as the PNG does (read back by Qt's SVG renderer),
// background and fill colour included; the PDF is a PDF.
TEST_F(RenderCommandTest, ViewBox_SvgAndPdfDrawAsThePng) {
  const std::string Args = "render --size 64x48 --viewbox '0 0 16 16' --fill steelblue "
                           "--background '#ffe0c0' 'M8,1 L15,15 L1,15 Z M8,5 A3,3 0 1 0 8,11 A3,3 0 1 0 8,5 Z' '";
  for (const char* Name : {"t.png", "t.svg", "t.pdf"}) ASSERT_EQ(Zkgfx(Args + Out(Name) + "'"), 0) << Name;
  const QImage Png(QString::fromStdString(Out("t.png")));
  QSvgRenderer Renderer(QString::fromStdString(Out("t.svg")));
  ASSERT_TRUE(Renderer.isValid());
  QImage FromSvg(64, 48, QImage::Format_ARGB32_Premultiplied);
  FromSvg.fill(Qt::transparent);
  {
    QPainter Painter(&FromSvg);
    Renderer.render(&Painter);
  }
  int Worst = 0;
  for (int Y = 0; Y < 48; ++Y)
    for (int X = 0; X < 64; ++X)
      for (int Shift : {0, 8, 16, 24})
        Worst = std::max(Worst, std::abs(int((Png.pixel(X, Y) >> Shift) & 255) -
                                         int((FromSvg.pixel(X, Y) >> Shift) & 255)));
  EXPECT_LE(Worst, 64);
  EXPECT_EQ(Png.pixel(2, 2), 0xFFFFE0C0u);      // background
  EXPECT_EQ(Png.pixel(32, 44), 0xFF4682B4u);    // steelblue, inside the triangle
  QFile Pdf(QString::fromStdString(Out("t.pdf")));
  ASSERT_TRUE(Pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(Pdf.read(5) == "%PDF-");
}

// Qt's own SVG renderer on a document holding the same path and view box is
// the independent reference: both draw with Qt's rasteriser, so what may
// differ is the reading of the path data, the arcs' curves and the mapping
// of the view box. Tolerance: a pixel differs when its coverage differs by
// more than a quarter; at most 0.5% of the pixels may, and the coverage
// summed over the picture agrees within 1% and two pixels. (Over all 2,074
// icons no pixel differed by more than a quarter.)
TEST_F(RenderCommandTest, ViewBox_AgreesWithQtSvgRendererOnBootstrapIcons) {
  std::ifstream In(std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt");
  if (!In) GTEST_SKIP() << "no icon corpus";
  constexpr int Stride = 10;  // every Stride-th icon, 208 of them
  struct Shape { int W, H; const char* Rule; } const Shapes[] = {
      {48, 48, "nonzero"}, {64, 40, "evenodd"}, {30, 50, "nonzero"}};
  int Index = 0, Compared = 0;
  double WorstShare = 0;
  int WorstPixel = 0;
  for (std::string D; std::getline(In, D); ++Index) {
    if (Index % Stride != 0) continue;
    const Shape& S = Shapes[(Index / Stride) % std::size(Shapes)];
    const QByteArray Svg = QByteArray("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 16 16'>"
                                      "<path fill-rule='") + S.Rule + "' d='" + D.c_str() + "'/></svg>";
    QSvgRenderer Renderer(Svg);
    ASSERT_TRUE(Renderer.isValid()) << Index;
    Renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QImage Expected(S.W, S.H, QImage::Format_ARGB32_Premultiplied);
    Expected.fill(Qt::transparent);
    {
      QPainter Painter(&Expected);
      Renderer.render(&Painter);
    }
    std::ofstream(Out("icon.txt")) << D;
    ASSERT_EQ(Zkgfx("render --svg --size " + std::to_string(S.W) + "x" + std::to_string(S.H) +
                    " --viewbox '0 0 16 16' --fill-rule " + S.Rule + " --file '" + Out("icon.txt") +
                    "' '" + Out("icon.png") + "'"), 0) << Index;
    const QImage Actual(QString::fromStdString(Out("icon.png")));
    ASSERT_EQ(Actual.size(), Expected.size());
    int Differing = 0;
    long SumExpected = 0, SumActual = 0;
    for (int Y = 0; Y < S.H; ++Y)
      for (int X = 0; X < S.W; ++X) {
        const int A = Alpha(Actual, X, Y), E = Alpha(Expected, X, Y);
        Differing += std::abs(A - E) > 64;
        WorstPixel = std::max(WorstPixel, std::abs(A - E));
        SumExpected += E;
        SumActual += A;
      }
    const double Share = double(Differing) / (S.W * S.H);
    WorstShare = std::max(WorstShare, Share);
    EXPECT_LE(Share, 0.005) << "icon " << Index << ": " << Differing << " pixels differ";
    EXPECT_LE(std::abs(SumActual - SumExpected), 0.01 * SumExpected + 2 * 255) << "icon " << Index;
    ++Compared;
  }
  EXPECT_GT(Compared, 0);
  std::printf("%d icons compared: at most %.3f%% of an icon's pixels differ by more than a "
              "quarter, the largest coverage difference is %d/255\n",
              Compared, 100 * WorstShare, WorstPixel);
}

// The stroke is the library's outline (`StrokeOutline`) filled; Qt's SVG
// renderer strokes with Qt's own stroker, so the two agree within
// anti-aliasing wherever both follow SVG's stroke rules.
TEST_F(RenderCommandTest, ViewBox_StrokeAgreesWithQtSvgRenderer) {
  std::ifstream In(std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt");
  if (!In) GTEST_SKIP() << "no icon corpus";
  struct Style { const char* Svg; const char* Options; } const Styles[] = {
      {"stroke-width='0.5'", "--stroke-width 0.5"},
      {"stroke-width='0.75' stroke-linejoin='round' stroke-linecap='round'",
       "--stroke-width 0.75 --join round --cap round"},
      {"stroke-width='0.4' stroke-linejoin='bevel' stroke-linecap='square'",
       "--stroke-width 0.4 --join bevel --cap square"}};
  constexpr int Stride = 40, Side = 64;
  int Index = 0, Compared = 0, Worst = 0;
  for (std::string D; std::getline(In, D); ++Index) {
    if (Index % Stride != 0) continue;
    const Style& S = Styles[(Index / Stride) % std::size(Styles)];
    const QByteArray Svg = QByteArray("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 16 16'>"
                                      "<path fill='none' stroke='red' ") + S.Svg + " d='" + D.c_str() +
                           "'/></svg>";
    QSvgRenderer Renderer(Svg);
    ASSERT_TRUE(Renderer.isValid()) << Index;
    QImage Expected(Side, Side, QImage::Format_ARGB32_Premultiplied);
    Expected.fill(Qt::transparent);
    {
      QPainter Painter(&Expected);
      Renderer.render(&Painter);
    }
    std::ofstream(Out("icon.txt")) << D;
    ASSERT_EQ(Zkgfx("render --svg --size 64x64 --viewbox '0 0 16 16' --fill none --stroke red " +
                    std::string(S.Options) + " --file '" + Out("icon.txt") + "' '" + Out("s.png") + "'"), 0)
        << Index;
    const QImage Actual(QString::fromStdString(Out("s.png")));
    int Differing = 0;
    for (int Y = 0; Y < Side; ++Y)
      for (int X = 0; X < Side; ++X) Differing += std::abs(Alpha(Actual, X, Y) - Alpha(Expected, X, Y)) > 64;
    EXPECT_LE(Differing, Side * Side / 100) << "icon " << Index << " (" << S.Options << ")";
    Worst = std::max(Worst, Differing);
    ++Compared;
  }
  EXPECT_GT(Compared, 0);
  std::printf("%d stroked icons compared: at most %d of %d pixels differ by more than a quarter\n",
              Compared, Worst, Side * Side);
}

} // namespace

// Without a desktop session (no XDG_RUNTIME_DIR) a run says nothing on
// standard error, and the private runtime folder it made is gone after it.
TEST_F(RenderCommandTest, NoSession_QuietAndLeavesNoRuntimeFolder) {
  const std::string Line = "env -u XDG_RUNTIME_DIR TMPDIR='" + Dir.string() + "' \"" ZKGFX_PATH
                           "\" render 'M0,0 L9,9' '" + Out("a.png") + "' >/dev/null 2>'" + Out("err.txt") + "'";
  const int Status = std::system(Line.c_str());
  ASSERT_TRUE(WIFEXITED(Status));
  EXPECT_EQ(WEXITSTATUS(Status), 0);
  std::ifstream Err(Out("err.txt"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(Err), {}), "");
  for (const fs::directory_entry& E : fs::directory_iterator(Dir))
    EXPECT_NE(E.path().filename().string().rfind("zkgfx-runtime-", 0), 0u) << E.path();
}
