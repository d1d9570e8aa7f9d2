#pragma once

#include "core/ports.h"

namespace tarvik {

class TGiveUpDlg;
class TRestartDlg;
class TSolvedDlg;
class TWondlg;

// The game's dialogs as the puzzle core sees them. The main window is made
// before the dialogs, so they are handed in once they exist.
class SessionDialogs final : public GameDialogs {
public:
    void attach(TWondlg* won, TGiveUpDlg* giveUp, TSolvedDlg* solved, TRestartDlg* restart);

    void showSolved() override;
    void showAllSolved() override;
    bool confirmRestart() override;
    bool confirmStartOver() override;

private:
    TWondlg* won_ = nullptr;
    TGiveUpDlg* giveUp_ = nullptr;
    TSolvedDlg* solved_ = nullptr;
    TRestartDlg* restart_ = nullptr;
};

}  // namespace tarvik
