#include "tools/zkgfx/PictureOutput.h"

#include <charconv>
#include <optional>
#include <stdexcept>
#include <string>

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "qt/QtCanvas.h"
#include "tools/zkgfx/Command.h"
#include "tools/zkgfx/Files.h"
#include "tools/zkgfx/QtRuntimeFolder.h"

namespace zk::zkgfx {
namespace {

constexpr int MaxSide = 8192;  // pixels (or points) per side

enum class TFormat { Png, Pdf, Svg };

TFormat FormatOf(std::string_view Name) {
  const std::size_t Dot = Name.rfind('.');
  std::string Ext(Dot == std::string_view::npos ? std::string_view() : Name.substr(Dot + 1));
  for (char& C : Ext) C = static_cast<char>(C >= 'A' && C <= 'Z' ? C + 32 : C);
  if (Ext == "png") return TFormat::Png;
  if (Ext == "pdf") return TFormat::Pdf;
  if (Ext == "svg") return TFormat::Svg;
  throw UsageError("the output must end in .png, .pdf or .svg, not '" + std::string(Name) + "'");
}

// Text needs Qt's font database, which only a GUI application sets up; the
// tool makes one on the off-screen platform unless the environment names
// another.
class TGuiForText {
public:
  TGuiForText() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    FApp.emplace(FArgc, FArgv);
  }

private:
  TQtRuntimeFolder FRuntime;  // before the application, which asks for it
  int FArgc = 1;
  char FName[6] = "zkgfx";
  char* FArgv[2] = {FName, nullptr};
  std::optional<QGuiApplication> FApp;
};

void DrawOn(TQtCanvas& Canvas, const std::function<void(TQtCanvas&)>& Draw) {
  if (Canvas.Painter() == nullptr) throw std::runtime_error("cannot paint on the output");
  Draw(Canvas);
}

} // namespace

TPictureSize ParsePictureSize(std::string_view Text) {
  TPictureSize Size;
  const char* First = Text.data();
  const char* Last = First + Text.size();
  const auto [XAt, WError] = std::from_chars(First, Last, Size.Width);
  bool Ok = WError == std::errc{} && XAt != Last && (*XAt == 'x' || *XAt == 'X');
  if (Ok) {
    const auto [End, HError] = std::from_chars(XAt + 1, Last, Size.Height);
    Ok = HError == std::errc{} && End == Last;
  }
  if (!Ok || Size.Width < 1 || Size.Width > MaxSide || Size.Height < 1 || Size.Height > MaxSide)
    throw UsageError("--size must be WIDTHxHEIGHT, each from 1 to " + std::to_string(MaxSide) +
                     ", not '" + std::string(Text) + "'");
  return Size;
}

void CheckPictureName(std::string_view Name) { FormatOf(Name); }

void WritePicture(std::string_view Name, const TPictureSize& Size,
                  const std::function<void(TQtCanvas&)>& Draw, TPictureBase Base) {
  const TFormat Format = FormatOf(Name);
  const TGuiForText Gui;
  // Everything is painted into memory first and written by one checked
  // write, so a failure (a full disk, an unwritable directory) is reported
  // with its reason and leaves no partial file.
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  switch (Format) {
    case TFormat::Png: {
      const bool White = Base == TPictureBase::White;
      QImage Image(Size.Width, Size.Height,
                   White ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
      Image.fill(White ? Qt::white : Qt::transparent);
      {
        TQtCanvas Canvas(Image);
        DrawOn(Canvas, Draw);
      }
      if (!Image.save(&Buffer, "PNG")) throw std::runtime_error("cannot encode the picture as PNG");
      break;
    }
    case TFormat::Pdf: {
      QPdfWriter Writer(&Buffer);
      Writer.setResolution(72);  // one canvas pixel is one point
      Writer.setPageSize(QPageSize(QSizeF(Size.Width, Size.Height), QPageSize::Point));
      Writer.setPageMargins(QMarginsF(0, 0, 0, 0));
      TQtCanvas Canvas(Writer);
      DrawOn(Canvas, Draw);
      break;
    }
    case TFormat::Svg: {
      QSvgGenerator Generator;
      Generator.setOutputDevice(&Buffer);
      Generator.setSize(QSize(Size.Width, Size.Height));
      Generator.setViewBox(QRect(0, 0, Size.Width, Size.Height));
      TQtCanvas Canvas(Generator);
      DrawOn(Canvas, Draw);
      break;
    }
  }
  Buffer.close();
  WriteOutputFile(Name, std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size())));
}

} // namespace zk::zkgfx
