#pragma once

#include <cstdint>
#include <string>

namespace tarvik {

// The application-wide help requests (the old WinHelp command numbers).
inline constexpr std::uint16_t HELP_CONTEXT = 1;
inline constexpr std::uint16_t HELP_QUIT = 2;
inline constexpr std::uint16_t HELP_CONTEXTPOPUP = 8;
inline constexpr std::uint16_t HELP_SETPOPUP_POS = 13;

// The viewer's own commands.
inline constexpr unsigned HH_HELP_CONTEXT = 15;
inline constexpr unsigned HH_CLOSE_ALL = 18;

// "1 (HELP_CONTEXT)": the number and its name, for the debug log.
std::string HelpCommandText(unsigned command);

// The low and high 16 bits of a popup position, each signed.
struct PopupPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
};
PopupPosition splitPopupPosition(std::int32_t data);

}  // namespace tarvik
