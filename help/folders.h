#pragma once

#include <string>

#include "help/platform.h"

namespace tarvik {

std::string withoutTrailingSeparators(std::string path);
std::string folderPart(const std::string& path);  // without trailing separator
std::string fileNamePart(const std::string& path);

std::string SystemFolder(Platform& platform);
std::string WindowsFolder(Platform& platform);
// The user's temp folder; "c:" when the system names none that exists.
std::string TempFolder(Platform& platform);

// Tries to create and delete a scratch file in the folder; shows nothing on failure.
bool FolderWritable(const std::string& folder);

// Where the HTML Help control lives: the registered server (with %SYSTEMROOT% expanded),
// else the system folder's copy.
std::string FindHelpControl(Platform& platform);
std::string HelpControlFriendlyVersion(Platform& platform);
FileVersion BrowserVersion(Platform& platform);
std::string BrowserFriendlyVersion(Platform& platform);

}  // namespace tarvik
