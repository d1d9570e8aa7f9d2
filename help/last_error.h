#pragma once

#include <string>

namespace tarvik {

// "[Error:2] File Not Found": the code and a readable text for it.
std::string LastErrorText(unsigned long code);

}  // namespace tarvik
