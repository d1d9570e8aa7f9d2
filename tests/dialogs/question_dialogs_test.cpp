#include "modal_driver.h"
#include "ui/dialog_parts.h"
#include "ui/endgame.h"
#include "ui/giveup.h"
#include "ui/restart.h"
#include "ui/solved.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace tarvik {
namespace {

using testing::whenModal;

struct QuestionCase {
    const char* name;
    std::function<std::unique_ptr<QuestionDialog>(QWidget*, std::function<int()>)> make;
    const char* german;
    const char* english;
    int noAnswer;
    int escAnswer;
};

std::vector<QuestionCase> questionCases()
{
    return {
        {"endgame", [](QWidget* m, std::function<int()> t) { return std::make_unique<TEndGameDlg>(m, t); },
         "Willst Du wirklich schon aufhören?", "Do you really want to go?", ResultCancel, ResultCancel},
        {"giveup", [](QWidget* m, std::function<int()> t) { return std::make_unique<TGiveUpDlg>(m, t); },
         "Willst Du das Spiel wirklich von vorne beginnen?", "Do you really want to start at the beginning?",
         ResultCancel, ResultCancel},
        {"restart", [](QWidget* m, std::function<int()> t) { return std::make_unique<TRestartDlg>(m, t); },
         "Willst Du die Stufe wirklich aufgeben?", "Do you really want to give up the level?", ResultNo, ResultNo},
    };
}

class QuestionDialogs : public ::testing::Test {
protected:
    QWidget main;
    int tongue = -1;
};

TEST_F(QuestionDialogs, TextsFollowTheTongueAtEveryShowing)
{
    for (const auto& c : questionCases()) {
        auto dialog = c.make(&main, [this] { return tongue; });
        for (int t : {-1, 1, 0, 7, 1}) {
            tongue = t;
            dialog->show();
            const bool german = t == 1;
            EXPECT_EQ(dialog->label->text(), german ? c.german : c.english) << c.name << " " << t;
            EXPECT_EQ(dialog->YesBtn->text(), german ? "Ja" : "Yes") << c.name;
            EXPECT_EQ(dialog->NoBtn->text(), german ? "Nein" : "No") << c.name;
            EXPECT_EQ(dialog->windowTitle(), "Tarvik Atoms");
            dialog->hide();
        }
    }
}

TEST_F(QuestionDialogs, OnlyTheFirstButtonAnswersYes)
{
    for (const auto& c : questionCases()) {
        auto dialog = c.make(&main, [this] { return tongue; });
        whenModal([&](QWidget*) { dialog->YesBtn->click(); });
        EXPECT_EQ(dialog->exec(), ResultYes) << c.name;
        whenModal([&](QWidget*) { dialog->NoBtn->click(); });
        EXPECT_EQ(dialog->exec(), c.noAnswer) << c.name;
        whenModal([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        EXPECT_EQ(dialog->exec(), c.escAnswer) << c.name;
        whenModal([&](QWidget* w) { w->close(); });
        EXPECT_EQ(dialog->exec(), ResultCancel) << c.name << ": the close box";
        whenModal([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        EXPECT_EQ(dialog->exec(), ResultYes) << c.name << ": Enter takes the default";
    }
}

TEST_F(QuestionDialogs, SmallFrameWithBoldQuestionOnly)
{
    for (const auto& c : questionCases()) {
        auto dialog = c.make(&main, [this] { return tongue; });
        dialog->show();
        EXPECT_EQ(dialog->size(), QSize(261, 103)) << c.name;
        EXPECT_TRUE(dialog->label->font().bold()) << c.name;
        EXPECT_FALSE(dialog->YesBtn->font().bold()) << c.name;
        EXPECT_EQ(dialog->label->textFormat(), Qt::PlainText);
        EXPECT_TRUE(dialog->label->wordWrap());
        EXPECT_EQ(dialog->YesBtn->geometry(), QRect(40, 68, 77, 27));
        EXPECT_TRUE(dialog->YesBtn->hasFocus() || QApplication::focusWidget() == nullptr);
    }
}

TEST_F(QuestionDialogs, SolvedDialogIsBoldThroughoutAndAnswersOk)
{
    TSolvedDlg dialog(&main, [this] { return tongue; });
    tongue = 1;
    dialog.show();
    EXPECT_EQ(dialog.label->text(), "Hurra, geschafft!");
    dialog.hide();
    tongue = 0;
    dialog.show();
    EXPECT_EQ(dialog.label->text(), "Hurrah, you did it!");
    EXPECT_EQ(dialog.OKBtn->text(), "OK");
    EXPECT_TRUE(dialog.OKBtn->font().bold());
    EXPECT_EQ(dialog.OKBtn->geometry(), QRect(92, 68, 77, 27));
    dialog.hide();
    whenModal([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    EXPECT_EQ(dialog.exec(), ResultOk);
}

}  // namespace
}  // namespace tarvik
