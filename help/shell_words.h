#pragma once

#include <string>
#include <vector>

namespace tarvik {

// The words joined into one command line as a POSIX shell would need it typed: a word
// with nothing special stays bare, any other goes in single quotes.
std::string shellQuotedLine(const std::vector<std::string>& words);

}  // namespace tarvik
