#pragma once

#include <string>

namespace tarvik {

// How the location is addressed: as it is, or with one of the two protocol prefixes
// the viewer understands.
enum class LocationPrefix { None = 0, MkMsItStore = 1, MsIts = 2 };

// The location string given to the viewer: file, "::/topic" and ">window" as far as
// they are present, each part with "%20" turned into spaces and outer spaces dropped.
std::string BuildHelpLocation(const std::string& helpFile, const std::string& topic,
                              const std::string& windowName, LocationPrefix prefix);

}  // namespace tarvik
