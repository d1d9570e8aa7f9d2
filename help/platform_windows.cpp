// The platform on Windows: the system's own folders, registry, version resources and the
// HTML Help control. Every text crosses this layer in the system's code page.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <vector>

#include "help/platform.h"

namespace tarvik {

namespace {

using HtmlHelpProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

std::string fromBuffer(const char* buffer, DWORD length)
{
    return std::string(buffer, buffer + length);
}

class WindowsPlatform final : public Platform {
public:
    std::string systemFolder() override
    {
        char buffer[MAX_PATH + 1] = {};
        return fromBuffer(buffer, GetSystemDirectoryA(buffer, MAX_PATH));
    }
    std::string windowsFolder() override
    {
        char buffer[MAX_PATH + 1] = {};
        return fromBuffer(buffer, GetWindowsDirectoryA(buffer, MAX_PATH));
    }
    std::string tempFolder() override
    {
        char buffer[301] = {};
        return fromBuffer(buffer, GetTempPathA(300, buffer));
    }
    std::string modulePath() override
    {
        char buffer[301] = {};
        return fromBuffer(buffer, GetModuleFileNameA(nullptr, buffer, 300));
    }
    std::string processExePath() override
    {
        char buffer[261] = {};
        return fromBuffer(buffer, GetModuleFileNameA(GetModuleHandleA(nullptr), buffer, 260));
    }
    std::vector<std::string> arguments() override
    {
        std::vector<std::string> args;
        for (int i = 1; i < __argc; ++i)
            args.emplace_back(__argv[i]);
        return args;
    }
    std::string rawCommandLine() override { return GetCommandLineA(); }

    bool fileExists(const std::string& path) override
    {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool folderExists(const std::string& path) override
    {
        const DWORD attributes = GetFileAttributesA(path.empty() ? "\\" : path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool makeAttributesNormal(const std::string& path) override
    {
        return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
    }
    bool deleteFile(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }

    FileVersion readFileVersion(const std::string& path) override
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        if (size == 0)
            return {};
        std::vector<char> data(size);
        if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data()))
            return {};
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
            return {};
        return makeFileVersion(HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                               HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
    }

    std::optional<std::string> readClassesRootDefault(const std::string& key) override
    {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
            return std::nullopt;
        char buffer[MAX_PATH + 1] = {};
        DWORD size = MAX_PATH;
        DWORD type = 0;
        std::string value;
        if (RegQueryValueExA(handle, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                             &size) == ERROR_SUCCESS)
            value = buffer;
        RegCloseKey(handle);
        return value;
    }
    LibraryHandle loadLibrary(const std::string& nameOrPath) override
    {
        return reinterpret_cast<LibraryHandle>(LoadLibraryA(nameOrPath.c_str()));
    }
    HtmlHelpEntry findHtmlHelpEntry(LibraryHandle library, const char* name) override
    {
        const auto address = GetProcAddress(reinterpret_cast<HMODULE>(library), name);
        if (!address)
            return nullptr;
        const auto proc = reinterpret_cast<HtmlHelpProc>(reinterpret_cast<void*>(address));
        return [proc](WindowHandle caller, const char* location, unsigned command,
                      std::uintptr_t data) -> WindowHandle {
            return proc(static_cast<HWND>(caller), location, command, data);
        };
    }
    void freeLibrary(LibraryHandle library) override
    {
        FreeLibrary(reinterpret_cast<HMODULE>(library));
    }

    WindowHandle desktopWindow() override { return GetDesktopWindow(); }
    void bringToForeground(WindowHandle window) override
    {
        SetForegroundWindow(static_cast<HWND>(window));
    }
    void yieldTimeSlice() override { Sleep(0); }

    std::intptr_t shellExecute(WindowHandle owner, const std::string& verb,
                               const std::string& file, const std::string& parameters,
                               const std::string& folder, int showMode) override
    {
        const HINSTANCE result = ShellExecuteA(
            static_cast<HWND>(owner), verb.c_str(), file.c_str(),
            parameters.empty() ? nullptr : parameters.c_str(),
            folder.empty() ? nullptr : folder.c_str(), showMode);
        return reinterpret_cast<std::intptr_t>(result);
    }
    unsigned long lastError() override { return GetLastError(); }

    OsVersionInfo osVersion() override
    {
        OsVersionInfo info;
        OSVERSIONINFOA version{};
        version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExA(&version))
            return info;
#pragma GCC diagnostic pop
        info.major = version.dwMajorVersion;
        info.minor = version.dwMinorVersion;
        info.build = version.dwBuildNumber & 0xFFFF;
        info.servicePack = version.szCSDVersion;
        if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) {
            if (info.major == 4)
                info.name = "\tWindows NT4";
            else if (info.major == 5 && info.minor == 0)
                info.name = "\tWindows 2000";
            else if (info.major == 5 && info.minor == 1)
                info.name = "\tWindows XP";
            else
                info.name = "\tWindows NT";
        } else {
            info.name = "\tWindows";
        }
        return info;
    }

    LocaleInfo userLocale() override
    {
        LocaleInfo info;
        const LCID lcid = GetUserDefaultLCID();
        info.lcid = lcid;
        info.primaryLanguage = PRIMARYLANGID(LANGIDFROMLCID(lcid));
        info.subLanguage = SUBLANGID(LANGIDFROMLCID(lcid));
        char buffer[8] = {};
        if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) > 0)
            info.decimalSeparator = buffer;
        return info;
    }

    std::string nowDateTimeText() override
    {
        char date[80] = {};
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
        return std::string(date) + " " + nowTimeText();
    }
    std::string nowTimeText() override
    {
        char time[80] = {};
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
        return time;
    }
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform(std::optional<InProcessHelpControl>)
{
    return std::make_unique<WindowsPlatform>();
}

}  // namespace tarvik
