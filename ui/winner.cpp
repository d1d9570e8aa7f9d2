#include "ui/winner.h"

#include "text/dialog_texts.h"
#include "ui/centre_on_main.h"
#include "ui/dialog_parts.h"
#include "ui/glyph_button.h"

#include <QLabel>
#include <QPushButton>

namespace tarvik {

namespace {

QLabel* addText(QWidget* parent, const QRect& place, int points, const QColor& colour, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(dialogFont(points, true));
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

TWondlg::TWondlg(QWidget* mainWindow, std::function<int()> tongue)
    : QDialog(mainWindow), mainWindow_(mainWindow), tongue_(std::move(tongue))
{
    fixClientSize(this, 320, 240);
    setFont(dialogFont(8, true));
    setWindowTitle(QString::fromStdString(texts::dialogCaption()));
    if (mainWindow)
        setWindowIcon(mainWindow->windowIcon());

    picture = new QLabel(this);
    picture->setGeometry(0, 0, 320, 240);
    picture->setPixmap(loadPicture(pictures::kTestTube));

    // Shadows first, so that each text lies over its shadow.
    titleShadow = addText(this, QRect(10, 6, 193, 41), 18, Qt::black, Qt::AlignLeft);
    firstShadow = addText(this, QRect(10, 62, 129, 147), 12, Qt::black, Qt::AlignLeft);
    secondShadow = addText(this, QRect(178, 22, 133, 189), 12, Qt::black, Qt::AlignRight);
    title = addText(this, QRect(8, 4, 193, 35), 18, Qt::white, Qt::AlignLeft);
    firstText = addText(this, QRect(8, 60, 129, 147), 12, Qt::yellow, Qt::AlignLeft);
    secondText = addText(this, QRect(176, 20, 133, 189), 12, Qt::yellow, Qt::AlignRight);

    OKBtn = addGlyphButton(this, QRect(124, 208, 77, 27), loadGlyph(glyphs::kOk, 1));
    OKBtn->setText(QString::fromStdString(texts::okButton()));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(ResultOk); });
}

void TWondlg::showEvent(QShowEvent* event)
{
    centreOnMain(this, mainWindow_);
    title->setText(QString::fromStdString(texts::wonTitle(tongue_())));
    firstText->setText(QString::fromStdString(texts::wonFirstText(tongue_())));
    secondText->setText(QString::fromStdString(texts::wonSecondText(tongue_())));
    titleShadow->setText(title->text());
    firstShadow->setText(firstText->text());
    secondShadow->setText(secondText->text());
    OKBtn->setFocus();
    QDialog::showEvent(event);
}

void TWondlg::reject() { done(ResultCancel); }

}  // namespace tarvik
