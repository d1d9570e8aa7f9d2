#include "ui/solved.h"

#include "text/dialog_texts.h"
#include "ui/centre_on_main.h"
#include "ui/dialog_parts.h"
#include "ui/glyph_button.h"

#include <QLabel>
#include <QPushButton>

namespace tarvik {

TSolvedDlg::TSolvedDlg(QWidget* mainWindow, std::function<int()> tongue)
    : QDialog(mainWindow), mainWindow_(mainWindow), tongue_(std::move(tongue))
{
    label = addSmallDialogFrame(this, mainWindow, QRect(60, 28, 181, 17));
    // Here the whole dialog is bold, the button's caption too.
    setFont(dialogFont(8, true));
    OKBtn = addGlyphButton(this, QRect(92, 68, 77, 27), loadGlyph(glyphs::kSmile, 1));
    OKBtn->setText(QString::fromStdString(texts::okButton()));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(ResultOk); });
}

void TSolvedDlg::showEvent(QShowEvent* event)
{
    centreOnMain(this, mainWindow_);
    label->setText(QString::fromStdString(texts::solvedText(tongue_())));
    OKBtn->setFocus();
    QDialog::showEvent(event);
}

void TSolvedDlg::reject() { done(ResultCancel); }

}  // namespace tarvik
