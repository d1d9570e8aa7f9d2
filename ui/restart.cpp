#include "ui/restart.h"

#include "text/dialog_texts.h"
#include "ui/dialog_parts.h"

namespace tarvik {

TRestartDlg::TRestartDlg(QWidget* mainWindow, const int& tongue)
    : QuestionDialog(mainWindow, tongue,
                     Look{QRect(56, 20, 189, 26),
                          glyphs::kRestart, true, 128, glyphs::kCross, true, ResultNo, &texts::restartQuestion})
{
}

}  // namespace tarvik
