#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "help/platform.h"

namespace tarvik::testing {

// A platform whose every fact is set by the test, and which records what was asked of it.
class FakePlatform : public Platform {
public:
    std::string system = "C:\\WINDOWS\\system32\\";
    std::string windows = "C:\\WINDOWS";
    std::string temp = "/tmp";
    std::string module = "/games/tarvik/tarvik-atoms";
    std::string exe = "/games/tarvik/tarvik-atoms";
    std::vector<std::string> args;
    std::string rawLine = "tarvik-atoms";
    std::set<std::string> files;
    std::set<std::string> folders{"/tmp"};
    std::map<std::string, FileVersion> versions;
    std::optional<std::string> registered;
    bool libraryLoads = true;
    HtmlHelpEntry entry;
    std::intptr_t shellResult = 42;
    unsigned long error = 0;
    OsVersionInfo os{"\tWindows XP", 5, 1, 2600, "Service Pack 2"};
    LocaleInfo locale{0x0407, 0x07, 0x01, ","};

    std::vector<std::string> shellCalls;
    std::vector<WindowHandle> foreground;
    int yields = 0;
    int freed = 0;

    std::string systemFolder() override { return system; }
    std::string windowsFolder() override { return windows; }
    std::string tempFolder() override { return temp; }
    std::string modulePath() override { return module; }
    std::string processExePath() override { return exe; }
    std::vector<std::string> arguments() override { return args; }
    std::string rawCommandLine() override { return rawLine; }
    bool fileExists(const std::string& path) override { return files.count(path) > 0; }
    bool folderExists(const std::string& path) override { return folders.count(path) > 0; }
    bool makeAttributesNormal(const std::string&) override { return true; }
    bool deleteFile(const std::string& path) override { return files.erase(path) > 0; }
    FileVersion readFileVersion(const std::string& path) override
    {
        const auto found = versions.find(path);
        return found == versions.end() ? FileVersion{} : found->second;
    }
    std::optional<std::string> readClassesRootDefault(const std::string&) override { return registered; }
    LibraryHandle loadLibrary(const std::string&) override { return libraryLoads ? this : nullptr; }
    HtmlHelpEntry findHtmlHelpEntry(LibraryHandle, const char*) override { return entry; }
    void freeLibrary(LibraryHandle) override { ++freed; }
    WindowHandle desktopWindow() override { return nullptr; }
    void bringToForeground(WindowHandle window) override { foreground.push_back(window); }
    void yieldTimeSlice() override { ++yields; }
    std::intptr_t shellExecute(WindowHandle, const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string&, int showMode) override
    {
        shellCalls.push_back(verb + "|" + file + "|" + parameters + "|" + std::to_string(showMode));
        return shellResult;
    }
    unsigned long lastError() override { return error; }
    OsVersionInfo osVersion() override { return os; }
    LocaleInfo userLocale() override { return locale; }
    std::string nowDateTimeText() override { return "08.12.2026 03:04:05"; }
    std::string nowTimeText() override { return "03:04:05"; }
};

}  // namespace tarvik::testing
