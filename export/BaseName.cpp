#include "BaseName.h"

std::string DeriveBaseName(std::string_view titleText)
{
    if (titleText.empty())
        return "NoTitle";
    return std::string(titleText.substr(0, titleText.find('.')));
}
