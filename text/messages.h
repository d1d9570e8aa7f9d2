#pragma once

#include <string>

namespace tarvik {

// The level data file could not be read: names the full path, in the tongue's language.
std::string fileErrorMessage(int tongue, const std::string& path);

// Saved games. fileName is the name without its folder, with ".tkx".
std::string overwriteQuestion(int tongue, const std::string& fileName);
std::string saveFailureMessage(int tongue, const std::string& fileName);
// fullPath includes the folder, unlike the save messages.
std::string loadFailureMessage(int tongue, const std::string& fullPath);

// The main window's caption: the program and version, and the current
// progress file's name when there is one.
std::string windowCaption(int tongue, bool hasProgressFile, const std::string& fileName);

}  // namespace tarvik
