// Any base name, colour and record: the page parses back into its fourteen items, the
// only quotes and angle brackets in it are the page's own, and un-escaping each inserted
// value gives back exactly the input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ViewerPage.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Takes `literal` from the front of `page`.
void Expect(std::string_view& page, std::string_view literal)
{
    Check(page.substr(0, literal.size()) == literal);
    page.remove_prefix(literal.size());
}

// Takes an inserted value from the front of `page`, up to `end`, and un-escapes it.
std::string Value(std::string_view& page, char end)
{
    const std::size_t stop = page.find(end);
    Check(stop != std::string_view::npos);
    std::string_view escaped = page.substr(0, stop);
    page.remove_prefix(stop);

    std::string value;
    while (!escaped.empty()) {
        const char c = escaped.front();
        Check(c != '"' && c != '<' && c != '>');
        if (c != '&') {
            value += c;
            escaped.remove_prefix(1);
            continue;
        }
        bool known = false;
        for (auto [entity, byte] : {std::pair{"&amp;", '&'}, {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}}) {
            if (escaped.starts_with(entity)) {
                value += byte;
                escaped.remove_prefix(std::string_view(entity).size());
                known = true;
                break;
            }
        }
        Check(known);
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    // Two bytes of lengths and one of language, then base name, colour and record.
    std::string_view input(reinterpret_cast<const char*>(data) + 3, size - 3);
    const std::size_t nameLength = std::min<std::size_t>(data[0] % 64, input.size());
    const std::string_view baseName = input.substr(0, nameLength);
    input.remove_prefix(nameLength);
    const std::size_t colourLength = std::min<std::size_t>(data[1] % 16, input.size());
    const std::string_view colour = input.substr(0, colourLength);
    const std::string_view record = input.substr(colourLength);
    const ViewerLanguage language = data[2] & 1 ? ViewerLanguage::Japanese : ViewerLanguage::English;

    const std::string composed = ComposeViewerPage(baseName, colour, record, language);
    std::string_view page = composed;
    Expect(page, "<HTML>\r\n<HEAD>\r\n<TITLE>");
    Check(Value(page, '<') == baseName);
    Expect(page, "</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=\"#");
    Check(Value(page, '"') == colour);
    Expect(page, "\" TOPMARGIN=1 MARGINHEIGHT=1 >\r\n<CENTER>\r\n");
    Expect(page, language == ViewerLanguage::English
                     ? "<APPLET CODEBASE=\"Quorin\" CODE=\"Tavlio.Tavlio.class\" WIDTH=399 HEIGHT=492 >\r\n"
                     : "<APPLET CODEBASE=\"Quorin\" CODE=\"Tavlio.TavlioJpn.class\" WIDTH=399 HEIGHT=545 >\r\n");
    Expect(page, "<PARAM NAME=\"moves\" VALUE=\"\r\n");
    std::string value = Value(page, '"');
    Check(value.ends_with("\r\n"));
    value.resize(value.size() - 2);
    Check(value == record);
    Expect(page, "\">\r\n</APPLET>\r\n</CENTER>\r\n</BODY>\r\n</HTML>\r\n");
    Check(page.empty());
    return 0;
}
