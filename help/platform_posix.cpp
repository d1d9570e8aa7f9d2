// The platform for systems without the Windows API: the facts come from the usual POSIX
// sources, and the help control is the in-process viewer the program offers, if any.
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <langinfo.h>
#include <locale.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include "help/platform.h"
#include "help/shell_words.h"

extern char** environ;

namespace tarvik {

namespace {

namespace fs = std::filesystem;

std::vector<std::string> procCommandLine()
{
    // Read with plain system calls: the first C++ file stream of a run sets up
    // the standard library's locales, which costs the start more than half a
    // megabyte of memory for no use.
    std::string all;
    if (const int fd = ::open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC); fd >= 0) {
        char chunk[4096];
        ssize_t got;
        while ((got = ::read(fd, chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR)) {
            if (got > 0)
                all.append(chunk, static_cast<std::size_t>(got));
        }
        ::close(fd);
    }
    std::vector<std::string> parts;
    std::string current;
    for (char c : all) {
        if (c == '\0') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(current);
    return parts;
}

std::string selfExe()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

// Shared libraries carry their version in the file name after ".so.".
FileVersion sharedLibraryVersion(const std::string& path)
{
    std::error_code ec;
    const std::string real = fs::canonical(path, ec).filename().string();
    if (ec)
        return {};
    const auto at = real.find(".so.");
    if (at == std::string::npos)
        return {};
    unsigned parts[4] = {0, 0, 0, 0};
    std::size_t index = 0;
    const char* p = real.c_str() + at + 4;
    while (*p && index < 4) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(p, &end, 10);
        if (end == p)
            break;
        parts[index++] = static_cast<unsigned>(value & 0xFFFFu);
        p = (*end == '.') ? end + 1 : end;
        if (*end != '.')
            break;
    }
    if (index == 0)
        return {};
    return makeFileVersion(static_cast<std::uint16_t>(parts[0]), static_cast<std::uint16_t>(parts[1]),
                           static_cast<std::uint16_t>(parts[2]), static_cast<std::uint16_t>(parts[3]));
}

struct LanguageId {
    const char* prefix;
    unsigned lcid;
};

// The locale identifiers of the languages this program is likely to meet; others count as
// neutral.
constexpr LanguageId kLanguageIds[] = {
    {"de_DE", 0x0407}, {"de_AT", 0x0C07}, {"de_CH", 0x0807}, {"de_LU", 0x1007},
    {"de_LI", 0x1407}, {"de", 0x0407},    {"en_US", 0x0409}, {"en_GB", 0x0809},
    {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809},
    {"en", 0x0409},    {"fr_FR", 0x040C}, {"fr", 0x040C},    {"it", 0x0410},
    {"es", 0x0C0A},    {"nl", 0x0413},    {"C", 0x0409},     {"POSIX", 0x0409},
};

std::string localeName(const char* envName)
{
    for (const char* name : {"LC_ALL", envName, "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return "C";
}

class PosixPlatform final : public Platform {
public:
    explicit PosixPlatform(std::optional<InProcessHelpControl> viewer) : viewer_(std::move(viewer)) {}

    std::string systemFolder() override { return {}; }
    std::string windowsFolder() override { return {}; }
    std::string tempFolder() override
    {
        const char* tmp = std::getenv("TMPDIR");
        return tmp && *tmp ? tmp : "/tmp";
    }
    std::string modulePath() override { return selfExe(); }
    std::string processExePath() override { return selfExe(); }
    std::vector<std::string> arguments() override
    {
        auto all = procCommandLine();
        if (!all.empty())
            all.erase(all.begin());
        return all;
    }
    // There is no raw command line here, only the words the program was given; they are
    // shown quoted as a shell would need them, so that the line can be run again.
    std::string rawCommandLine() override { return shellQuotedLine(procCommandLine()); }

    bool fileExists(const std::string& path) override
    {
        std::error_code ec;
        return !path.empty() && fs::is_regular_file(path, ec);
    }
    bool folderExists(const std::string& path) override
    {
        std::error_code ec;
        return fs::is_directory(path.empty() ? std::string("/") : path, ec);
    }
    bool makeAttributesNormal(const std::string& path) override
    {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
        return !ec;
    }
    bool deleteFile(const std::string& path) override
    {
        std::error_code ec;
        return fs::remove(path, ec);
    }
    // No file carries a version resource here. A shared library's numbers come from its
    // file name (libchm.so.1.0.0 gives 1.0.0.0); the program file has none, so the EXE and
    // module versions of the log stay empty.
    FileVersion readFileVersion(const std::string& path) override
    {
        FileVersion version = sharedLibraryVersion(path);
        // A reader linked in statically has no version of its own; the viewer's counts.
        if (version.text.empty() && viewer_ && !viewer_->path.empty() && path == viewer_->path)
            return viewer_->version;
        return version;
    }

    std::string releaseNameOfHelpControl(const FileVersion&) override
    {
        return viewer_ ? viewer_->description : std::string();
    }
    std::optional<std::string> readClassesRootDefault(const std::string& key) override
    {
        // The viewer stands in for the registered HTML Help server.
        if (viewer_ && key.find("{adb880a6-d8ff-11cf-9377-00aa003b7a11}") != std::string::npos)
            return viewer_->path;
        return std::nullopt;
    }
    LibraryHandle loadLibrary(const std::string& nameOrPath) override
    {
        if (!viewer_)
            return nullptr;
        if (nameOrPath == "hhctrl.ocx" || nameOrPath == viewer_->path)
            return &*viewer_;
        return nullptr;
    }
    HtmlHelpEntry findHtmlHelpEntry(LibraryHandle library, const char* name) override
    {
        if (library != (viewer_ ? &*viewer_ : nullptr) || std::string(name) != "HtmlHelpA")
            return nullptr;
        return viewer_->entry;
    }
    void freeLibrary(LibraryHandle) override {}

    WindowHandle desktopWindow() override { return nullptr; }
    void bringToForeground(WindowHandle window) override
    {
        if (viewer_ && viewer_->bringToForeground)
            viewer_->bringToForeground(window);
    }
    void yieldTimeSlice() override { sched_yield(); }

    std::intptr_t shellExecute(WindowHandle, const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string& folder,
                               int) override
    {
        if (verb != "open") {
            lastError_ = 1150;
            return 0;
        }
        std::vector<std::string> words{file};
        std::string word;
        for (char c : parameters + " ") {
            if (c == ' ') {
                if (!word.empty())
                    words.push_back(word);
                word.clear();
            } else {
                word += c;
            }
        }
        std::vector<char*> argv;
        for (auto& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        (void)folder;
        pid_t child = 0;
        const int error = posix_spawn(&child, file.c_str(), nullptr, nullptr, argv.data(), environ);
        if (error != 0) {
            lastError_ = error == ENOENT ? 2 : error == EACCES ? 5 : error == ENOMEM ? 8 : 31;
            return error == ENOENT ? 2 : 0;
        }
        return 42;
    }
    unsigned long lastError() override { return lastError_; }

    // The system's name, the kernel release's first three numbers as version and build, and
    // in place of a service pack the kernel's own version text.
    OsVersionInfo osVersion() override
    {
        OsVersionInfo info;
        utsname names{};
        if (uname(&names) != 0) {
            info.name = "\tUnknown";
            return info;
        }
        info.name = std::string("\t") + names.sysname;
        unsigned numbers[3] = {0, 0, 0};
        const char* p = names.release;
        for (unsigned& n : numbers) {
            char* end = nullptr;
            n = static_cast<unsigned>(std::strtoul(p, &end, 10));
            if (end == p || *end != '.') {
                p = end;
                break;
            }
            p = end + 1;
        }
        info.major = numbers[0];
        info.minor = numbers[1];
        info.build = numbers[2];
        info.servicePack = names.version;
        return info;
    }

    // Locale identifiers are the Windows numbers, looked up here from the locale's name; a
    // language missing from the table counts as neutral (0x0400).
    LocaleInfo userLocale() override
    {
        LocaleInfo info;
        const std::string name = localeName("LC_NUMERIC");
        info.lcid = 0x0400;
        for (const auto& id : kLanguageIds)
            if (name.rfind(id.prefix, 0) == 0) {
                info.lcid = id.lcid;
                break;
            }
        info.primaryLanguage = info.lcid & 0x3FF;
        info.subLanguage = info.lcid >> 10;
        info.decimalSeparator = ".";
        if (locale_t loc = newlocale(LC_NUMERIC_MASK, "", nullptr)) {
            const char* radix = nl_langinfo_l(RADIXCHAR, loc);
            if (radix && *radix)
                info.decimalSeparator = radix;
            freelocale(loc);
        }
        return info;
    }

    std::string nowDateTimeText() override { return formatNow("%x %X"); }
    std::string nowTimeText() override { return formatNow("%X"); }

private:
    static std::string formatNow(const char* format)
    {
        const std::time_t now = std::time(nullptr);
        std::tm parts{};
        localtime_r(&now, &parts);
        char buffer[128] = {};
        locale_t loc = newlocale(LC_TIME_MASK, "", nullptr);
        std::size_t n = 0;
        if (loc) {
            n = strftime_l(buffer, sizeof buffer, format, &parts, loc);
            freelocale(loc);
        } else {
            n = std::strftime(buffer, sizeof buffer, format, &parts);
        }
        return std::string(buffer, n);
    }

    std::optional<InProcessHelpControl> viewer_;
    unsigned long lastError_ = 0;
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform(std::optional<InProcessHelpControl> viewer)
{
    return std::make_unique<PosixPlatform>(std::move(viewer));
}

}  // namespace tarvik
