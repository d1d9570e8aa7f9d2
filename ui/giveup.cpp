#include "ui/giveup.h"

#include "text/dialog_texts.h"
#include "ui/dialog_parts.h"

namespace tarvik {

TGiveUpDlg::TGiveUpDlg(QWidget* mainWindow, std::function<int()> tongue)
    : QuestionDialog(mainWindow, std::move(tongue),
                     Look{QRect(56, 20, 189, 26),
                          glyphs::kStart, 1, 136, glyphs::kCancel, 1, ResultCancel, &texts::giveUpQuestion})
{
}

}  // namespace tarvik
