#pragma once

#include "ui/question_dialog.h"

namespace tarvik {

// The quit confirmation: the close goes on only on Yes.
class TEndGameDlg : public QuestionDialog {
    Q_OBJECT
public:
    TEndGameDlg(QWidget* mainWindow, const int& tongue);
};

}  // namespace tarvik
