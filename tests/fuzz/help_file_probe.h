#pragma once

#include <string_view>

namespace tarvik::fuzz {

// Hands the bytes to the help file reader as the game hands it vrel.chm, and asks the
// reader for everything the viewer can ask of a file: both rules topics, the title and every
// object the directory lists. True when the reader accepted the file.
bool readHelpFileBytes(std::string_view bytes);

}  // namespace tarvik::fuzz
