// Length and distances along a path, and its text in lines of bounded length.
#include <cmath>

#include "graphics/PathData.h"
#include "graphics/PathGeometry_p.h"
#include "runtime/NumberText.h"

namespace zk {

// ---- Measurement ----------------------------------------------------------------

double TZKPathData::CalculateDistances() {
  double Total = 0;
  FLength = 0;
  const TZKPolygons& Polygons = ToPolygons();
  FDistances.assign(Polygons.size(), {});
  for (std::size_t P = 0; P < Polygons.size(); ++P) {
    const TZKPoints& Polygon = Polygons[P];
    TSingleDynArray& Distances = FDistances[P];
    Distances.resize(Polygon.size());
    if (Polygon.empty()) continue;
    // The first vertex continues the running total: the jump between
    // sub-paths adds nothing.
    Distances[0] = static_cast<float>(Total);
    for (std::size_t J = 1; J < Polygon.size(); ++J) {
      const double DX = double(Polygon[J - 1].X) - Polygon[J].X, DY = double(Polygon[J - 1].Y) - Polygon[J].Y;
      Total += static_cast<float>(std::sqrt(DX * DX + DY * DY));  // each edge a Single, the sum a Double
      Distances[J] = static_cast<float>(Total);
    }
  }
  FLength = Total;
  return Total;
}

double TZKPathData::GetLength() {
  if (FLength == 0) FLength = CalculateDistances();
  return FLength;
}

const TZKPathData::TDistances& TZKPathData::GetDistances() {
  if (FLength == 0 && !FPathData.empty()) FLength = CalculateDistances();
  return FDistances;
}

// ---- Splitting ------------------------------------------------------------------

namespace {
// Characters, not bytes: a format picture may quote non-ASCII text.
std::size_t CharacterCount(const std::string& Text, std::size_t From) noexcept {
  std::size_t N = 0;
  for (std::size_t I = From; I < Text.size(); ++I)
    if ((static_cast<unsigned char>(Text[I]) & 0xC0) != 0x80) ++N;
  return N;
}
} // namespace

std::string TZKPathData::SplitDataByLength(int Len, const std::string& Delimiter) const {
  std::string Text;
  const auto AppendPoint = [&](const TPointF& P) {
    Text += FormatFloat(FFormatStr, P.X, USFormatSettings);
    Text += ',';
    Text += FormatFloat(FFormatStr, P.Y, USFormatSettings);
    Text += ' ';
  };
  std::int64_t LineLength = 0;
  for (std::size_t I = 0; I < FPathData.size(); ++I) {
    const std::size_t EntryStart = Text.size();
    const TZKPathPoint& Entry = FPathData[I];
    switch (Entry.Kind) {
      case ppMoveTo:
        Text += 'M';
        AppendPoint(pathdetail::PointOf(Entry));
        break;
      case ppLineTo:
        Text += 'L';
        AppendPoint(pathdetail::PointOf(Entry));
        break;
      case ppCurveTo:
        if (FPathData.size() - I < 3) return Text;  // a curve cut short by the end is not written
        Text += 'C';
        for (int K = 0; K < 3; ++K) AppendPoint(pathdetail::PointOf(FPathData[I + K]));
        I += 2;
        break;
      case ppClose:
        Text += "Z ";
        break;
      default:
        continue;  // unknown kinds write nothing and end no line
    }
    LineLength += static_cast<std::int64_t>(CharacterCount(Text, EntryStart));
    if (LineLength > Len) {
      Text += Delimiter;
      LineLength = 0;
    }
  }
  return Text;
}

} // namespace zk
