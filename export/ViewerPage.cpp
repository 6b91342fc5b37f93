#include "ViewerPage.h"

#include <array>

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

std::string_view EscapeOf(char c)
{
    switch (c) {
    case '&': return "&amp;";
    case '"': return "&quot;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    default: return {};
    }
}

std::size_t EscapedSize(std::string_view text)
{
    std::size_t size = text.size();
    for (char c : text)
        size += EscapeOf(c).empty() ? 0 : EscapeOf(c).size() - 1;
    return size;
}

} // namespace

void AppendHtmlEscaped(std::string& out, std::string_view text)
{
    // Copy runs of plain bytes in one go; only the four special bytes are replaced.
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view escape = EscapeOf(text[i]);
        if (escape.empty())
            continue;
        out.append(text.substr(runStart, i - runStart));
        out.append(escape);
        runStart = i + 1;
    }
    out.append(text.substr(runStart));
}

std::string ComposeViewerPage(std::string_view baseName, std::string_view colour,
                              std::string_view record, ViewerLanguage language)
{
    const std::string_view applet = AppletTag(language);

    std::size_t size = EscapedSize(baseName) + EscapedSize(colour) + EscapedSize(record) + applet.size();
    for (const Part& part : kPageParts)
        size += part.text.size() + (part.endsItem ? kCrLf.size() : 0);

    std::string page;
    page.reserve(size);
    for (const Part& part : kPageParts) {
        switch (part.slot) {
        case Slot::Literal: page.append(part.text); break;
        case Slot::BaseName: AppendHtmlEscaped(page, baseName); break;
        case Slot::Colour: AppendHtmlEscaped(page, colour); break;
        case Slot::Applet: page.append(applet); break;
        case Slot::Record: AppendHtmlEscaped(page, record); break;
        }
        if (part.endsItem)
            page.append(kCrLf);
    }
    return page;
}
