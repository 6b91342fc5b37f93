#include <string>

#include <gtest/gtest.h>

#include "ViewerPage.h"

namespace {

using namespace std::string_literals;

struct PageCase {
    const char* what;
    std::string baseName;
    std::string colour;
    std::string record;
    ViewerLanguage language;
    std::string expected;
};

// Every expected page is written out whole, byte for byte.
const PageCase kPageCases[] = {
    {"english, record without a line break", "game", "f8e0e0", "(;GM[1]SZ[19];B[pd])", ViewerLanguage::English,
     "<HTML>\r\n"
     "<HEAD>\r\n"
     "<TITLE>game</TITLE>\r\n"
     "</HEAD>\r\n"
     "<BODY BGCOLOR=\"#f8e0e0\" TOPMARGIN=1 MARGINHEIGHT=1 >\r\n"
     "<CENTER>\r\n"
     "<APPLET CODEBASE=\"Quorin\" CODE=\"Tavlio.Tavlio.class\" WIDTH=399 HEIGHT=492 >\r\n"
     "<PARAM NAME=\"moves\" VALUE=\"\r\n"
     "(;GM[1]SZ[19];B[pd])\r\n"
     "\">\r\n"
     "</APPLET>\r\n"
     "</CENTER>\r\n"
     "</BODY>\r\n"
     "</HTML>\r\n"},
    {"japanese, record ending in CR LF", "kisei", "ffffff", "(;GM[1]\r\n;B[pd])\r\n", ViewerLanguage::Japanese,
     "<HTML>\r\n"
     "<HEAD>\r\n"
     "<TITLE>kisei</TITLE>\r\n"
     "</HEAD>\r\n"
     "<BODY BGCOLOR=\"#ffffff\" TOPMARGIN=1 MARGINHEIGHT=1 >\r\n"
     "<CENTER>\r\n"
     "<APPLET CODEBASE=\"Quorin\" CODE=\"Tavlio.TavlioJpn.class\" WIDTH=399 HEIGHT=545 >\r\n"
     "<PARAM NAME=\"moves\" VALUE=\"\r\n"
     "(;GM[1]\r\n;B[pd])\r\n"
     "\r\n"
     "\">\r\n"
     "</APPLET>\r\n"
     "</CENTER>\r\n"
     "</BODY>\r\n"
     "</HTML>\r\n"},
    {"empty colour and empty base name", "", "", "(;)", ViewerLanguage::English,
     "<HTML>\r\n"
     "<HEAD>\r\n"
     "<TITLE></TITLE>\r\n"
     "</HEAD>\r\n"
     "<BODY BGCOLOR=\"#\" TOPMARGIN=1 MARGINHEIGHT=1 >\r\n"
     "<CENTER>\r\n"
     "<APPLET CODEBASE=\"Quorin\" CODE=\"Tavlio.Tavlio.class\" WIDTH=399 HEIGHT=492 >\r\n"
     "<PARAM NAME=\"moves\" VALUE=\"\r\n"
     "(;)\r\n"
     "\">\r\n"
     "</APPLET>\r\n"
     "</CENTER>\r\n"
     "</BODY>\r\n"
     "</HTML>\r\n"},
    {"bare LF and bare CR stay as they are", "lf", "f8e0e0", "(;GM[1]\n;B[aa]\r;W[bb]\n)", ViewerLanguage::English,
     "<HTML>\r\n"
     "<HEAD>\r\n"
     "<TITLE>lf</TITLE>\r\n"
     "</HEAD>\r\n"
     "<BODY BGCOLOR=\"#f8e0e0\" TOPMARGIN=1 MARGINHEIGHT=1 >\r\n"
     "<CENTER>\r\n"
     "<APPLET CODEBASE=\"Quorin\" CODE=\"Tavlio.Tavlio.class\" WIDTH=399 HEIGHT=492 >\r\n"
     "<PARAM NAME=\"moves\" VALUE=\"\r\n"
     "(;GM[1]\n;B[aa]\r;W[bb]\n)\r\n"
     "\">\r\n"
     "</APPLET>\r\n"
     "</CENTER>\r\n"
     "</BODY>\r\n"
     "</HTML>\r\n"},
    {"the four special characters in every inserted value", "a&b\"c<d>e", "\"><script>", "(;C[\"Hi\" & <b>bye</b>])",
     ViewerLanguage::Japanese,
     "<HTML>\r\n"
     "<HEAD>\r\n"
     "<TITLE>a&amp;b&quot;c&lt;d&gt;e</TITLE>\r\n"
     "</HEAD>\r\n"
     "<BODY BGCOLOR=\"#&quot;&gt;&lt;script&gt;\" TOPMARGIN=1 MARGINHEIGHT=1 >\r\n"
     "<CENTER>\r\n"
     "<APPLET CODEBASE=\"Quorin\" CODE=\"Tavlio.TavlioJpn.class\" WIDTH=399 HEIGHT=545 >\r\n"
     "<PARAM NAME=\"moves\" VALUE=\"\r\n"
     "(;C[&quot;Hi&quot; &amp; &lt;b&gt;bye&lt;/b&gt;])\r\n"
     "\">\r\n"
     "</APPLET>\r\n"
     "</CENTER>\r\n"
     "</BODY>\r\n"
     "</HTML>\r\n"},
    {"an escape already in the record is escaped again", "x", "f8e0e0", "C[&amp;&#34;]", ViewerLanguage::English,
     "<HTML>\r\n"
     "<HEAD>\r\n"
     "<TITLE>x</TITLE>\r\n"
     "</HEAD>\r\n"
     "<BODY BGCOLOR=\"#f8e0e0\" TOPMARGIN=1 MARGINHEIGHT=1 >\r\n"
     "<CENTER>\r\n"
     "<APPLET CODEBASE=\"Quorin\" CODE=\"Tavlio.Tavlio.class\" WIDTH=399 HEIGHT=492 >\r\n"
     "<PARAM NAME=\"moves\" VALUE=\"\r\n"
     "C[&amp;amp;&amp;#34;]\r\n"
     "\">\r\n"
     "</APPLET>\r\n"
     "</CENTER>\r\n"
     "</BODY>\r\n"
     "</HTML>\r\n"},
    // 0x95 0x5C is a Shift-JIS character whose second byte is the backslash.
    {"Shift-JIS bytes and a NUL byte pass untouched", "\x95\x5C", "f8e0e0", "C[\x95\x5C\x82\xA0]\0]"s,
     ViewerLanguage::Japanese,
     "<HTML>\r\n"
     "<HEAD>\r\n"
     "<TITLE>\x95\x5C</TITLE>\r\n"
     "</HEAD>\r\n"
     "<BODY BGCOLOR=\"#f8e0e0\" TOPMARGIN=1 MARGINHEIGHT=1 >\r\n"
     "<CENTER>\r\n"
     "<APPLET CODEBASE=\"Quorin\" CODE=\"Tavlio.TavlioJpn.class\" WIDTH=399 HEIGHT=545 >\r\n"
     "<PARAM NAME=\"moves\" VALUE=\"\r\n"
     "C[\x95\x5C\x82\xA0]\0]\r\n"
     "\">\r\n"
     "</APPLET>\r\n"
     "</CENTER>\r\n"
     "</BODY>\r\n"
     "</HTML>\r\n"s},
};

void PrintTo(const PageCase& c, std::ostream* os)
{
    *os << c.what;
}

class ViewerPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(ViewerPage, IsExactlyTheExpectedBytes)
{
    const PageCase& c = GetParam();
    EXPECT_EQ(ComposeViewerPage(c.baseName, c.colour, c.record, c.language), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ViewerPage, ::testing::ValuesIn(kPageCases),
                         [](const ::testing::TestParamInfo<PageCase>& param) {
                             return "Case" + std::to_string(param.index);
                         });

} // namespace
