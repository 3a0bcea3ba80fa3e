// zkgfx render, run as users run it: the pictures it writes, read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <QFile>
#include <QImage>

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
