#include "help/last_error.h"

namespace tarvik {

namespace {

const char* errorName(unsigned long code)
{
    switch (code) {
    case 2: return "File Not Found";
    case 3: return "Path Not Found";
    case 5: return "Access Denied";
    case 8: return "Insufficient Memory";
    case 19: return "Media Is Write Protected";
    case 21: return "Device Not Ready";
    case 32:
    case 33: return "File In Use";
    case 39:
    case 112: return "Disk Full";
    case 276:
    case 1005:
    case 1392:
    case 1393: return "Corrupt File Or Disk";
    case 1009:
    case 1358: return "Corrupt Registry";
    case 1150: return "Windows Version Incorrect";
    case 1151: return "Not A Windows Or MSDos Program";
    default: return "General Failure";
    }
}

}  // namespace

std::string LastErrorText(unsigned long code)
{
    return "[Error:" + std::to_string(code) + "] " + errorName(code);
}

}  // namespace tarvik
