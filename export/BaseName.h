#pragma once

#include <string>
#include <string_view>

// The base name of both files, from the file name the user typed: everything before
// the first full stop, or "NoTitle" when nothing was typed. Nothing else is removed,
// so "game.sgf" gives "game" and ".sgf" gives the empty name.
std::string DeriveBaseName(std::string_view titleText);
