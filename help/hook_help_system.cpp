#include "help/hook_help_system.h"

#include "help/help_commands.h"
#include "help/help_runtime.h"
#include "help/show_context.h"
#include "text/tongue.h"

namespace tarvik {

THookHelpSystem::THookHelpSystem(std::string helpFile, std::string windowName, std::uint8_t mode)
    : previous_(currentHelpHandler()), helpFile_(std::move(helpFile)),
      windowName_(std::move(windowName)), mode_(mode)
{
    setHelpHandler([this](std::uint16_t command, std::int32_t data, bool& passOn) {
        return HelpHook(command, data, passOn);
    });
    LogLine("THookHelpSystem.Create(\"%s\",\"%s\", %d)", {helpFile_, windowName_, mode_});
}

THookHelpSystem::~THookHelpSystem()
{
    if (mode_ == kModeViewer)
        CloseAllHelpWindows();
    setHelpHandler(previous_);
    LogLine("THookHelpSystem.Destroy");
}

bool THookHelpSystem::HelpHook(std::uint16_t command, std::int32_t data, bool& passOn)
{
    bool handled = true;
    LogLine("THookHelpSystem.HelpHook(%s, %d)", {HelpCommandText(command), data});
    if (chain_ && previous_)
        handled = previous_(command, data, passOn);
    passOn = false;
    switch (command) {
    case HELP_CONTEXT:
        if (contextHandler_)
            contextHandler_(data);
        else
            showTopic(data);
        break;
    case HELP_CONTEXTPOPUP:
        if (popupHandler_)
            popupHandler_(data, popupX_, popupY_);
        else
            showTopic(data);
        break;
    case HELP_SETPOPUP_POS: {
        const PopupPosition at = splitPopupPosition(data);
        popupX_ = at.x;
        popupY_ = at.y;
        break;
    }
    default:
        passOn = true;
        break;
    }
    return handled;
}

void THookHelpSystem::showTopic(std::int32_t context)
{
    HHShowError(HHHelpContext(helpFile_, context, windowName_, mode_));
}

int rulesContext(int tongue)
{
    return isGerman(tongue) ? 1 : 2;
}

void rules(int tongue)
{
    helpContext(rulesContext(tongue));
}

}  // namespace tarvik
