#include "ui/infodlg.h"

#include "text/dialog_texts.h"
#include "ui/centre_on_main.h"
#include "ui/dialog_parts.h"
#include "ui/glyph_button.h"
#include "ui/tongdlg.h"

#include <QLabel>
#include <QPushButton>

namespace tarvik {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

QLabel* addLabel(QWidget* parent, const QString& text, const QPoint& at, QSize size = {})
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->move(at);
    if (size.isValid())
        label->resize(size);
    else
        label->adjustSize();
    return label;
}

QLabel* addPicture(QWidget* parent, const QString& resource, const QRect& place)
{
    auto* picture = new QLabel(parent);
    picture->setGeometry(place);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(loadPicture(resource));
    return picture;
}

LinkLabel* addLink(QWidget* parent, const std::string& address, const LinkOpener& opener, const QPoint& at)
{
    auto* link = new LinkLabel(q(address), opener, parent);
    link->move(at);
    link->adjustSize();
    return link;
}

}  // namespace

TInfoDialog::TInfoDialog(QWidget* mainWindow, std::function<int()> tongue, LinkOpener opener)
    : QDialog(mainWindow), mainWindow_(mainWindow), tongue_(std::move(tongue))
{
    fixClientSize(this, 309, 322);
    setFont(dialogFont());
    if (mainWindow)
        setWindowIcon(mainWindow->windowIcon());

    addBevel(this, QRect(4, 4, 301, 197), BevelShape::Panel);
    addPicture(this, pictures::kInfo, QRect(8, 8, 101, 77));
    progname = addLabel(this, q(texts::programName()), QPoint(112, 8), QSize(189, 25));
    progname->setFont(dialogFont(14, true));
    version = addLabel(this, q(texts::versionText()), QPoint(112, 32), QSize(189, 13));
    addIconImage(this, mainWindow, QRect(36, 96, 37, 37));
    addLabel(this, q(texts::makerName()), QPoint(116, 104));
    addLabel(this, q(texts::makerStreet()), QPoint(116, 120));
    addLabel(this, q(texts::makerTown()), QPoint(116, 136));
    addLabel(this, q(texts::mailLabel()), QPoint(44, 155), QSize(62, 21))->setAlignment(Qt::AlignRight | Qt::AlignTop);
    mailLink = addLink(this, texts::makerMail(), opener, QPoint(112, 155));
    addLabel(this, q(texts::webLabel()), QPoint(21, 174), QSize(85, 21))->setAlignment(Qt::AlignRight | Qt::AlignTop);
    webLink = addLink(this, texts::makerWeb(), opener, QPoint(112, 174));

    addBevel(this, QRect(4, 206, 301, 77), BevelShape::Panel);
    addPicture(this, pictures::kLogo, QRect(8, 210, 119, 68));
    memberLabel = addLabel(this, QString(), QPoint(135, 210), QSize(166, 13));
    guildLink = addLink(this, texts::guildWeb(), opener, QPoint(135, 225));
    guildLink->setText(q(texts::guildName()));
    guildLink->adjustSize();
    addLabel(this, q(texts::guildMemberCode()), QPoint(135, 242));
    programLabel = addLabel(this, QString(), QPoint(131, 262), QSize(170, 13));

    TongBtn = addGlyphButton(this, QRect(120, 290, 89, 27), loadGlyph(glyphs::kTongue, 1));
    OKBtn = addGlyphButton(this, QRect(216, 290, 89, 27), loadGlyph(glyphs::kTick, 2));
    OKBtn->setText(q(texts::okButton()));
    OKBtn->setDefault(true);
    connect(TongBtn, &QPushButton::clicked, this, &TInfoDialog::TongBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(ResultOk); });
}

void TInfoDialog::setTexts()
{
    setWindowTitle(q(texts::infoCaption(tongue_())));
    memberLabel->setText(q(texts::memberOf(tongue_())));
    programLabel->setText(q(texts::programNumber(tongue_())));
    TongBtn->setText(q(texts::infoTongueButton(tongue_())));
}

void TInfoDialog::showEvent(QShowEvent* event)
{
    centreOnMain(this, mainWindow_);
    setTexts();
    OKBtn->setFocus();
    QDialog::showEvent(event);
}

void TInfoDialog::TongBtnClick()
{
    if (tongueDialog_)
        tongueDialog_->exec();
    setTexts();
    if (applyWindowTexts_)
        applyWindowTexts_();
}

void TInfoDialog::reject() { done(ResultCancel); }

}  // namespace tarvik
