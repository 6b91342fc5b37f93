#pragma once

// Which variant of the game viewer a page embeds; it also picks the page folder.
enum class ViewerLanguage { English, Japanese };
