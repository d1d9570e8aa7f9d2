#pragma once

#include "core/ports.h"
#include "lifecycle/session/lazy_dialog.h"

namespace tarvik {

class TGiveUpDlg;
class TRestartDlg;
class TSolvedDlg;
class TWondlg;

// The game's dialogs as the puzzle core sees them. The main window is made
// before the dialogs, so they are handed in once they exist.
class SessionDialogs final : public GameDialogs {
public:
    void attach(LazyDialog<TWondlg>& won, LazyDialog<TGiveUpDlg>& giveUp, LazyDialog<TSolvedDlg>& solved,
                LazyDialog<TRestartDlg>& restart);

    void showSolved() override;
    void showAllSolved() override;
    bool confirmRestart() override;
    bool confirmStartOver() override;

private:
    LazyDialog<TWondlg>* won_ = nullptr;
    LazyDialog<TGiveUpDlg>* giveUp_ = nullptr;
    LazyDialog<TSolvedDlg>* solved_ = nullptr;
    LazyDialog<TRestartDlg>* restart_ = nullptr;
};

}  // namespace tarvik
