#include "ViewerPage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view AppletTag(ViewerLanguage language)
{
    switch (language) {
    case ViewerLanguage::Japanese:
        return R"(<APPLET CODEBASE="Quorin" CODE="Tavlio.TavlioJpn.class" WIDTH=399 HEIGHT=545 >)";
    case ViewerLanguage::English:
        break;
    }
    return R"(<APPLET CODEBASE="Quorin" CODE="Tavlio.Tavlio.class" WIDTH=399 HEIGHT=492 >)";
}

// The page, item by item. A part is either literal text or one of the inserted values;
// an item ends where `endsItem` is set, and gets its CR LF there.
enum class Slot { Literal, BaseName, Colour, Applet, Record };
struct Part {
    Slot slot;
    std::string_view text;
    bool endsItem;
};

constexpr std::array kPageParts{
    Part{Slot::Literal, "<HTML>", true},
    Part{Slot::Literal, "<HEAD>", true},
    Part{Slot::Literal, "<TITLE>", false},
    Part{Slot::BaseName, "", false},
    Part{Slot::Literal, "</TITLE>", true},
    Part{Slot::Literal, "</HEAD>", true},
    Part{Slot::Literal, "<BODY BGCOLOR=\"#", false},
    Part{Slot::Colour, "", false},
    Part{Slot::Literal, "\" TOPMARGIN=1 MARGINHEIGHT=1 >", true},
    Part{Slot::Literal, "<CENTER>", true},
    Part{Slot::Applet, "", true},
    Part{Slot::Literal, "<PARAM NAME=\"moves\" VALUE=\"", true},
    Part{Slot::Record, "", true},
    Part{Slot::Literal, "\">", true},
    Part{Slot::Literal, "</APPLET>", true},
    Part{Slot::Literal, "</CENTER>", true},
    Part{Slot::Literal, "</BODY>", true},
    Part{Slot::Literal, "</HTML>", true},
};

// For each byte, the extra length its escape adds: non-zero only for the four special
// bytes. A table keeps the scan over a large record branch-light.
constexpr std::array<unsigned char, 256> kExtraLength = [] {
    std::array<unsigned char, 256> extra{};
    extra['&'] = 4;  // &amp;
    extra['"'] = 5;  // &quot;
    extra['<'] = 3;  // &lt;
    extra['>'] = 3;  // &gt;
    return extra;
}();

std::string_view EscapeOf(char c)
{
    switch (c) {
    case '&': return "&amp;";
    case '"': return "&quot;";
    case '<': return "&lt;";
    default: return "&gt;";
    }
}

unsigned ExtraLength(char c)
{
    return kExtraLength[static_cast<unsigned char>(c)];
}

// Where the next special byte is, at or after `from` (text.size() when there is none).
// Special bytes are rare in a record, so the scan skips eight plain bytes at a time.
std::size_t NextSpecial(std::string_view text, std::size_t from)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const auto hasByte = [](std::uint64_t word, unsigned char byte) {
        const std::uint64_t x = word ^ (kOnes * byte);
        return (x - kOnes) & ~x & kHighs;
    };
    while (from + 8 <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + from, sizeof word);
        if (hasByte(word, '&') | hasByte(word, '"') | hasByte(word, '<') | hasByte(word, '>'))
            break;
        from += 8;
    }
    while (from < text.size() && ExtraLength(text[from]) == 0)
        ++from;
    return from;
}

std::size_t EscapedSize(std::string_view text)
{
    std::size_t size = text.size();
    for (std::size_t i = NextSpecial(text, 0); i < text.size(); i = NextSpecial(text, i + 1))
        size += ExtraLength(text[i]);
    return size;
}

// Copies `text` to `out` with the four special bytes replaced; returns the end.
char* WriteEscaped(char* out, std::string_view text)
{
    std::size_t runStart = 0;
    for (std::size_t i = NextSpecial(text, 0); i < text.size(); i = NextSpecial(text, i + 1)) {
        out = std::copy(text.begin() + runStart, text.begin() + i, out);
        const std::string_view escape = EscapeOf(text[i]);
        out = std::copy(escape.begin(), escape.end(), out);
        runStart = i + 1;
    }
    return std::copy(text.begin() + runStart, text.end(), out);
}

char* WriteLiteral(char* out, std::string_view text)
{
    return std::copy(text.begin(), text.end(), out);
}

} // namespace

std::string ComposeViewerPage(std::string_view baseName, std::string_view colour,
                              std::string_view record, ViewerLanguage language)
{
    const std::string_view applet = AppletTag(language);

    std::size_t size = EscapedSize(baseName) + EscapedSize(colour) + EscapedSize(record) + applet.size();
    for (const Part& part : kPageParts)
        size += part.text.size() + (part.endsItem ? kCrLf.size() : 0);

    // The exact size is known, so the page is filled in place, in one pass.
    std::string page(size, '\0');
    char* out = page.data();
    for (const Part& part : kPageParts) {
        switch (part.slot) {
        case Slot::Literal: out = WriteLiteral(out, part.text); break;
        case Slot::BaseName: out = WriteEscaped(out, baseName); break;
        case Slot::Colour: out = WriteEscaped(out, colour); break;
        case Slot::Applet: out = WriteLiteral(out, applet); break;
        case Slot::Record: out = WriteEscaped(out, record); break;
        }
        if (part.endsItem)
            out = WriteLiteral(out, kCrLf);
    }
    return page;
}
