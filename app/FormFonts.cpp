#include "FormFonts.h"

#include <wx/fontenum.h>

namespace {

struct StandIn {
    const wchar_t* face;
    const wchar_t* standIn;
};

// Debian's fonts-ipafont: the same widths and heights as the Windows faces.
constexpr StandIn kStandIns[] = {
    {L"ＭＳ Ｐゴシック", L"IPAPGothic"},
    {L"ＭＳ ゴシック", L"IPAGothic"},
    {L"ＭＳ Ｐ明朝", L"IPAPMincho"},
    {L"ＭＳ 明朝", L"IPAMincho"},
};

} // namespace

wxString InstalledFace(const wxString& face)
{
    if (wxFontEnumerator::IsValidFacename(face))
        return face;
    for (const StandIn& s : kStandIns)
        if (face == s.face && wxFontEnumerator::IsValidFacename(s.standIn))
            return s.standIn;
    return face; // the toolkit picks its nearest match
}

wxFont MakeFormFont(const FontDescription& font)
{
    // The form's heights are character heights in pixels at 96 pixels per inch, the
    // font's em size; in points that is 3/4 of it. (wx's own pixel sizing fits the
    // whole line height instead, which comes out a size or two smaller.)
    const double points = font.pixelHeight * 72.0 / 96.0;
    return wxFont(wxFontInfo(points).FaceName(InstalledFace(font.face)).Encoding(font.charset));
}
