#include "help/help_commands.h"

namespace tarvik {

namespace {

const char* commandName(unsigned command)
{
    switch (command) {
    case 1: return "HELP_CONTEXT";
    case 2: return "HELP_QUIT";
    case 3: return "HELP_INDEX or HELP_CONTENTS";
    case 4: return "HELP_HELPONHELP";
    case 5: return "HELP_SETINDEX or HELP_SETCONTENTS";
    case 8: return "HELP_CONTEXTPOPUP";
    case 9: return "HELP_FORCEFILE";
    case 10: return "HELP_CONTEXTMENU";
    case 11: return "HELP_FINDER";
    case 12: return "HELP_WM_HELP";
    case 13: return "HELP_SETPOPUP_POS";
    case 257: return "HELP_KEY";
    case 258: return "HELP_COMMAND";
    case 261: return "HELP_PARTIALKEY";
    case 513: return "HELP_MULTIKEY";
    case 515: return "HELP_SETWINPOS";
    default: return "??";
    }
}

}  // namespace

std::string HelpCommandText(unsigned command)
{
    return std::to_string(command) + " (" + commandName(command) + ")";
}

PopupPosition splitPopupPosition(std::int32_t data)
{
    const auto bits = static_cast<std::uint32_t>(data);
    return {static_cast<std::int16_t>(bits & 0xFFFFu), static_cast<std::int16_t>(bits >> 16)};
}

}  // namespace tarvik
