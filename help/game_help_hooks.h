#pragma once

#include <memory>

#include "help/hook_help_system.h"
#include "help/maker_link.h"
#include "lifecycle/session/help_hooks.h"

namespace tarvik {

// The help integration as the game's session reaches it: the hook from the main
// window's creation to its close, the rules in the window's tongue and the maker's page
// from the window's link label.
class GameHelpHooks final : public HelpHooks {
public:
    explicit GameHelpHooks(MakerLink::Opener opener = {});

    void createHelpHook(const QString& helpFile) override;
    void destroyHelpHookAndCloseHelpWindows() override;
    void rules(TMainForm& form) override;
    void TarvikBtnClick(TMainForm& form) override;

    bool hooked() const { return hook_ != nullptr; }
    // Empty until the maker's button has been pressed once.
    const MakerLink* maker() const { return maker_.get(); }

private:
    MakerLink::Opener opener_;
    std::unique_ptr<THookHelpSystem> hook_;
    std::unique_ptr<MakerLink> maker_;
};

}  // namespace tarvik
