// zkgfx gallery, run as users run it: the picture it writes, read back, and
// the cell map it prints.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <QFile>
#include <QImage>

#include "tools/RunZkgfx.h"

namespace {

namespace fs = std::filesystem;

// zkgfx gallery with Args (already quoted for the shell).
Result Gallery(const std::string& Args) { return RunZkgfx("gallery " + Args, ""); }

struct Cell {
  int L, T, R, B;
  std::string Label;
};

std::vector<Cell> CellsOf(const std::string& Out) {
  std::vector<Cell> Cells;
  std::istringstream Lines(Out);
  for (std::string Line; std::getline(Lines, Line);) {
    std::istringstream Words(Line);
    std::string Tag;
    Cell C;
    if (Words >> Tag >> C.L >> C.T >> C.R >> C.B && Tag == "cell") {
      std::getline(Words >> std::ws, C.Label);
      Cells.push_back(C);
    }
  }
  return Cells;
}

class GalleryCommandTest : public testing::Test {
protected:
  fs::path Dir = fs::temp_directory_path() / ("zkgfx-gallery-" + std::to_string(getpid()) + "-" +
                                              testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { fs::create_directories(Dir); }
  void TearDown() override { fs::remove_all(Dir); }
  std::string Out(const char* Name) const { return (Dir / Name).string(); }
};

TEST_F(GalleryCommandTest, Png_EveryCellHoldsInkInsideItsArea) {
  const Result R = Gallery("--size 1200x900 '" + Out("g.png") + "'");
  ASSERT_EQ(R.Code, 0) << R.Out;
  const QImage Image(QString::fromStdString(Out("g.png")));
  ASSERT_EQ(Image.size(), QSize(1200, 900));
  const std::vector<Cell> Cells = CellsOf(R.Out);
  ASSERT_GE(Cells.size(), 60u);
  for (const Cell& C : Cells) {
    ASSERT_TRUE(0 <= C.L && C.L < C.R && C.R <= 1200 && 0 <= C.T && C.T < C.B && C.B <= 900) << C.Label;
    int Ink = 0;
    for (int Y = C.T; Y < C.B; ++Y)
      for (int X = C.L; X < C.R; ++X) Ink += (Image.pixel(X, Y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(Ink, 20) << C.Label;
  }
}

TEST_F(GalleryCommandTest, VectorFormatsAndTinySizes_Written) {
  ASSERT_EQ(Gallery("'" + Out("g.svg") + "'").Code, 0);
  QFile Svg(QString::fromStdString(Out("g.svg")));
  ASSERT_TRUE(Svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(Svg.readAll().contains("<svg"));
  ASSERT_EQ(Gallery("--size 300x200 '" + Out("g.pdf") + "'").Code, 0);
  QFile Pdf(QString::fromStdString(Out("g.pdf")));
  ASSERT_TRUE(Pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(Pdf.read(5).startsWith("%PDF"));
  ASSERT_EQ(Gallery("--size 1x1 '" + Out("tiny.png") + "'").Code, 0);
  EXPECT_EQ(QImage(QString::fromStdString(Out("tiny.png"))).size(), QSize(1, 1));
}

TEST_F(GalleryCommandTest, Failures_ReportedWithNonZeroExit) {
  EXPECT_EQ(Gallery("'" + Out("g.bmp") + "'").Code, 2);
  EXPECT_EQ(Gallery("--size 0x10 '" + Out("g.png") + "'").Code, 2);
  EXPECT_EQ(Gallery("").Code, 2);
  const Result Unwritable = Gallery("'" + Out("missing/dir/g.png") + "'");
  EXPECT_NE(Unwritable.Code, 0);
  EXPECT_FALSE(fs::exists(Out("missing/dir/g.png")));
}

} // namespace
