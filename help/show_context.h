#pragma once

#include <cstdint>
#include <string>

namespace tarvik {

// Result codes of showing a help context.
inline constexpr int HH_OK = 0;
inline constexpr int HH_NOT_INSTALLED = 1;
inline constexpr int HH_KEYHH_MISSING = 2;
inline constexpr int HH_HH_MISSING = 3;

// How a topic is shown: through the viewer's entry point, by KeyHH.EXE or by HH.EXE.
inline constexpr std::uint8_t kModeViewer = 0;
inline constexpr std::uint8_t kModeKeyHH = 1;
inline constexpr std::uint8_t kModeHHExe = 2;

int HHHelpContext(const std::string& helpFile, int context, const std::string& windowName,
                  std::uint8_t mode);
int ShowContext(const std::string& location, int context, std::uint8_t mode);

// The English message for a result code; empty for 0.
std::string HHErrorMessage(int code);
void HHShowError(int code);

// Asks the viewer to close every window it has open; nothing when it is not loaded.
void CloseAllHelpWindows();

bool ShellOpenFile(const std::string& file, const std::string& parameters);

}  // namespace tarvik
