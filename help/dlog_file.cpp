#include "help/dlog_file.h"

#include <cstdio>
#include <iomanip>
#include <sstream>

#include "help/folders.h"

namespace tarvik {

namespace {

std::string hexAndDecimal(unsigned number, std::string& decimal)
{
    std::ostringstream hex;
    hex << "\t0x" << std::uppercase << std::hex << std::setw(4) << std::setfill('0') << number;
    decimal = std::to_string(number);
    return hex.str();
}

std::string yesNo(bool value)
{
    return value ? "\tYES" : "\tNO";
}

std::string joined(const std::vector<std::string>& parts, const std::string& glue)
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i)
        out += (i ? glue : std::string()) + parts[i];
    return out;
}

}  // namespace

TDLogFile::TDLogFile(Platform& platform, const HelpEnvironment& env, std::string fileName,
                     bool debugMode, bool timeStamps, bool header, bool append)
    : platform_(platform), debugMode_(debugMode), timeStamps_(timeStamps), header_(header),
      append_(append)
{
    if (fileName.empty())
        fileName = env.logFolder + kPathSeparator + kLogFileName;
    const std::string folder = folderPart(fileName);
    if (!platform_.folderExists(folder) || !FolderWritable(folder))
        fileName = TempFolder(platform_) + kPathSeparator + fileNamePart(fileName);
    fileName_ = fileName;

    if (platform_.fileExists(fileName_)) {
        platform_.makeAttributesNormal(fileName_);
        if (!append_)
            platform_.deleteFile(fileName_);
    }
    if (debugMode_ && header_)
        writeHeader(env);
}

void TDLogFile::WriteLogLine(std::string_view format, const std::vector<LogArg>& args)
{
    writeText(formatLogText(format, args));
}

void TDLogFile::WriteLogLine(std::string_view text)
{
    writeText(std::string(text));
}

void TDLogFile::writeText(std::string text)
{
    const std::string prefix = timeStamps_ ? platform_.nowTimeText() + "   " : std::string();
    std::FILE* file = std::fopen(fileName_.c_str(), "ab");
    if (!file)
        return;
    if (text == "-" || text == "=")
        text = std::string(80, text.front());
    bool bare = false;
    if (!text.empty() && (text.front() == '!' || text.front() == '-' || text.front() == '=')) {
        text.erase(0, 1);
        bare = true;
    }
    const std::string line = (bare ? std::string() : prefix) + text + "\r\n";
    std::fwrite(line.data(), 1, line.size(), file);
    std::fflush(file);
    std::fclose(file);
}

void TDLogFile::writeHeader(const HelpEnvironment& env)
{
    WriteLogLine("=");
    WriteLogLine("!Log File:             %s", {"\t" + fileName_});
    WriteLogLine("!Date:                 %s", {"\t" + platform_.nowDateTimeText()});

    const OsVersionInfo os = platform_.osVersion();
    WriteLogLine("!Operating System:      %s %d.%d (Build %d) %s",
                 {os.name, os.major, os.minor, os.build,
                  os.servicePack.empty() ? std::string("No Service Pack") : os.servicePack});

    const LocaleInfo locale = platform_.userLocale();
    std::string decimal;
    std::string hex = hexAndDecimal(locale.lcid, decimal);
    WriteLogLine("!SysLocale.DefaultLCID: %s (%s)", {hex, decimal});
    hex = hexAndDecimal(locale.primaryLanguage, decimal);
    WriteLogLine("!SysLocale.PriLangID:   %s (%s)", {hex, decimal});
    hex = hexAndDecimal(locale.subLanguage, decimal);
    WriteLogLine("!SysLocale.SubLangID:   %s (%s)", {hex, decimal});
    WriteLogLine("!DecimalSeparator:      %s", {"\t" + locale.decimalSeparator});
    WriteLogLine("-");

    const std::string exePath = platform_.processExePath();
    std::string rawLine = platform_.rawCommandLine();
    if (rawLine.size() > 255)
        rawLine.resize(255);
    WriteLogLine("!EXE Path =          %s", {"\t" + exePath});
    WriteLogLine("!EXE Version =       %s", {"\t" + platform_.readFileVersion(exePath).text});
    WriteLogLine("!Cmdline Param(s) =  %s", {"\t" + joined(platform_.arguments(), " | ")});
    WriteLogLine("!Actual CmdLine =  %s", {"\t" + rawLine});
    WriteLogLine("!_RunDir =           %s", {"\t" + env.runDir});
    WriteLogLine("!_ModuleName =       %s", {"\t" + env.moduleName});
    WriteLogLine("!_ModuleDir =        %s", {"\t" + env.moduleDir});
    WriteLogLine("!_ModulePath =        %s", {"\t" + env.modulePath});
    WriteLogLine("!Module Version =       %s",
                 {"\t" + platform_.readFileVersion(env.modulePath).text});
    WriteLogLine("-");
    WriteLogLine("!_hhInstalled =      %s", {yesNo(env.hhInstalled)});
    WriteLogLine("!_hhVerStr =         %s", {"\t" + env.hhVerStr});
    WriteLogLine("!_hhFriendlyVerStr = %s", {"\t" + env.hhFriendlyVerStr});
    WriteLogLine("-");
    WriteLogLine("!_ieInstalled =      %s", {yesNo(env.ieInstalled)});
    WriteLogLine("!_ieVerStr =         %s", {"\t" + env.ieVerStr});
    WriteLogLine("!_ieFriendlyVerStr = %s", {"\t" + env.ieFriendlyVerStr});
    WriteLogLine("=");
}

}  // namespace tarvik
