#include "help/help_location.h"

#include <algorithm>

namespace tarvik {

namespace {

std::string cleaned(const std::string& raw)
{
    std::string part;
    part.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw.compare(i, 3, "%20") == 0) {
            part += ' ';
            i += 2;
        } else {
            part += raw[i];
        }
    }
    const auto first = part.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = part.find_last_not_of(' ');
    return part.substr(first, last - first + 1);
}

}  // namespace

std::string BuildHelpLocation(const std::string& helpFile, const std::string& topic,
                              const std::string& windowName, LocationPrefix prefix)
{
    const std::string file = cleaned(helpFile);
    std::string page = cleaned(topic);
    const std::string window = cleaned(windowName);

    std::string location;
    if (page.empty()) {
        location = file;
    } else {
        std::replace(page.begin(), page.end(), '\\', '/');
        if (page.front() != '/')
            page = "/" + page;
        location = file.empty() ? page : file + "::" + page;
    }
    if (!window.empty())
        location += ">" + window;

    switch (prefix) {
    case LocationPrefix::MkMsItStore:
        return "mk:@MSITStore:" + location;
    case LocationPrefix::MsIts:
        return "ms-its:" + location;
    case LocationPrefix::None:
        break;
    }
    return location;
}

}  // namespace tarvik
