#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "help/versions.h"

namespace tarvik {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// A window of the system, as the viewer and the shell see it; null for none.
using WindowHandle = void*;

// The viewer's single entry point: calling window, location, command, data; it answers
// with the window it shows, or none.
using HtmlHelpEntry =
    std::function<WindowHandle(WindowHandle caller, const char* location, unsigned command,
                               std::uintptr_t data)>;

using LibraryHandle = void*;

struct OsVersionInfo {
    std::string name;  // already begins with a tab
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
    std::string servicePack;  // empty when the system names none
};

struct LocaleInfo {
    unsigned lcid = 0;
    unsigned primaryLanguage = 0;
    unsigned subLanguage = 0;
    std::string decimalSeparator;
};

// Everything the help integration asks of the operating system. One implementation for
// Windows, one for everything else; tests use fakes.
class Platform {
public:
    virtual ~Platform() = default;

    // Folders as the system reports them (separators not yet trimmed); empty when the
    // system has no such folder.
    virtual std::string systemFolder() = 0;
    virtual std::string windowsFolder() = 0;
    virtual std::string tempFolder() = 0;

    virtual std::string modulePath() = 0;
    virtual std::string processExePath() = 0;
    // Command-line arguments from the first on (without the program itself).
    virtual std::vector<std::string> arguments() = 0;
    virtual std::string rawCommandLine() = 0;

    virtual bool fileExists(const std::string& path) = 0;
    virtual bool folderExists(const std::string& path) = 0;
    virtual bool makeAttributesNormal(const std::string& path) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    virtual FileVersion readFileVersion(const std::string& path) = 0;

    // The default value of a key under the classes root; nothing when the key is absent.
    virtual std::optional<std::string> readClassesRootDefault(const std::string& key) = 0;
    // The release name of the help control in that version. Only the system's own control
    // has the release names of the HTML Help table; a stand-in says what it is instead.
    virtual std::string releaseNameOfHelpControl(const FileVersion& version)
    {
        return helpControlReleaseName(version);
    }
    virtual LibraryHandle loadLibrary(const std::string& nameOrPath) = 0;
    virtual HtmlHelpEntry findHtmlHelpEntry(LibraryHandle library, const char* name) = 0;
    virtual void freeLibrary(LibraryHandle library) = 0;

    virtual WindowHandle desktopWindow() = 0;
    virtual void bringToForeground(WindowHandle window) = 0;
    virtual void yieldTimeSlice() = 0;

    // The shell's "open" and the like: a result above 32 is success.
    virtual std::intptr_t shellExecute(WindowHandle owner, const std::string& verb,
                                       const std::string& file, const std::string& parameters,
                                       const std::string& folder, int showMode) = 0;
    virtual unsigned long lastError() = 0;

    virtual OsVersionInfo osVersion() = 0;
    virtual LocaleInfo userLocale() = 0;
    // Now, in the system's short date plus long time format, and in the long time format.
    virtual std::string nowDateTimeText() = 0;
    virtual std::string nowTimeText() = 0;
};

// What the portable platform needs to offer an in-process help viewer in place of the
// system's control: where the reader lives, its version, what it is, and the viewer's
// entry point.
struct InProcessHelpControl {
    std::string path;
    FileVersion version;
    std::string description;  // stands where the control's release name would
    HtmlHelpEntry entry;
    std::function<void(WindowHandle)> bringToForeground;
};

// The platform of the machine the program runs on. The portable one is told about the
// in-process viewer, if there is one; the Windows one ignores it.
std::unique_ptr<Platform> makeSystemPlatform(std::optional<InProcessHelpControl> viewer);

}  // namespace tarvik
