#pragma once

#include <cstdint>
#include <string>

namespace tarvik {

// The fixed version of a file: four 16-bit numbers, major first.
// All zero and an empty text when the file has none.
struct FileVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t release = 0;
    std::uint16_t build = 0;
    std::string text;
};

FileVersion makeFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                            std::uint16_t build);

// 1 when a is greater, 0 when equal, -1 when smaller, number by number, major first.
int CompareVersions(const FileVersion& a, const FileVersion& b);

// Replaces a leading %SYSTEMROOT% (any letter case) by the Windows folder.
std::string ExpandSystemRoot(const std::string& path, const std::string& windowsFolder);

// The release name of the HTML Help control; empty when its version is unknown.
std::string helpControlReleaseName(const FileVersion& version);

// Old browser builds kept the build number in the last place; this moves it to the third.
FileVersion shuffleOldBrowserBuild(FileVersion version);

// The release name of the browser component (already shuffled); empty when unknown.
std::string browserReleaseName(const FileVersion& version);

}  // namespace tarvik
