#include "help/show_context.h"

#include "help/folders.h"
#include "help/help_commands.h"
#include "help/help_location.h"
#include "help/help_runtime.h"
#include "help/last_error.h"

namespace tarvik {

namespace {

constexpr int SW_SHOWDEFAULT = 10;

// Runs a viewer program from the Windows folder; false when it is not there (a machine
// without a Windows folder has none).
bool runWindowsProgram(const std::string& program, const std::string& parameters)
{
    HelpRuntime& runtime = helpRuntime();
    const std::string windowsFolder = WindowsFolder(*runtime.platform);
    if (windowsFolder.empty())
        return false;
    const std::string file = windowsFolder + kPathSeparator + program;
    if (!runtime.platform->fileExists(file))
        return false;
    ShellOpenFile(file, parameters);
    return true;
}

}  // namespace

int HHHelpContext(const std::string& helpFile, int context, const std::string& windowName,
                  std::uint8_t mode)
{
    LogLine("HHHelpContext(\"%s\", %d, \"%s\", %d)", {helpFile, context, windowName, mode});
    const auto prefix = mode == kModeHHExe ? LocationPrefix::MkMsItStore : LocationPrefix::None;
    return ShowContext(BuildHelpLocation(helpFile, "", windowName, prefix), context, mode);
}

int ShowContext(const std::string& location, int context, std::uint8_t mode)
{
    LogLine("ShowContext(\"%s\", %d)", {location, mode});
    HelpRuntime& runtime = helpRuntime();
    int result = HH_OK;
    if (!runtime.env.hhInstalled || !runtime.platform) {
        result = HH_NOT_INSTALLED;
    } else if (mode == kModeViewer) {
        // Installed but without an entry point: nothing can be shown, and nothing is said.
        if (runtime.htmlHelp) {
            WindowHandle window =
                runtime.htmlHelp(runtime.platform->desktopWindow(), location.c_str(),
                                 HH_HELP_CONTEXT, static_cast<std::uintptr_t>(context));
            if (window)
                runtime.platform->bringToForeground(window);
        }
    } else if (mode == kModeKeyHH) {
        if (!runWindowsProgram("KeyHH.EXE", "-win -#mapid " + std::to_string(context) + " " + location))
            result = HH_KEYHH_MISSING;
    } else if (mode == kModeHHExe) {
        if (!runWindowsProgram("HH.EXE", "-mapid " + std::to_string(context) + " " + location))
            result = HH_HH_MISSING;
    }
    LogLine("  returned - %d", {result});
    return result;
}

std::string HHErrorMessage(int code)
{
    switch (code) {
    case HH_OK: return {};
    case HH_NOT_INSTALLED: return "MS Html Help is not installed on this PC.";
    case HH_KEYHH_MISSING: return "System file KeyHH.EXE was not found in the Windows folder.";
    case HH_HH_MISSING: return "System file HH.EXE was not found in the Windows folder.";
    default: return "Unknown error returned by HHHelpContext";
    }
}

void HHShowError(int code)
{
    if (code == HH_OK)
        return;
    const std::string message = HHErrorMessage(code);
    AppMessageBox(message, MB_ICONEXCLAMATION | MB_OK);
    LogLine("HHShowError(%d), \"%s\"", {code, message});
}

void CloseAllHelpWindows()
{
    HelpRuntime& runtime = helpRuntime();
    if (!runtime.controlLibrary || !runtime.platform)
        return;
    if (runtime.htmlHelp)
        runtime.htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    runtime.platform->yieldTimeSlice();
}

bool ShellOpenFile(const std::string& file, const std::string& parameters)
{
    HelpRuntime& runtime = helpRuntime();
    if (!runtime.platform)
        return false;
    WindowHandle owner = runtime.ownerWindow ? runtime.ownerWindow() : nullptr;
    const std::intptr_t result =
        runtime.platform->shellExecute(owner, "open", file, parameters, "", SW_SHOWDEFAULT);
    const bool ok = result > 32;
    if (!ok)
        ShowAndLog("Function ShellExecute(%s)\rReturned: %s",
                   {file + ", " + parameters, LastErrorText(runtime.platform->lastError())});
    return ok;
}

}  // namespace tarvik
