#pragma once

#include <string>
#include <string_view>

#include "ViewerLanguage.h"

// The viewer page for one record: fourteen lines, each ended by CR LF, that embed the
// viewer applet and hand it the whole record as its "moves" parameter.
//
// The base name, the colour and the record are written with &, ", < and > replaced by
// their character references, so a quote in a comment cannot end the parameter early
// and a record cannot put markup into the page. Every other byte is written as it is:
// those four bytes never occur inside a Shift-JIS or UTF-8 multi-byte character.
std::string ComposeViewerPage(std::string_view baseName, std::string_view colour,
                              std::string_view record, ViewerLanguage language);
