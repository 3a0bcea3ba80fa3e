// The device context's gradient, text and font calls: what they accept and
// record, and what only pixels show (the blend inside a triangle, turned text).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>

#include "canvas/RecordingCanvas.h"
#include "qt/QtCanvas.h"

namespace zk {
namespace {

constexpr TTriVertex Vertex(int X, int Y, int R, int G, int B) {
  return {X, Y, static_cast<std::uint16_t>(R << 8), static_cast<std::uint16_t>(G << 8),
          static_cast<std::uint16_t>(B << 8), 0};
}

TEST(GradientFillTest, InvalidCallsAnswerFalseAndDrawNothing) {
  const TTriVertex V[] = {Vertex(0, 0, 255, 0, 0), Vertex(9, 0, 0, 255, 0), Vertex(0, 9, 0, 0, 255)};
  const TGradientTriangle Good[] = {{0, 1, 2}};
  const TGradientTriangle Bad[] = {{0, 1, 2}, {0, 1, 3}};
  const struct {
    const char* Name;
    std::span<const TTriVertex> Vertices;
    std::span<const TGradientTriangle> Triangles;
    std::uint32_t Mode;
  } Cases[] = {{"IndexPastTheVertices", V, Bad, GRADIENT_FILL_TRIANGLE},
               {"RectangleMode", V, Good, GRADIENT_FILL_RECT_H},
               {"UnknownMode", V, Good, 7},
               {"NoVertices", {}, Good, GRADIENT_FILL_TRIANGLE},
               {"NoTriangles", V, {}, GRADIENT_FILL_TRIANGLE}};
  TRecordingCanvas Canvas;
  for (const auto& C : Cases) {
    EXPECT_FALSE(GradientFill(Canvas.Handle(), C.Vertices, C.Triangles, C.Mode)) << C.Name;
    EXPECT_TRUE(Canvas.Calls().empty()) << C.Name;
  }
  EXPECT_FALSE(GradientFill(nullptr, V, Good, GRADIENT_FILL_TRIANGLE));
  ASSERT_TRUE(GradientFill(Canvas.Handle(), V, Good, GRADIENT_FILL_TRIANGLE));
  EXPECT_EQ(Canvas.Log(), std::vector<std::string>{
                              "GradientFill(3,0,0,65280,0,0,0,9,0,0,65280,0,0,0,9,0,0,65280,0,0,1,2)"});
  // The record replays to the same call.
  TRecordingCanvas Copy;
  Canvas.Replay(Copy);
  EXPECT_EQ(Copy.Log(), Canvas.Log());
}

TEST(DrawTextTest, RecordsTextRectAndFormat_HeightPerLine) {
  TRecordingCanvas Canvas;
  Canvas.Font().SetHeight(-10);
  EXPECT_EQ(DrawTextW(Canvas.Handle(), "a\nb\nc", {1, 2, 30, 40}, DT_CENTER), 30);
  EXPECT_EQ(DrawTextW(Canvas.Handle(), "a\nb", {1, 2, 30, 40}, DT_SINGLELINE | DT_BOTTOM), 10);
  EXPECT_EQ(DrawTextW(Canvas.Handle(), "", {1, 2, 30, 40}, 0), 0);
  EXPECT_EQ(DrawTextW(nullptr, "a", {1, 2, 30, 40}, 0), 0);
  EXPECT_EQ(Canvas.Log(), (std::vector<std::string>{"DrawText(1,2,30,40,1,\"a\nb\nc\")",
                                                    "DrawText(1,2,30,40,40,\"a\nb\")"}));
}

TEST(FontCallsTest, CreateFontIndirectW_CutsFaceNameAtCharacterBoundary) {
  TLogFont Log;
  Log.lfEscapement = 450;
  const std::string Thirty(30, 'x');
  const struct { std::string Name, Kept; } Cases[] = {
      {Thirty + "y", Thirty + "y"},
      {Thirty + "yz", Thirty + "y"},
      {Thirty + "\xC3\xA9\xC3\xA9", Thirty + "\xC3\xA9"},          // é is two bytes, one character
      {Thirty + "\xE4\xB8\xAD\xE6\x96\x87", Thirty + "\xE4\xB8\xAD"}};  // CJK: three bytes each
  for (const auto& C : Cases) {
    Log.lfFaceName = C.Name;
    const HFONT Font = CreateFontIndirectW(&Log);
    ASSERT_TRUE(Font);
    EXPECT_EQ(Font->lfFaceName, C.Kept);
    EXPECT_EQ(Font->lfEscapement, 450);
  }
  EXPECT_FALSE(CreateFontIndirectW(nullptr));
}

TEST(FontCallsTest, GetTextMetricsW_ReportsTheCanvasFont) {
  TRecordingCanvas Canvas;
  Canvas.Font().SetHeight(-20);
  Canvas.Font().SetStyle({fsBold, fsItalic});
  TTextMetric M;
  ASSERT_TRUE(GetTextMetricsW(Canvas.Handle(), &M));
  EXPECT_EQ(M.tmHeight, 20);
  EXPECT_EQ(M.tmAscent + M.tmDescent, 20);
  EXPECT_EQ(M.tmWeight, FW_BOLD);
  EXPECT_EQ(M.tmItalic, 1);
  EXPECT_TRUE(M.tmPitchAndFamily & TMPF_TRUETYPE);
  Canvas.SetTrueTypeFonts(false);
  ASSERT_TRUE(GetTextMetricsW(Canvas.Handle(), &M));
  EXPECT_FALSE(M.tmPitchAndFamily & TMPF_TRUETYPE);
  EXPECT_FALSE(GetTextMetricsW(Canvas.Handle(), nullptr));

  QImage Image(8, 8, QImage::Format_RGB32);
  TQtCanvas Qt(Image);
  Qt.Font().SetHeight(-30);
  TTextMetric QtM;
  ASSERT_TRUE(GetTextMetricsW(Qt.Handle(), &QtM));
  EXPECT_GE(QtM.tmHeight, 30);
  EXPECT_EQ(QtM.tmAscent + QtM.tmDescent, QtM.tmHeight);
}

// Every pixel whose centre lies inside a triangle by more than a pixel holds
// the barycentric blend of the vertex colours, within one step per channel.
void ExpectBarycentric(const QImage& Image, const TTriVertex (&V)[3]) {
  const double X0 = V[0].x, Y0 = V[0].y, X1 = V[1].x, Y1 = V[1].y, X2 = V[2].x, Y2 = V[2].y;
  const double Area = (X1 - X0) * (Y2 - Y0) - (Y1 - Y0) * (X2 - X0);
  int Checked = 0, Worst = 0;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) {
      const double PX = X + 0.5, PY = Y + 0.5;
      const double W1 = ((PX - X0) * (Y2 - Y0) - (PY - Y0) * (X2 - X0)) / Area;
      const double W2 = ((X1 - X0) * (PY - Y0) - (Y1 - Y0) * (PX - X0)) / Area;
      const double W0 = 1 - W1 - W2;
      const double Margin = 1.5 / std::sqrt(std::abs(Area));
      if (W0 < Margin || W1 < Margin || W2 < Margin) continue;
      const QRgb P = Image.pixel(X, Y);
      const auto Expect = [&](auto Channel) {
        return W0 * (Channel(V[0]) >> 8) + W1 * (Channel(V[1]) >> 8) + W2 * (Channel(V[2]) >> 8);
      };
      const double Want[3] = {Expect([](const TTriVertex& T) { return T.Red; }),
                              Expect([](const TTriVertex& T) { return T.Green; }),
                              Expect([](const TTriVertex& T) { return T.Blue; })};
      const int Got[3] = {qRed(P), qGreen(P), qBlue(P)};
      for (int K = 0; K < 3; ++K)
        Worst = std::max(Worst, static_cast<int>(std::ceil(std::abs(Got[K] - Want[K]) - 0.5)));
      ++Checked;
    }
  EXPECT_GT(Checked, 1000);
  EXPECT_LE(Worst, 1);
}

TEST(GradientFillPixelTest, EveryPixelIsTheBarycentricBlend) {
  const struct { const char* Name; TTriVertex V[3]; } Cases[] = {
      // The lower-right half of a diagonal gradient: colours on one line.
      {"DiagonalCollinear",
       {Vertex(120, 0, 128, 64, 32), Vertex(120, 90, 255, 255, 0), Vertex(0, 90, 128, 64, 32)}},
      {"ThreeUnrelatedColours",
       {Vertex(5, 3, 255, 0, 0), Vertex(115, 20, 0, 255, 0), Vertex(30, 87, 0, 0, 255)}}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    QImage Image(120, 90, QImage::Format_RGB32);
    Image.fill(Qt::white);
    {
      TQtCanvas Canvas(Image);
      const TGradientTriangle T[] = {{0, 1, 2}};
      ASSERT_TRUE(GradientFill(Canvas.Handle(), C.V, T, GRADIENT_FILL_TRIANGLE));
    }
    ExpectBarycentric(Image, C.V);
  }
}

TEST(GradientFillPixelTest, SvgStaysVectorWhenColoursLieOnALine) {
  const struct { const char* Name; TTriVertex V[3]; bool Vector; } Cases[] = {
      {"MidpointCorner", {Vertex(0, 0, 0, 0, 128), Vertex(90, 0, 0, 128, 192), Vertex(0, 60, 0, 128, 192)}, true},
      {"ThreeUnrelatedColours", {Vertex(0, 0, 255, 0, 0), Vertex(90, 0, 0, 255, 0), Vertex(0, 60, 0, 0, 255)}, false}};
  for (const auto& C : Cases) {
    QBuffer Out;
    QSvgGenerator Svg;
    Svg.setOutputDevice(&Out);
    Svg.setSize(QSize(90, 60));
    {
      TQtCanvas Canvas(Svg);
      const TGradientTriangle T[] = {{0, 1, 2}};
      ASSERT_TRUE(GradientFill(Canvas.Handle(), C.V, T, GRADIENT_FILL_TRIANGLE));
    }
    const QByteArray Text = Out.data();
    EXPECT_EQ(Text.contains("linearGradient"), C.Vector) << C.Name;
    EXPECT_EQ(Text.contains("<image"), !C.Vector) << C.Name;
  }
}

// The box of the pixels that are not white.
QRect InkBox(const QImage& Image) {
  QRect Box;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      if ((Image.pixel(X, Y) & 0xFFFFFF) != 0xFFFFFF) Box |= QRect(X, Y, 1, 1);
  return Box;
}

TEST(DrawTextPixelTest, FontWithEscapementDrawsTurnedText) {
  QRect Boxes[2];
  for (int Turned = 0; Turned < 2; ++Turned) {
    QImage Image(200, 200, QImage::Format_RGB32);
    Image.fill(Qt::white);
    {
      TQtCanvas Canvas(Image);
      Canvas.Brush().SetStyle(bsClear);
      Canvas.Font().SetColor(clBlack);
      Canvas.Font().SetHeight(-20);
      TLogFont Log = *Canvas.Font().Handle();
      Log.lfEscapement = Log.lfOrientation = Turned ? 900 : 0;
      Canvas.Font().SetHandle(CreateFontIndirectW(&Log));
      DrawTextW(Canvas.Handle(), "MMMMMMMM", {100, 100, 200, 200}, DT_NOCLIP | DT_SINGLELINE);
    }
    Boxes[Turned] = InkBox(Image);
  }
  // Level text is wide and flat; at 90 degrees it rises from its start, tall and narrow.
  ASSERT_FALSE(Boxes[0].isEmpty());
  ASSERT_FALSE(Boxes[1].isEmpty());
  EXPECT_GT(Boxes[0].width(), 3 * Boxes[0].height());
  EXPECT_GT(Boxes[1].height(), 3 * Boxes[1].width());
  EXPECT_NEAR(Boxes[1].height(), Boxes[0].width(), 2);
  EXPECT_LE(Boxes[1].bottom(), 100);   // above the start point: counter-clockwise
  EXPECT_GE(Boxes[1].left(), 99);
}

}  // namespace
}  // namespace zk
