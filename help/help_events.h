#pragma once

#include <cstdint>
#include <functional>

namespace tarvik {

// The application's help event: a request (command, data) that one installed handler may
// answer. The handler leaves passOn true when the application should go on with its own
// default handling, of which this program has none.
using HelpHandler = std::function<bool(std::uint16_t command, std::int32_t data, bool& passOn)>;

HelpHandler currentHelpHandler();
void setHelpHandler(HelpHandler handler);

// Raises a request; true when the installed handler reported it handled.
bool raiseHelpRequest(std::uint16_t command, std::int32_t data);
// The application's request to show a help context.
bool helpContext(std::int32_t context);

}  // namespace tarvik
