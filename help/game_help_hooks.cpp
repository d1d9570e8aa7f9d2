#include "help/game_help_hooks.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>

#include "help/help_runtime.h"
#include "help/owner_window.h"
#include "help/show_context.h"
#include "help/system_text.h"
#include "ui/main.h"

namespace tarvik {

GameHelpHooks::GameHelpHooks(MakerLink::Opener opener) : opener_(std::move(opener)) {}

void GameHelpHooks::createHelpHook(const QString& helpFile)
{
    hook_ = std::make_unique<THookHelpSystem>(toSystemText(helpFile), "", kModeViewer);
}

void GameHelpHooks::destroyHelpHookAndCloseHelpWindows()
{
    hook_.reset();
    CloseAllHelpWindows();
}

void GameHelpHooks::rules(TMainForm& form)
{
    // A viewer program started for these rules belongs to the active window, or to the
    // main window when none of the game's windows is active.
    helpRuntime().ownerWindow = [main = QPointer<QWidget>(&form)] {
        return nativeOwnerWindow(QApplication::activeWindow(), main.data());
    };
    tarvik::rules(form.tongue());
}

void GameHelpHooks::TarvikBtnClick(TMainForm& form)
{
    // The link keeps its switched-off state for the rest of the run.
    if (!maker_)
        maker_ = std::make_unique<MakerLink>(QUrl(form.MakerLabel().text()), opener_);
    maker_->TarvikBtnClick();
}

}  // namespace tarvik
