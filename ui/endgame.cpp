#include "ui/endgame.h"

#include "text/dialog_texts.h"
#include "ui/dialog_parts.h"

namespace tarvik {

TEndGameDlg::TEndGameDlg(QWidget* mainWindow, std::function<int()> tongue)
    : QuestionDialog(mainWindow, std::move(tongue),
                     Look{QRect(72, 20, 153, 29),
                          glyphs::kExit, 1, 136, glyphs::kCancel, 1, ResultCancel, &texts::endGameQuestion})
{
}

}  // namespace tarvik
