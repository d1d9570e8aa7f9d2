#include "ui/tongdlg.h"

#include "text/dialog_texts.h"
#include "text/tongue.h"
#include "ui/centre_on_main.h"
#include "ui/dialog_parts.h"
#include "ui/glyph_button.h"

#include <QPushButton>

namespace tarvik {

TTongueDlg::TTongueDlg(QWidget* mainWindow, std::function<void(int)> setTongue)
    : QDialog(mainWindow), mainWindow_(mainWindow), setTongue_(std::move(setTongue))
{
    fixClientSize(this, 320, 91);
    setFont(dialogFont());
    setWindowTitle(QString::fromStdString(texts::tongueDialogCaption()));
    if (mainWindow)
        setWindowIcon(mainWindow->windowIcon());
    addBevel(this, QRect(8, 8, 305, 77), BevelShape::Panel);
    addIconImage(this, mainWindow, QRect(28, 28, 37, 37));

    // The two captions are the same whatever the tongue.
    EnglishBtn = addGlyphButton(this, QRect(84, 16, 221, 27), loadGlyph(glyphs::kFlagsEn, 1));
    EnglishBtn->setText(QString::fromStdString(texts::englishChoice()));
    GermanBtn = addGlyphButton(this, QRect(84, 48, 221, 27), loadGlyph(glyphs::kFlagsDe, 1));
    GermanBtn->setText(QString::fromStdString(texts::germanChoice()));
    setTabOrder(EnglishBtn, GermanBtn);
    connect(EnglishBtn, &QPushButton::clicked, this, &TTongueDlg::EnglishBtnClick);
    connect(GermanBtn, &QPushButton::clicked, this, &TTongueDlg::GermanBtnClick);
}

void TTongueDlg::EnglishBtnClick()
{
    setTongue_(kTongueEnglish);
    done(ResultOk);
}

void TTongueDlg::GermanBtnClick()
{
    setTongue_(kTongueGerman);
    done(ResultOk);
}

void TTongueDlg::showEvent(QShowEvent* event)
{
    centreOnMain(this, mainWindow_);
    EnglishBtn->setFocus();
    QDialog::showEvent(event);
}

void TTongueDlg::reject() { done(ResultCancel); }

}  // namespace tarvik
