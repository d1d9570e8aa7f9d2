#pragma once

#include <string>

// Texts about saved games, in both languages (German exactly when tongue is 1).
namespace tarvik::texts {

// fileName is the name without its folder, with ".tkx".
std::string overwriteQuestion(int tongue, const std::string& fileName);
std::string saveFailureMessage(int tongue, const std::string& fileName);
// fullPath includes the folder, unlike the save messages.
std::string loadFailureMessage(int tongue, const std::string& fullPath);

// The main window's caption: the program and version, and the current
// progress file's name when there is one.
std::string windowCaption(int tongue, bool hasProgressFile, const std::string& fileName);

}  // namespace tarvik::texts
