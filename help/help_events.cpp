#include "help/help_events.h"

#include "help/help_commands.h"

namespace tarvik {

namespace {

HelpHandler& installedHandler()
{
    static HelpHandler handler;
    return handler;
}

}  // namespace

HelpHandler currentHelpHandler()
{
    return installedHandler();
}

void setHelpHandler(HelpHandler handler)
{
    installedHandler() = std::move(handler);
}

bool raiseHelpRequest(std::uint16_t command, std::int32_t data)
{
    // A copy, so that a handler that replaces itself while running stays alive.
    HelpHandler handler = installedHandler();
    if (!handler)
        return false;
    bool passOn = true;
    const bool handled = handler(command, data, passOn);
    return handled && !passOn;
}

bool helpContext(std::int32_t context)
{
    return raiseHelpRequest(HELP_CONTEXT, context);
}

}  // namespace tarvik
