// Any file name: the base name is NoTitle for an empty name, else the part of the name
// before its first full stop, with nothing else changed.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "BaseName.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view title(reinterpret_cast<const char*>(data), size);
    const std::string base = DeriveBaseName(title);
    const bool sound = title.empty()
                           ? base == "NoTitle"
                           : title.starts_with(base) && base.find('.') == std::string::npos &&
                                 (base.size() == title.size() || title[base.size()] == '.');
    if (!sound)
        std::abort();
    return 0;
}
