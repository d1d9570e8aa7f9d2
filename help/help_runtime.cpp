#include "help/help_runtime.h"

namespace tarvik {

HelpRuntime& helpRuntime()
{
    static HelpRuntime runtime;
    return runtime;
}

int AppMessageBox(const std::string& text, unsigned style)
{
    auto& box = helpRuntime().messageBox;
    return box ? box(text, style) : 0;
}

void LogLine(std::string_view format, const std::vector<LogArg>& args)
{
    auto& log = helpRuntime().log;
    if (log && log->debugMode())
        log->WriteLogLine(format, args);
}

void ShowAndLog(std::string_view format, const std::vector<LogArg>& args)
{
    const std::string message = formatLogText(format, args);
    AppMessageBox(message, MB_ICONEXCLAMATION | MB_OK);
    auto& log = helpRuntime().log;
    if (log && log->debugMode())
        log->WriteLogLine(message);
}

}  // namespace tarvik
