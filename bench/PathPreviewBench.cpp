// The path designer's preview of real icons: parse the text, fit it into the
// 161x157 preview, fill gray and outline black on a QImage through TQtCanvas
// (what one repaint of the dialog's preview costs), against Qt SVG parsing
// and rendering the same path data in a document scaled to the same box.
// The ratio is printed after the run; the goal is a frame (16 ms) per icon
// with room to spare, and no more than the Qt SVG peer.
#include <benchmark/benchmark.h>

#include "CpuTimeReporter.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "path/PathData.h"
#include "path/PathPreview.h"
#include "qt/QtCanvas.h"

namespace {

using namespace zk;

constexpr int kWidth = 161, kHeight = 157;  // the preview box at 96 dots per inch

const std::vector<std::string>& Icons() {
  static const std::vector<std::string> Texts = [] {
    std::vector<std::string> Result;
    std::ifstream In(std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt");
    for (std::string Line; std::getline(In, Line);) Result.push_back(Line);
    return Result;
  }();
  return Texts;
}

QImage& Target() {
  static QImage Image(kWidth, kHeight, QImage::Format_RGB32);
  return Image;
}

bool Usable(benchmark::State& State) {
  if (!Icons().empty()) return true;
  State.SkipWithError("the icon corpus beside the clone is missing");
  return false;
}

void BM_PreviewIcons(benchmark::State& State) {
  if (!Usable(State)) return;
  TQtCanvas Canvas(Target());
  for (auto _ : State) {
    for (const std::string& Text : Icons()) {
      TZKPathData Path;
      Path.SetPathString(Text);
      DrawPathPreview(Canvas, Path, {0, 0, kWidth - 1, kHeight - 1});
    }
  }
  State.counters["icons"] = static_cast<double>(Icons().size());
}
BENCHMARK(BM_PreviewIcons)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_QtSvgPeer(benchmark::State& State) {
  if (!Usable(State)) return;
  std::vector<QByteArray> Documents;
  for (const std::string& Text : Icons())
    Documents.push_back(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 16 16' "
                                   "preserveAspectRatio='none'><path fill='gray' stroke='black' "
                                   "fill-rule='evenodd' d='") +
                        QByteArray::fromStdString(Text) + "'/></svg>");
  QPainter Painter(&Target());
  for (auto _ : State) {
    for (const QByteArray& Document : Documents) {
      QSvgRenderer Renderer(Document);
      Renderer.render(&Painter, QRectF(0, 0, kWidth - 1, kHeight - 1));
    }
  }
}
BENCHMARK(BM_QtSvgPeer)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zkbench::CpuTimeReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const double Preview = Reporter.Seconds("BM_PreviewIcons"), Peer = Reporter.Seconds("BM_QtSvgPeer");
  const double Icons = Reporter.Counter("BM_PreviewIcons", "icons");
  if (Preview > 0 && Peer > 0 && Icons > 0)
    std::printf("preview: %.1f us per icon; Qt SVG: %.1f us per icon; preview / Qt SVG CPU time: "
                "%.3f (goal: at most 1.00)\n",
                Preview / Icons * 1e6, Peer / Icons * 1e6, Preview / Peer);
  benchmark::Shutdown();
  return 0;
}
