#include <gtest/gtest.h>

#include "BaseName.h"

namespace {

struct BaseNameCase {
    const char* title;
    const char* expected;
};

const BaseNameCase kBaseNameCases[] = {
    {"", "NoTitle"},
    {"game", "game"},
    {"game.sgf", "game"},
    {"a.b.c", "a"},
    {".sgf", ""},
    {".", ""},
    {"my game", "my game"},
    {"trailing blank ", "trailing blank "},
    {"back\\slash", "back\\slash"},
    {"sub/dir.x", "sub/dir"},
    {"\x95\x5C.sgf", "\x95\x5C"},
};

TEST(DeriveBaseName, TakesTheTextBeforeTheFirstFullStop)
{
    for (const BaseNameCase& c : kBaseNameCases)
        EXPECT_EQ(DeriveBaseName(c.title), c.expected) << "title: \"" << c.title << "\"";
}

} // namespace
