// Peak memory of zkgfx, measured on the child process: the resident set the
// kernel reports for it (ru_maxrss) on large and on hostile input. Printed
// per entry so the figures can be compared between versions.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Runs zkgfx with Args, standard input from InFile and output discarded;
// the child's peak resident memory in bytes, or -1 when it did not exit 0.
long PeakBytes(std::vector<std::string> Args, const std::string& InFile) {
  const pid_t Child = fork();
  if (Child == 0) {
    const int In = open(InFile.c_str(), O_RDONLY);
    const int Null = open("/dev/null", O_WRONLY);
    dup2(In, 0);
    dup2(Null, 1);
    std::vector<char*> Argv{const_cast<char*>(ZKGFX_PATH)};
    for (std::string& A : Args) Argv.push_back(A.data());
    Argv.push_back(nullptr);
    execv(ZKGFX_PATH, Argv.data());
    _exit(127);
  }
  int Status = 0;
  rusage Usage{};
  if (wait4(Child, &Status, 0, &Usage) != Child || !WIFEXITED(Status) || WEXITSTATUS(Status) != 0) return -1;
  return Usage.ru_maxrss * 1024L;
}

class ZkgfxMemoryTest : public testing::Test {
protected:
  void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers' own memory would swamp the figures";
#endif
  }
  std::string Stem = testing::TempDir() + "zkgfx_mem_" + std::to_string(getpid());
  void TearDown() override { std::remove((Stem + "_in.txt").c_str()); std::remove((Stem + "_out.png").c_str()); }
};

constexpr int kEntries = 1'000'000;

// 10^6 entries of typical icon text: a move, then lines with decimals.
std::string MillionEntries() {
  std::string Text = "M0,0";
  for (int I = 1; I < kEntries; ++I) Text += " L" + std::to_string(I % 997) + ".25," + std::to_string(I % 991) + ".5";
  return Text;
}

TEST_F(ZkgfxMemoryTest, NormalizeAndRenderOfAMillionEntries_PeakPerEntry) {
  const std::string Empty = Stem + "_empty.txt", In = Stem + "_in.txt";
  std::ofstream(Empty).flush();
  const std::string Text = MillionEntries();
  std::ofstream(In) << Text << '\n';
  const long Base = PeakBytes({"normalize"}, Empty);
  const long Normalize = PeakBytes({"normalize"}, In);
  const long Render = PeakBytes({"render", "--file", In, Stem + "_out.png"}, Empty);
  std::remove(Empty.c_str());
  ASSERT_GT(Base, 0);
  ASSERT_GT(Normalize, 0);
  ASSERT_GT(Render, 0);
  const double NormalizePerEntry = double(Normalize - Base) / kEntries;
  const double RenderPerEntry = double(Render - Base) / kEntries;
  std::printf("input %zu bytes; peak above an empty run: normalize %.1f bytes/entry, render %.1f bytes/entry\n",
              Text.size(), NormalizePerEntry, RenderPerEntry);
  // normalize holds the line (about 12 bytes an entry), the entries (9) and
  // the text written back (about 12, grown by half at most).
  EXPECT_LT(NormalizePerEntry, 64);
  EXPECT_LT(RenderPerEntry, 256);
}

// 40 curves of extent 6e6 once took 1.67 GB to measure.
TEST_F(ZkgfxMemoryTest, InfoOfFortyHugeCurves_Within64MB) {
  std::string Text = "M0,0";
  for (int I = 0; I < 40; ++I) Text += " c2e6,0 4e6,0 6e6,0";
  const std::string Empty = Stem + "_in.txt";
  std::ofstream(Empty).flush();
  const long Peak = PeakBytes({"info", Text}, Empty);
  ASSERT_GT(Peak, 0);
  std::printf("info of 40 huge curves: peak %.1f MB\n", Peak / 1048576.0);
  EXPECT_LT(Peak, 64L << 20);
}

} // namespace
