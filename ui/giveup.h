#pragma once

#include <functional>

#include "ui/question_dialog.h"

namespace tarvik {

// The start-over confirmation: all progress is cleared only on Yes.
class TGiveUpDlg : public QuestionDialog {
    Q_OBJECT
public:
    TGiveUpDlg(QWidget* mainWindow, std::function<int()> tongue);
};

}  // namespace tarvik
