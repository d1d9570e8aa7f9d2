#include "help/environment.h"

#include <algorithm>
#include <cctype>

#include "help/folders.h"

namespace tarvik {

bool isDebugSwitch(const std::string& argument)
{
    if (argument.size() != 6 || (argument[0] != '/' && argument[0] != '-'))
        return false;
    std::string word = argument.substr(1);
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return word == "debug";
}

bool debugSwitchedOn(Platform& platform, const std::string& moduleDir,
                     const std::vector<std::string>& arguments)
{
    if (platform.fileExists(moduleDir + kPathSeparator + "debug.debug"))
        return true;
    return std::any_of(arguments.begin(), arguments.end(), isDebugSwitch);
}

HelpEnvironment detectHelpEnvironment(Platform& platform)
{
    HelpEnvironment env;
    env.modulePath = platform.modulePath();
    if (env.modulePath.size() > 300)
        env.modulePath.resize(300);
    env.moduleDir = folderPart(env.modulePath);
    env.moduleName = fileNamePart(env.modulePath);

    std::string exePath = platform.processExePath();
    if (exePath.size() > 260)
        exePath.resize(260);
    env.runDir = folderPart(exePath);

    env.logFolder = FolderWritable(env.moduleDir) ? env.moduleDir : TempFolder(platform);
    env.debug = debugSwitchedOn(platform, env.moduleDir, platform.arguments());

    env.hhVerStr = platform.readFileVersion(FindHelpControl(platform)).text;
    env.hhInstalled = !env.hhVerStr.empty();
    env.hhFriendlyVerStr = HelpControlFriendlyVersion(platform);
    env.ieVerStr = BrowserVersion(platform).text;
    env.ieInstalled = !env.ieVerStr.empty();
    env.ieFriendlyVerStr = BrowserFriendlyVersion(platform);
    return env;
}

}  // namespace tarvik
