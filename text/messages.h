#pragma once

#include <string>

namespace tarvik {

// The level data file could not be read: names the full path, in the tongue's language.
std::string fileErrorMessage(int tongue, const std::string& path);

}  // namespace tarvik
