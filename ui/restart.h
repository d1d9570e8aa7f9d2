#pragma once

#include <functional>

#include "ui/question_dialog.h"

namespace tarvik {

// The give-up-plan confirmation: the plan is set up afresh only on Yes; Esc answers No.
class TRestartDlg : public QuestionDialog {
    Q_OBJECT
public:
    TRestartDlg(QWidget* mainWindow, std::function<int()> tongue);
};

}  // namespace tarvik
