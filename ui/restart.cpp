#include "ui/restart.h"

#include "text/dialog_texts.h"
#include "ui/dialog_parts.h"

namespace tarvik {

TRestartDlg::TRestartDlg(QWidget* mainWindow, std::function<int()> tongue)
    : QuestionDialog(mainWindow, std::move(tongue),
                     Look{QRect(56, 20, 189, 26),
                          glyphs::kRestart, 2, 128, glyphs::kCross, 2, ResultNo, &texts::restartQuestion})
{
}

}  // namespace tarvik
