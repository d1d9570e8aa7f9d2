#include "help/folders.h"

#include <cstdio>

namespace tarvik {

namespace {

bool isSeparator(char c)
{
    return c == '/' || c == kPathSeparator;
}

}  // namespace

std::string withoutTrailingSeparators(std::string path)
{
    while (!path.empty() && isSeparator(path.back()))
        path.pop_back();
    return path;
}

std::string folderPart(const std::string& path)
{
    std::size_t at = path.size();
    while (at > 0 && !isSeparator(path[at - 1]))
        --at;
    return withoutTrailingSeparators(path.substr(0, at));
}

std::string fileNamePart(const std::string& path)
{
    std::size_t at = path.size();
    while (at > 0 && !isSeparator(path[at - 1]))
        --at;
    return path.substr(at);
}

std::string SystemFolder(Platform& platform)
{
    return withoutTrailingSeparators(platform.systemFolder());
}

std::string WindowsFolder(Platform& platform)
{
    return withoutTrailingSeparators(platform.windowsFolder());
}

std::string TempFolder(Platform& platform)
{
    std::string folder = platform.tempFolder();
    if (folder.size() > 300)
        folder.resize(300);
    if (folder.empty() || !platform.folderExists(folder))
        folder = "c:";
    return withoutTrailingSeparators(folder);
}

bool FolderWritable(const std::string& folder)
{
    const std::string probe = withoutTrailingSeparators(folder) + kPathSeparator + "$_Temp_$.$$$";
    // A C stream rather than a C++ one: the first C++ file stream of a run sets
    // up the standard library's locales, which costs the start memory for no use.
    std::FILE* out = std::fopen(probe.c_str(), "wb");
    if (!out)
        return false;
    std::fclose(out);
    return std::remove(probe.c_str()) == 0;
}

std::string FindHelpControl(Platform& platform)
{
    std::string path;
    if (auto registered =
            platform.readClassesRootDefault("CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32")) {
        path = ExpandSystemRoot(*registered, WindowsFolder(platform));
        if (!path.empty() && !platform.fileExists(path))
            path.clear();
    }
    if (path.empty())
        path = SystemFolder(platform) + kPathSeparator + "hhctrl.ocx";
    return path;
}

std::string HelpControlFriendlyVersion(Platform& platform)
{
    const FileVersion version = platform.readFileVersion(FindHelpControl(platform));
    return version.text.empty() ? std::string() : platform.releaseNameOfHelpControl(version);
}

FileVersion BrowserVersion(Platform& platform)
{
    return shuffleOldBrowserBuild(
        platform.readFileVersion(SystemFolder(platform) + kPathSeparator + "Shdocvw.dll"));
}

std::string BrowserFriendlyVersion(Platform& platform)
{
    return browserReleaseName(BrowserVersion(platform));
}

}  // namespace tarvik
