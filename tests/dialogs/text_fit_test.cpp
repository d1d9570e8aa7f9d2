// Every text of every dialog, in both languages, must be shown whole with the
// font the dialog really uses: wrapped lines must fit the label's height and
// no word may run past its edge.
#include "ui/endgame.h"
#include "ui/giveup.h"
#include "ui/infodlg.h"
#include "ui/restart.h"
#include "ui/solved.h"
#include "ui/tongdlg.h"
#include "ui/winner.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tarvik {
namespace {

// The rectangle the label's text needs when laid out as the label lays it out.
QRect neededRect(const QLabel* label)
{
    // Laid out from the top: a centred layout in a tall probe would round its
    // place to half pixels and seem a pixel taller than it is.
    const int flags = int(label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop |
                      (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect room = label->contentsRect();
    return QFontMetrics(label->font()).boundingRect(QRect(room.topLeft(), QSize(room.width(), 10000)), flags,
                                                    label->text());
}

// Plain frames only: labels are frames too.
QList<QFrame*> bevelsOf(const QWidget* dialog)
{
    QList<QFrame*> bevels;
    for (QFrame* frame : dialog->findChildren<QFrame*>())
        if (frame->metaObject() == &QFrame::staticMetaObject)
            bevels.push_back(frame);
    return bevels;
}

void expectTextsFit(QWidget* dialog, const std::string& where)
{
    int texts = 0;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        ++texts;
        const std::string what = where + ": \"" + label->text().toStdString() + "\" in " +
                                 label->font().family().toStdString();
        const QRect needed = neededRect(label);
        EXPECT_LE(needed.height(), label->contentsRect().height()) << what << " loses a line";
        EXPECT_LE(needed.width(), label->contentsRect().width()) << what << " runs past its right edge";
        const QRect place = label->geometry();
        EXPECT_TRUE(dialog->rect().contains(place)) << what << " lies outside the dialog";
        // A text belongs inside a bevel or outside it, never across its line.
        for (const QFrame* bevel : bevelsOf(dialog)) {
            const QRect edge = bevel->geometry();
            EXPECT_TRUE(edge.contains(place) || !edge.intersects(place)) << what << " crosses a bevel";
        }
    }
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        ++texts;
        const int glyph = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        EXPECT_LE(glyph + QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 8)
            << where << ": button \"" << button->text().toStdString() << "\"";
    }
    EXPECT_GT(texts, 0) << where;
}

TEST(DialogTexts, EveryLabelShowsItsWholeTextInBothLanguages)
{
    QWidget main;
    int tongue = 0;
    const auto currentTongue = [&] { return tongue; };
    std::vector<std::pair<std::string, std::unique_ptr<QDialog>>> dialogs;
    dialogs.emplace_back("quit", std::make_unique<TEndGameDlg>(&main, currentTongue));
    dialogs.emplace_back("start over", std::make_unique<TGiveUpDlg>(&main, currentTongue));
    dialogs.emplace_back("give up", std::make_unique<TRestartDlg>(&main, currentTongue));
    dialogs.emplace_back("solved", std::make_unique<TSolvedDlg>(&main, currentTongue));
    dialogs.emplace_back("all solved", std::make_unique<TWondlg>(&main, currentTongue));
    dialogs.emplace_back("info", std::make_unique<TInfoDialog>(&main, currentTongue, [](const QUrl&) { return true; }));
    dialogs.emplace_back("language", std::make_unique<TTongueDlg>(&main, [](int) {}));

    for (int t : {1, 0}) {
        tongue = t;
        for (auto& [name, dialog] : dialogs) {
            dialog->show();  // the texts are taken up at every showing
            expectTextsFit(dialog.get(), name + (t == 1 ? " (German)" : " (English)"));
            dialog->hide();
        }
    }
}

TEST(DialogTexts, QuestionsOfTwoLinesFillTheirLabelWithoutSlicing)
{
    // The 26-pixel question labels hold exactly two lines, so the face must
    // step no more than 13 pixels per line.
    QWidget main;
    int tongue = 1;
    TGiveUpDlg dialog(&main, [&] { return tongue; });
    dialog.show();
    const QFontMetrics metrics(dialog.label->font());
    EXPECT_LE(2 * metrics.lineSpacing(), dialog.label->height());
    EXPECT_EQ(neededRect(dialog.label).height(), 2 * metrics.lineSpacing())
        << "\"vorne beginnen?\" takes the second line";
}

TEST(DialogBevels, SunkenPanelsForLanguageAndInfoFramesForTheSmallDialogs)
{
    QWidget main;
    const auto english = [] { return 0; };
    TTongueDlg language(&main, [](int) {});
    TInfoDialog info(&main, english, [](const QUrl&) { return true; });
    for (const QWidget* dialog : {static_cast<QWidget*>(&language), static_cast<QWidget*>(&info)}) {
        const auto bevels = bevelsOf(dialog);
        ASSERT_FALSE(bevels.isEmpty());
        for (const QFrame* bevel : bevels) {
            EXPECT_EQ(bevel->frameShape(), QFrame::Panel) << dialog->metaObject()->className();
            EXPECT_EQ(bevel->frameShadow(), QFrame::Sunken);
        }
    }
    EXPECT_EQ(bevelsOf(&info).size(), 2);

    TEndGameDlg quit(&main, english);
    TGiveUpDlg startOver(&main, english);
    TRestartDlg giveUp(&main, english);
    TSolvedDlg solved(&main, english);
    for (const QWidget* dialog : std::initializer_list<const QWidget*>{&quit, &startOver, &giveUp, &solved}) {
        const auto bevels = bevelsOf(dialog);
        ASSERT_EQ(bevels.size(), 1) << dialog->metaObject()->className();
        EXPECT_EQ(bevels[0]->frameShape(), QFrame::Box) << dialog->metaObject()->className();
        EXPECT_EQ(bevels[0]->frameShadow(), QFrame::Sunken);
        EXPECT_EQ(bevels[0]->geometry(), QRect(8, 8, 245, 49));
    }
}

}  // namespace
}  // namespace tarvik
