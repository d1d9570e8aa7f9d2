#include "lifecycle/session/session_dialogs.h"

#include "ui/dialog_parts.h"
#include "ui/giveup.h"
#include "ui/restart.h"
#include "ui/solved.h"
#include "ui/winner.h"

namespace tarvik {

void SessionDialogs::attach(LazyDialog<TWondlg>& won, LazyDialog<TGiveUpDlg>& giveUp,
                            LazyDialog<TSolvedDlg>& solved, LazyDialog<TRestartDlg>& restart)
{
    won_ = &won;
    giveUp_ = &giveUp;
    solved_ = &solved;
    restart_ = &restart;
}

void SessionDialogs::showSolved()
{
    if (solved_)
        (*solved_)->exec();
}

void SessionDialogs::showAllSolved()
{
    if (won_)
        (*won_)->exec();
}

// Only Yes counts; the close box and Esc answer otherwise.
bool SessionDialogs::confirmRestart() { return restart_ && (*restart_)->exec() == ResultYes; }

bool SessionDialogs::confirmStartOver() { return giveUp_ && (*giveUp_)->exec() == ResultYes; }

}  // namespace tarvik
