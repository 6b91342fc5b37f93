#include "Unit1Form.h"

#include "Unit1.h"

namespace {

constexpr wxFontEncoding kShiftJis = wxFONTENCODING_SHIFT_JIS;
constexpr const wchar_t* kMincho = L"ＭＳ 明朝";
constexpr FontDescription Mincho(int pixelHeight) { return {kMincho, pixelHeight, kShiftJis}; }

constexpr std::uint32_t kBlack = 0x000000, kOlive = 0x808000, kPurple = 0x800080, kRed = 0xFF0000,
                        kTeal = 0x008080, kBlue = 0x0000FF;
constexpr int kNoTab = -1;

} // namespace

const FormDescription kForm1{"Form1", 600, 460, L"Form1", {L"ＭＳ Ｐゴシック", 12, kShiftJis}};

namespace {

// kind, name, left, top, width, height, text, font, colour, tab order, visible, checked, interval, handler
const ControlDescription kControls[] = {
    {ControlKind::Label, "Label1", 360, 335, 122, 19, L"html bgcolor", Mincho(19), kOlive, kNoTab, true, false, 0, nullptr},
    {ControlKind::Label, "Label2", 360, 300, 90, 19, L"File Name", Mincho(19), kPurple, kNoTab, true, false, 0, nullptr},
    {ControlKind::Label, "Label3", 124, 384, 247, 37, L"Make Files OK", Mincho(37), kRed, kNoTab, true, false, 0, nullptr},
    {ControlKind::Memo, "Memo1", 15, 12, 565, 263, L"", Mincho(16), kBlack, 0, true, false, 0, nullptr},
    {ControlKind::Button, "Button1", 142, 326, 200, 38, L"Make Files", Mincho(27), kTeal, 1, true, false, 0, &TForm1::Button1Click},
    {ControlKind::RadioButton, "RadioButton1", 15, 300, 113, 25, L"English", Mincho(21), kTeal, 2, true, true, 0, nullptr},
    {ControlKind::RadioButton, "RadioButton2", 15, 330, 113, 29, L"Japanese", Mincho(21), kBlue, 3, true, false, 0, nullptr},
    {ControlKind::Edit, "Edit1", 488, 330, 91, 27, L"f8e0e0", Mincho(19), kBlack, 4, true, false, 0, nullptr},
    {ControlKind::Edit, "Edit2", 458, 296, 121, 27, L"NoTitle", Mincho(19), kBlack, 5, true, false, 0, nullptr},
    {ControlKind::Button, "Button2", 212, 280, 62, 23, L"Reset", Mincho(16), kBlack, 7, true, false, 0, &TForm1::Button2Click},
    {ControlKind::Timer, "Timer1", 0, 0, 0, 0, L"", {}, 0, kNoTab, false, false, 1000, &TForm1::Timer1Timer},
};

} // namespace

const std::span<const ControlDescription> kForm1Controls = kControls;
