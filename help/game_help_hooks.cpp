#include "help/game_help_hooks.h"

#include <QLabel>

#include "help/show_context.h"
#include "ui/main.h"

namespace tarvik {

GameHelpHooks::GameHelpHooks(MakerLink::Opener opener) : opener_(std::move(opener)) {}

void GameHelpHooks::createHelpHook(const QString& helpFile)
{
    hook_ = std::make_unique<THookHelpSystem>(helpFile.toStdString(), "", kModeViewer);
}

void GameHelpHooks::destroyHelpHookAndCloseHelpWindows()
{
    hook_.reset();
    CloseAllHelpWindows();
}

void GameHelpHooks::rules(TMainForm& form)
{
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
