#include "canvas/RecordingCanvas.h"

#include <algorithm>
#include <cstdlib>

#include "canvas/Graphics.h"

namespace zk {

std::string_view CanvasOpName(TCanvasOp Op) noexcept {
  switch (Op) {
    case TCanvasOp::MoveTo: return "MoveTo";
    case TCanvasOp::LineTo: return "LineTo";
    case TCanvasOp::Polygon: return "Polygon";
    case TCanvasOp::Polyline: return "Polyline";
    case TCanvasOp::Rectangle: return "Rectangle";
    case TCanvasOp::FillRect: return "FillRect";
    case TCanvasOp::Ellipse: return "Ellipse";
    case TCanvasOp::RoundRect: return "RoundRect";
    case TCanvasOp::Pie: return "Pie";
    case TCanvasOp::Chord: return "Chord";
    case TCanvasOp::TextOut: return "TextOut";
    case TCanvasOp::Draw: return "Draw";
    case TCanvasOp::StretchDraw: return "StretchDraw";
    case TCanvasOp::BeginPath: return "BeginPath";
    case TCanvasOp::MoveToEx: return "MoveToEx";
    case TCanvasOp::DcLineTo: return "LineTo(DC)";
    case TCanvasOp::PolyBezierTo: return "PolyBezierTo";
    case TCanvasOp::CloseFigure: return "CloseFigure";
    case TCanvasOp::EndPath: return "EndPath";
    case TCanvasOp::StrokePath: return "StrokePath";
    case TCanvasOp::StrokeAndFillPath: return "StrokeAndFillPath";
    case TCanvasOp::SetPolyFillMode: return "SetPolyFillMode";
    case TCanvasOp::GradientFill: return "GradientFill";
    case TCanvasOp::DrawText: return "DrawText";
  }
  return "?";
}

std::string TCanvasCall::ToString() const {
  std::string S(CanvasOpName(Op));
  S += '(';
  for (std::size_t I = 0; I < Args.size(); ++I) {
    if (I > 0) S += ',';
    S += std::to_string(Args[I]);
  }
  if (Op == TCanvasOp::TextOut || Op == TCanvasOp::DrawText) S += ",\"" + Text + '"';
  S += ')';
  return S;
}

std::vector<std::string> TRecordingCanvas::Log() const {
  std::vector<std::string> Lines;
  Lines.reserve(FCalls.size());
  for (const TCanvasCall& Call : FCalls) Lines.push_back(Call.ToString());
  return Lines;
}

TSize TRecordingCanvas::FixedTextExtent(std::string_view Text, std::int32_t FontHeight) noexcept {
  // Count code points: every byte that does not continue a UTF-8 sequence.
  std::int64_t Chars = 0;
  for (const char C : Text) Chars += (static_cast<unsigned char>(C) & 0xC0) != 0x80;
  const std::int64_t Height = std::llabs(static_cast<std::int64_t>(FontHeight));
  const std::int64_t Width = Chars * ((Height + 1) / 2);
  constexpr std::int64_t Max = INT32_MAX;
  return {static_cast<std::int32_t>(Width < Max ? Width : Max),
          static_cast<std::int32_t>(Height < Max ? Height : Max)};
}

TCanvasCall& TRecordingCanvas::Record(TCanvasOp Op, std::initializer_list<std::int32_t> Args) {
  TCanvasCall& Call = FCalls.emplace_back();
  Call.Op = Op;
  Call.Args.assign(Args);
  Call.Pen = Pen().Data();
  Call.Brush = Brush().Data();
  Call.Font = Font().Data();
  Call.PolyFillMode = PolyFillMode();
  return Call;
}

TCanvasCall& TRecordingCanvas::RecordPoints(TCanvasOp Op, std::span<const TPoint> Points) {
  TCanvasCall& Call = Record(Op);
  Call.Args.reserve(Points.size() * 2);
  for (const TPoint& P : Points) {
    Call.Args.push_back(P.X);
    Call.Args.push_back(P.Y);
  }
  return Call;
}

void TRecordingCanvas::DoMoveTo(const TPoint& P) { Record(TCanvasOp::MoveTo, {P.X, P.Y}); }
void TRecordingCanvas::DoLineTo(const TPoint&, const TPoint& To) {
  Record(TCanvasOp::LineTo, {To.X, To.Y});
}
void TRecordingCanvas::DoPolygon(std::span<const TPoint> Points) {
  RecordPoints(TCanvasOp::Polygon, Points);
}
void TRecordingCanvas::DoPolyline(std::span<const TPoint> Points) {
  RecordPoints(TCanvasOp::Polyline, Points);
}
void TRecordingCanvas::DoRectangle(const TRect& B) {
  Record(TCanvasOp::Rectangle, {B.Left, B.Top, B.Right, B.Bottom});
}
void TRecordingCanvas::DoFillRect(const TRect& B) {
  Record(TCanvasOp::FillRect, {B.Left, B.Top, B.Right, B.Bottom});
}
void TRecordingCanvas::DoEllipse(const TRect& B) {
  Record(TCanvasOp::Ellipse, {B.Left, B.Top, B.Right, B.Bottom});
}
void TRecordingCanvas::DoRoundRect(const TRect& B, int W, int H) {
  Record(TCanvasOp::RoundRect, {B.Left, B.Top, B.Right, B.Bottom, W, H});
}
void TRecordingCanvas::DoPie(const TRect& B, const TPoint& S, const TPoint& E) {
  Record(TCanvasOp::Pie, {B.Left, B.Top, B.Right, B.Bottom, S.X, S.Y, E.X, E.Y});
}
void TRecordingCanvas::DoChord(const TRect& B, const TPoint& S, const TPoint& E) {
  Record(TCanvasOp::Chord, {B.Left, B.Top, B.Right, B.Bottom, S.X, S.Y, E.X, E.Y});
}
void TRecordingCanvas::DoTextOut(int X, int Y, std::string_view Text) {
  Record(TCanvasOp::TextOut, {X, Y}).Text = Text;
}
TSize TRecordingCanvas::DoTextExtent(std::string_view Text) {
  return FixedTextExtent(Text, Font().Height());
}
void TRecordingCanvas::DoDraw(int X, int Y, const TGraphic& G) {
  Record(TCanvasOp::Draw, {X, Y, G.Width(), G.Height()});
}
void TRecordingCanvas::DoStretchDraw(const TRect& R, const TGraphic& G) {
  Record(TCanvasOp::StretchDraw, {R.Left, R.Top, R.Right, R.Bottom, G.Width(), G.Height()});
}

void TRecordingCanvas::DcCall(const TDcCall& Call) {
  std::visit([this](const auto& C) { Dc(C); }, Call);
}

void TRecordingCanvas::Dc(const dc::TBeginPath&) { Record(TCanvasOp::BeginPath); }
void TRecordingCanvas::Dc(const dc::TMoveTo& C) { Record(TCanvasOp::MoveToEx, {C.P.X, C.P.Y}); }
void TRecordingCanvas::Dc(const dc::TLineTo& C) { Record(TCanvasOp::DcLineTo, {C.To.X, C.To.Y}); }
void TRecordingCanvas::Dc(const dc::TPolyBezierTo& C) {
  RecordPoints(TCanvasOp::PolyBezierTo, C.Points);
}
void TRecordingCanvas::Dc(const dc::TCloseFigure&) { Record(TCanvasOp::CloseFigure); }
void TRecordingCanvas::Dc(const dc::TEndPath&) { Record(TCanvasOp::EndPath); }
void TRecordingCanvas::Dc(const dc::TStrokePath& C) {
  Record(C.Fill ? TCanvasOp::StrokeAndFillPath : TCanvasOp::StrokePath);
}
void TRecordingCanvas::Dc(const dc::TPolyFillModeChanged& C) {
  Record(TCanvasOp::SetPolyFillMode, {C.Mode});
}

void TRecordingCanvas::Dc(const dc::TGradientFill& C) {
  TCanvasCall& Call = Record(TCanvasOp::GradientFill);
  Call.Args.reserve(1 + C.Vertices.size() * 6 + C.Triangles.size() * 3);
  Call.Args.push_back(static_cast<std::int32_t>(C.Vertices.size()));
  for (const TTriVertex& V : C.Vertices)
    Call.Args.insert(Call.Args.end(), {V.x, V.y, V.Red, V.Green, V.Blue, V.Alpha});
  for (const TGradientTriangle& T : C.Triangles)
    Call.Args.insert(Call.Args.end(), {static_cast<std::int32_t>(T.Vertex1),
                                       static_cast<std::int32_t>(T.Vertex2),
                                       static_cast<std::int32_t>(T.Vertex3)});
}

void TRecordingCanvas::Dc(const dc::TDrawText& C) {
  const TRect& R = C.Rect;
  Record(TCanvasOp::DrawText, {R.Left, R.Top, R.Right, R.Bottom, static_cast<std::int32_t>(C.Format)})
      .Text = C.Text;
  // One fixed-height line per line feed; single-line text is one line.
  std::int64_t Lines = 1;
  if ((C.Format & DT_SINGLELINE) == 0)
    for (const char Ch : C.Text) Lines += Ch == '\n';
  const std::int64_t Height = Lines * FixedTextExtent("", Font().Height()).cy;
  *C.Height = static_cast<int>(std::min<std::int64_t>(Height, INT32_MAX));
}

void TRecordingCanvas::Dc(const dc::TGetTextMetrics& C) {
  const TFontData& F = Font().Data();
  const std::int32_t Height = FixedTextExtent("", F.Height).cy;
  const std::int32_t Width = FixedTextExtent("x", F.Height).cx;
  TTextMetric& M = *C.Metrics;
  M.tmHeight = Height;
  M.tmDescent = Height / 5;
  M.tmAscent = Height - M.tmDescent;
  M.tmAveCharWidth = M.tmMaxCharWidth = Width;
  M.tmWeight = F.Style[fsBold] ? FW_BOLD : FW_NORMAL;
  M.tmItalic = F.Style[fsItalic];
  M.tmUnderlined = F.Style[fsUnderline];
  M.tmStruckOut = F.Style[fsStrikeOut];
  M.tmPitchAndFamily = static_cast<std::uint8_t>(
      (F.Pitch != fpFixed ? TMPF_FIXED_PITCH : 0) |
      (FTrueTypeFonts ? TMPF_VECTOR | TMPF_TRUETYPE : 0));
  M.tmCharSet = F.Charset;
}

namespace {

TPoint At(const std::vector<std::int32_t>& A, std::size_t I) { return {A[I], A[I + 1]}; }

TRect Box(const std::vector<std::int32_t>& A) { return {A[0], A[1], A[2], A[3]}; }

TCanvasPoints PointsOf(const std::vector<std::int32_t>& A) {
  TCanvasPoints Points;
  Points.reserve(A.size() / 2);
  for (std::size_t I = 0; I + 1 < A.size(); I += 2) Points.push_back(At(A, I));
  return Points;
}

void ReplayGradientFill(HDC DC, const std::vector<std::int32_t>& A) {
  const auto Count = static_cast<std::size_t>(A[0]);
  std::vector<TTriVertex> Vertices(Count);
  for (std::size_t I = 0; I < Count; ++I) {
    const std::int32_t* V = &A[1 + I * 6];
    Vertices[I] = {V[0], V[1], static_cast<std::uint16_t>(V[2]), static_cast<std::uint16_t>(V[3]),
                   static_cast<std::uint16_t>(V[4]), static_cast<std::uint16_t>(V[5])};
  }
  std::vector<TGradientTriangle> Triangles;
  for (std::size_t I = 1 + Count * 6; I + 2 < A.size(); I += 3)
    Triangles.push_back({static_cast<std::uint32_t>(A[I]), static_cast<std::uint32_t>(A[I + 1]),
                         static_cast<std::uint32_t>(A[I + 2])});
  GradientFill(DC, Vertices, Triangles, GRADIENT_FILL_TRIANGLE);
}

} // namespace

void TRecordingCanvas::Replay(TCanvas& Target) const {
  // Replaying onto this canvas appends to the record being read: read a copy.
  const std::vector<TCanvasCall> Own = &Target == this ? FCalls : std::vector<TCanvasCall>();
  HDC DC = Target.Handle();
  for (const TCanvasCall& C : &Target == this ? Own : FCalls) {
    Target.Pen().SetData(C.Pen);
    Target.Brush().SetData(C.Brush);
    Target.Font().SetData(C.Font);
    if (C.Op != TCanvasOp::SetPolyFillMode) SetPolyFillMode(DC, C.PolyFillMode);
    const auto& A = C.Args;
    switch (C.Op) {
      case TCanvasOp::MoveTo: Target.MoveTo(A[0], A[1]); break;
      case TCanvasOp::LineTo: Target.LineTo(A[0], A[1]); break;
      case TCanvasOp::Polygon: Target.Polygon(PointsOf(A)); break;
      case TCanvasOp::Polyline: Target.Polyline(PointsOf(A)); break;
      case TCanvasOp::Rectangle: Target.Rectangle(Box(A)); break;
      case TCanvasOp::FillRect: Target.FillRect(Box(A)); break;
      case TCanvasOp::Ellipse: Target.Ellipse(Box(A)); break;
      case TCanvasOp::RoundRect: Target.RoundRect(A[0], A[1], A[2], A[3], A[4], A[5]); break;
      case TCanvasOp::Pie: Target.Pie(A[0], A[1], A[2], A[3], A[4], A[5], A[6], A[7]); break;
      case TCanvasOp::Chord: Target.Chord(A[0], A[1], A[2], A[3], A[4], A[5], A[6], A[7]); break;
      case TCanvasOp::TextOut: Target.TextOut(A[0], A[1], C.Text); break;
      case TCanvasOp::Draw:
      case TCanvasOp::StretchDraw: break;
      case TCanvasOp::BeginPath: BeginPath(DC); break;
      case TCanvasOp::MoveToEx: MoveToEx(DC, A[0], A[1], nullptr); break;
      case TCanvasOp::DcLineTo: zk::LineTo(DC, A[0], A[1]); break;
      case TCanvasOp::PolyBezierTo: PolyBezierTo(DC, PointsOf(A)); break;
      case TCanvasOp::CloseFigure: CloseFigure(DC); break;
      case TCanvasOp::EndPath: EndPath(DC); break;
      case TCanvasOp::StrokePath: StrokePath(DC); break;
      case TCanvasOp::StrokeAndFillPath: StrokeAndFillPath(DC); break;
      case TCanvasOp::SetPolyFillMode: SetPolyFillMode(DC, A[0]); break;
      case TCanvasOp::GradientFill: ReplayGradientFill(DC, A); break;
      case TCanvasOp::DrawText: DrawTextW(DC, C.Text, Box(A), static_cast<std::uint32_t>(A[4])); break;
    }
  }
}

} // namespace zk
