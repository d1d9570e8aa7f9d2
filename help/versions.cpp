#include "help/versions.h"

#include <array>
#include <cctype>
#include <string_view>

namespace tarvik {

FileVersion makeFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                            std::uint16_t build)
{
    FileVersion v{major, minor, release, build, {}};
    v.text = std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(release) +
             "." + std::to_string(build);
    return v;
}

int CompareVersions(const FileVersion& a, const FileVersion& b)
{
    const std::array<std::uint16_t, 4> left{a.major, a.minor, a.release, a.build};
    const std::array<std::uint16_t, 4> right{b.major, b.minor, b.release, b.build};
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (left[i] > right[i])
            return 1;
        if (left[i] < right[i])
            return -1;
    }
    return 0;
}

std::string ExpandSystemRoot(const std::string& path, const std::string& windowsFolder)
{
    static constexpr std::string_view placeholder = "%SYSTEMROOT%";
    if (path.size() < placeholder.size())
        return path;
    for (std::size_t i = 0; i < placeholder.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (std::toupper(c) != placeholder[i])
            return path;
    }
    return windowsFolder + path.substr(placeholder.size());
}

namespace {

struct NamedVersion {
    FileVersion reference;
    const char* name;
};

FileVersion v(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d)
{
    return makeFileVersion(a, b, c, d);
}

}  // namespace

std::string helpControlReleaseName(const FileVersion& version)
{
    if (version.text.empty())
        return {};
    const FileVersion newest = v(5, 2, 3669, 0);
    const int againstNewest = CompareVersions(version, newest);
    if (againstNewest > 0)
        return "> 1.4a";
    if (againstNewest == 0)
        return "1.4a";
    static const NamedVersion table[] = {
        {v(5, 2, 3626, 0), "1.4"},   {v(4, 74, 9273, 0), "1.33"}, {v(4, 74, 8857, 0), "1.32"},
        {v(4, 74, 8793, 0), "1.31"}, {v(4, 74, 8702, 0), "1.3"},  {v(4, 73, 8561, 0), "1.22"},
        {v(4, 73, 8474, 0), "1.21a"}, {v(4, 73, 8412, 0), "1.21"}, {v(4, 73, 8252, 0), "1.2"},
        {v(4, 72, 8164, 0), "1.1b"}, {v(4, 72, 7325, 0), "1.1a"}, {v(4, 72, 7323, 0), "1.1"},
        {v(4, 72, 7290, 0), "1.0"},
    };
    for (const auto& row : table)
        if (CompareVersions(version, row.reference) >= 0)
            return row.name;
    return "< 1.0";
}

FileVersion shuffleOldBrowserBuild(FileVersion version)
{
    if (version.major == 4 && version.minor <= 70 && version.release == 0)
        return makeFileVersion(version.major, version.minor, version.build, 0);
    return version;
}

std::string browserReleaseName(const FileVersion& version)
{
    if (version.text.empty())
        return {};
    if (version.major >= 7)
        return ">= Internet Explorer " + version.text;
    static const NamedVersion table[] = {
        {v(6, 0, 3790, 0), "Internet Explorer 6 (Windows Server 2003)"},
        {v(6, 0, 3718, 0), "Internet Explorer 6 (Windows Server 2003 RC2)"},
        {v(6, 0, 3663, 0), "Internet Explorer 6 (Windows Server 2003 RC1)"},
        {v(6, 0, 2900, 2180), "Internet Explorer 6 (Windows XP SP2)"},
        {v(6, 0, 2800, 1106), "Internet Explorer 6 SP1"},
        {v(6, 0, 2712, 300), "Internet Explorer 6 (Windows XP + minor update)"},
        {v(6, 0, 2600, 0), "Internet Explorer 6 (Windows XP)"},
        {v(6, 0, 2479, 6), "Internet Explorer 6 Public Preview (Beta) Refresh"},
        {v(6, 0, 2462, 0), "Internet Explorer 6 Public Preview (Beta)"},
        {v(5, 50, 4807, 2300), "Internet Explorer 5.5 Service Pack 2"},
        {v(5, 50, 4522, 1800), "Internet Explorer 5.5 Service Pack 1"},
        {v(5, 50, 4308, 2900), "Internet Explorer 5.5 Advanced Security Privacy Beta"},
        {v(5, 50, 4134, 600), "Internet Explorer 5.5"},
        {v(5, 50, 4134, 100), "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
        {v(5, 50, 4030, 2400), "Internet Explorer 5.5 & Internet Tools Beta"},
        {v(5, 50, 3825, 1300), "Internet Explorer 5.5 Developer Preview"},
        {v(5, 0, 2919, 6307), "Internet Explorer 5.01"},
        {v(5, 0, 2919, 3800), "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)"},
        {v(5, 0, 2919, 800), "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)"},
        {v(5, 0, 2721, 1400), "Internet Explorer 5.0 updated"},
        {v(5, 0, 2614, 0), "Internet Explorer 5.0b"},
        {v(5, 0, 2314, 0), "Internet Explorer 5.0a"},
        {v(5, 0, 2014, 0), "Internet Explorer 5.0"},
        {v(5, 0, 910, 0), "Internet Explorer 5 Beta (Beta 2)"},
        {v(5, 0, 518, 0), "Internet Explorer 5 Developer Preview (Beta 1)"},
        {v(4, 72, 3612, 0), "Internet Explorer 4.01 Service Pack 2 (SP2)"},
        {v(4, 72, 3110, 0), "Internet Explorer 4.01 Service Pack 1 (SP1)"},
        {v(4, 72, 2106, 0), "Internet Explorer 4.01"},
        {v(4, 71, 1712, 0), "Internet Explorer 4.0"},
        {v(4, 71, 1008, 0), "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
        {v(4, 71, 544, 0), "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
        {v(4, 70, 1300, 0), "Internet Explorer 3.02"},
        {v(4, 70, 1215, 0), "Internet Explorer 3.01"},
        {v(4, 70, 1158, 0), "Internet Explorer 3.0 (OSR2)"},
        {v(4, 70, 1155, 0), "Internet Explorer 3.0"},
        {v(4, 40, 520, 0), "Internet Explorer 2.0"},
        {v(4, 40, 308, 0), "Internet Explorer 1.0 (Plus!)"},
    };
    for (const auto& row : table)
        if (CompareVersions(version, row.reference) >= 0)
            return row.name;
    return "< Internet Explorer 1.0 (Plus!)";
}

}  // namespace tarvik
