#pragma once

#include <string>
#include <string_view>

// Gives the file at `path` the content `bytes`, replacing any file of that name, so that
// the name always holds either the complete old file or the complete new one: the bytes
// go to a temporary file in the same folder, are flushed to disk, and the temporary is
// renamed over the target. A replaced file keeps its permission bits.
//
// Throws FileCreateError naming `path` when the file cannot be created or replaced (a
// missing folder, a name that cannot be a file, a target that is not writable), and
// StreamWriteError when not every byte could be stored. No temporary is left behind.
void ReplaceFile(const std::string& path, std::string_view bytes);
