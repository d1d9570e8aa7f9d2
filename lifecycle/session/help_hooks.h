#pragma once

#include <QString>

namespace tarvik {

class TMainForm;

// Where start-up, shutdown and the toolbar reach the help integration. The
// defaults do nothing, so the game runs without it.
class HelpHooks {
public:
    virtual ~HelpHooks() = default;

    // While the main window is created, for the help file beside the program.
    virtual void createHelpHook(const QString& /*helpFile*/) {}
    // First step of an orderly close: the hook goes and every help window
    // closes with the game.
    virtual void destroyHelpHookAndCloseHelpWindows() {}
    // The rules button and the maker's button of the toolbar.
    virtual void rules(TMainForm&) {}
    virtual void TarvikBtnClick(TMainForm&) {}
};

}  // namespace tarvik
