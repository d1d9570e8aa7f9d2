#include "ui/question_dialog.h"

#include "text/dialog_texts.h"
#include "ui/centre_on_main.h"
#include "ui/dialog_parts.h"
#include "ui/glyph_button.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tarvik {

QuestionDialog::QuestionDialog(QWidget* mainWindow, std::function<int()> tongue, const Look& look)
    : QDialog(mainWindow), mainWindow_(mainWindow), tongue_(std::move(tongue)), look_(look)
{
    label = addSmallDialogFrame(this, mainWindow, look.labelPlace);
    YesBtn = addGlyphButton(this, QRect(40, 68, 77, 27), loadGlyph(look.yesGlyph, look.yesGlyphPictures));
    NoBtn = addGlyphButton(this, QRect(look.noLeft, 68, 77, 27),
                           loadGlyph(look.noGlyph, look.noGlyphPictures));
    YesBtn->setDefault(true);
    connect(YesBtn, &QPushButton::clicked, this, [this] { done(ResultYes); });
    connect(NoBtn, &QPushButton::clicked, this, [this] { done(look_.noResult); });
}

void QuestionDialog::showEvent(QShowEvent* event)
{
    centreOnMain(this, mainWindow_);
    label->setText(QString::fromStdString(look_.question(tongue_())));
    YesBtn->setText(QString::fromStdString(texts::yesButton(tongue_())));
    NoBtn->setText(QString::fromStdString(texts::noButton(tongue_())));
    YesBtn->setFocus();
    QDialog::showEvent(event);
}

void QuestionDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        done(look_.noResult);
        return;
    }
    QDialog::keyPressEvent(event);
}

void QuestionDialog::reject() { done(ResultCancel); }

}  // namespace tarvik
