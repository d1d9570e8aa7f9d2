#pragma once

#include <functional>

#include "ui/question_dialog.h"

namespace tarvik {

// The quit confirmation: the close goes on only on Yes.
class TEndGameDlg : public QuestionDialog {
    Q_OBJECT
public:
    TEndGameDlg(QWidget* mainWindow, std::function<int()> tongue);
};

}  // namespace tarvik
