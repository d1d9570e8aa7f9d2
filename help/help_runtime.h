#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "help/dlog_file.h"
#include "help/environment.h"
#include "help/platform.h"

namespace tarvik {

inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;

using MessageBoxFunction = std::function<int(const std::string& text, unsigned style)>;

// The help integration's program-wide state: the loaded control, the environment found at
// start-up and the debug log. The start-up steps fill it and the end clears it; tests fill
// it with fakes.
struct HelpRuntime {
    Platform* platform = nullptr;
    LibraryHandle controlLibrary = nullptr;
    HtmlHelpEntry htmlHelp;  // HtmlHelpA; empty when not loaded or not found
    HelpEnvironment env;
    std::unique_ptr<TDLogFile> log;
    MessageBoxFunction messageBox;
    std::function<WindowHandle()> ownerWindow;  // the active form, else the main window
};

HelpRuntime& helpRuntime();

// Shows a message that belongs to no window; answers the box's result (0 when no box
// could be shown).
int AppMessageBox(const std::string& text, unsigned style);

// One debug-log line while debugging is on.
void LogLine(std::string_view format, const std::vector<LogArg>& args = {});
// Shows the formatted message and, while debugging, logs it as it stands.
void ShowAndLog(std::string_view format, const std::vector<LogArg>& args = {});

}  // namespace tarvik
