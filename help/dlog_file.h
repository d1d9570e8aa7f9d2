#pragma once

#include <string>
#include <vector>

#include "help/environment.h"
#include "help/log_format.h"
#include "help/platform.h"

namespace tarvik {

// The debug log of the help integration. Every line is written on its own (open, append,
// flush, close), so a crash loses nothing that was logged before it.
class TDLogFile {
public:
    // An empty file name means HHDebug.txt in the log folder. An old log is deleted unless
    // appending, whether debugging is on or not.
    TDLogFile(Platform& platform, const HelpEnvironment& env, std::string fileName,
              bool debugMode, bool timeStamps, bool header, bool append);

    const std::string& fileName() const { return fileName_; }
    bool debugMode() const { return debugMode_; }

    // Writes unconditionally; "-" and "=" become rules, a leading "!" drops the time.
    void WriteLogLine(std::string_view format, const std::vector<LogArg>& args);
    // Writes the text as it stands, without filling in anything.
    void WriteLogLine(std::string_view text);

private:
    void writeHeader(const HelpEnvironment& env);
    void writeText(std::string text);

    Platform& platform_;
    std::string fileName_;
    bool debugMode_;
    bool timeStamps_;
    bool header_;
    bool append_;
};

inline constexpr const char* kLogFileName = "HHDebug.txt";

}  // namespace tarvik
