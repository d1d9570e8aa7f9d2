#pragma once

#include <string>
#include <vector>

#include "help/platform.h"

namespace tarvik {

// The facts about the running program and its help environment, fixed at start-up.
struct HelpEnvironment {
    std::string modulePath;   // _ModulePath
    std::string moduleDir;    // _ModuleDir
    std::string moduleName;   // _ModuleName
    std::string runDir;       // _RunDir
    std::string logFolder;
    bool debug = false;
    std::string hhVerStr;     // _hhVerStr
    bool hhInstalled = false; // _hhInstalled
    std::string hhFriendlyVerStr;
    std::string ieVerStr;
    bool ieInstalled = false;
    std::string ieFriendlyVerStr;
};

// "/debug" or "-debug" in any letter case; nothing else.
bool isDebugSwitch(const std::string& argument);
// The marker file "debug.debug" beside the program, or a debug switch among the arguments.
bool debugSwitchedOn(Platform& platform, const std::string& moduleDir,
                     const std::vector<std::string>& arguments);

HelpEnvironment detectHelpEnvironment(Platform& platform);

}  // namespace tarvik
