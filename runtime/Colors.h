#pragma once
/// Colours as the host keeps them: a signed 32-bit $00BBGGRR value, or a
/// system colour $FF0000xx (xx the platform's colour index), with the host's
/// identifier table ("clRed", "clBtnFace", ...).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zk {

/// A colour: $00BBGGRR (red in the low byte), or a system colour
/// `SystemColorFlag` | index, resolved by the canvas that draws it
/// (`TCanvas::ColorToRGB`).
using TColor = std::int32_t;
/// A list of colours, as gradients and colour schemes take them.
using TColors = std::vector<TColor>;

/// The high byte that marks a system colour; its low byte is the index.
inline constexpr TColor SystemColorFlag = static_cast<TColor>(0xFF000000u);

///@{
/// The sixteen standard colours, with `clLtGray` and `clDkGray` as the
/// other names of silver and grey.
inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000,
                        clOlive = 0x008080, clNavy = 0x800000, clPurple = 0x800080,
                        clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0,
                        clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                        clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00,
                        clWhite = 0xFFFFFF, clLtGray = clSilver, clDkGray = clGray;
///@}
///@{
/// The four extra colours of the platform's palette.
inline constexpr TColor clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                        clMedGray = 0xA4A0A0;
///@}
///@{
/// No colour at all (`clNone`) and the control's own default
/// (`clDefault`); neither is drawn as a colour.
inline constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;
///@}

/// The system colour of the platform's colour Index (0 to 0x1E).
inline constexpr TColor SystemColor(int Index) { return SystemColorFlag | Index; }
///@{
/// The system colours, by the platform's index; a canvas shows each as the
/// colour of its desktop theme (`TCanvas::ColorToRGB`).
inline constexpr TColor clScrollBar = SystemColor(0x00), clBackground = SystemColor(0x01),
    clActiveCaption = SystemColor(0x02), clInactiveCaption = SystemColor(0x03),
    clMenu = SystemColor(0x04), clWindow = SystemColor(0x05), clWindowFrame = SystemColor(0x06),
    clMenuText = SystemColor(0x07), clWindowText = SystemColor(0x08),
    clCaptionText = SystemColor(0x09), clActiveBorder = SystemColor(0x0A),
    clInactiveBorder = SystemColor(0x0B), clAppWorkSpace = SystemColor(0x0C),
    clHighlight = SystemColor(0x0D), clHighlightText = SystemColor(0x0E),
    clBtnFace = SystemColor(0x0F), clBtnShadow = SystemColor(0x10),
    clGrayText = SystemColor(0x11), clBtnText = SystemColor(0x12),
    clInactiveCaptionText = SystemColor(0x13), clBtnHighlight = SystemColor(0x14),
    cl3DDkShadow = SystemColor(0x15), cl3DLight = SystemColor(0x16),
    clInfoText = SystemColor(0x17), clInfoBk = SystemColor(0x18), clHotLight = SystemColor(0x1A),
    clGradientActiveCaption = SystemColor(0x1B), clGradientInactiveCaption = SystemColor(0x1C),
    clMenuHighlight = SystemColor(0x1D), clMenuBar = SystemColor(0x1E);
///@}

/// The identifier of a colour value ("clRed" for $0000FF); false when the
/// value has none (Ident is then left alone).
bool ColorToIdent(TColor Color, std::string& Ident);

/// The value of an identifier, ignoring ASCII case ("clbtnface"); false when
/// there is no such identifier (Color is then left alone).
bool IdentToColor(std::string_view Ident, TColor& Color);

/// The identifier, or "$" and eight upper-case hex digits ("$00123456").
std::string ColorToString(TColor Color);

/// An identifier, or an integer in decimal or in hex with "$" or "0x" (with an
/// optional sign; "$FFFFFFFF" wraps to -1). Anything else raises
/// `EConvertError` "'xyz' is not a valid integer value".
TColor StringToColor(std::string_view Text);

} // namespace zk
