#include "session_fixture.h"

#include "ui/glyph_button.h"
#include "ui/infodlg.h"
#include "ui/name_labels.h"
#include "ui/question_dialog.h"
#include "ui/solved.h"
#include "ui/toolbar.h"
#include "ui/winner.h"

#include <QLabel>

namespace tarvik::testing {
namespace {

// Picks the atom at (2, 2) up and puts it down where it is.
void playTheAtom(TMainForm& form)
{
    form.game().boxMouseDown(2 * 30 + 15, 2 * 30 + 15);
    form.game().boxMouseDown(2 * 30 + 15, 2 * 30 + 15);
}

TEST_F(SessionTest, SavingAndLoadingThroughTheToolbar)
{
    writeSettings("tongue=0\n");
    auto session = start();
    TMainForm& form = session->mainForm();

    fileDialogs.saveAnswers = {dir.filePath("mine.txt")};
    form.SaveBtnClick();
    EXPECT_EQ(form.windowTitle(), "Tarvik Atoms V3.5 - game mine.tkx");
    EXPECT_EQ(fileDialogs.saveCalls.at(0).preset, "");
    EXPECT_TRUE(QFile::exists(dir.filePath("mine.tkx")));

    QFile ten(dir.filePath("ten.tkx"));
    ASSERT_TRUE(ten.open(QIODevice::WriteOnly));
    ten.write(QByteArray(10, '\x01'));
    ten.close();
    fileDialogs.openAnswers = {dir.filePath("ten.tkx")};
    form.LoadBtnClick();
    EXPECT_EQ(form.windowTitle(), "Tarvik Atoms V3.5 - game ten.tkx");
    EXPECT_EQ(form.nsol().text(), "3/3");
    EXPECT_FALSE(form.game().allSolved()) << "a load leaves the all-solved flag alone";
    EXPECT_EQ(session->progressPath(), dir.filePath("ten.tkx"));

    fileDialogs.openAnswers = {std::nullopt};
    form.LoadBtnClick();
    EXPECT_EQ(form.windowTitle(), "Tarvik Atoms V3.5 - game ten.tkx");
}

TEST_F(SessionTest, LanguageButtonReachesCaptionTooltipsPanelAndTheNextDialog)
{
    writeSettings("tongue=0\nsave=/somewhere/mine.tkx\n");
    auto session = start();
    TMainForm& form = session->mainForm();
    EXPECT_EQ(form.toolbar().exitBtn->toolTip(), "I have enough!");
    EXPECT_EQ(form.lnames().label(0)->text(), "Water");

    script.answers["TTongueDlg"] = [](QDialog* d) { static_cast<TTongueDlg*>(d)->GermanBtn->click(); };
    form.TongueBtnClick();
    EXPECT_EQ(form.tongue(), 1);
    EXPECT_EQ(form.windowTitle(), "Tarvik Atoms V3.5 - Spiel mine.tkx");
    EXPECT_EQ(form.toolbar().exitBtn->toolTip(), "Ich hab genug!");
    EXPECT_EQ(form.toolbar().tongueBtn->toolTip(), "I don't speak german.");
    EXPECT_EQ(form.levellabel().text(), "Bauplan:");
    EXPECT_EQ(form.lnames().label(0)->text(), "Wasser");

    QString question, yes;
    script.answers["TEndGameDlg"] = [&](QDialog* d) {
        auto* quit = static_cast<QuestionDialog*>(d);
        question = quit->label->text();
        yes = quit->YesBtn->text();
        quit->NoBtn->click();
    };
    form.ExitBtnClick();
    EXPECT_EQ(question, "Willst Du wirklich schon aufhören?");
    EXPECT_EQ(yes, "Ja");

    // Closed without a choice: nothing changes, but the texts are set again.
    script.answers["TTongueDlg"] = [](QDialog* d) { d->close(); };
    form.setWindowTitle("stale");
    form.TongueBtnClick();
    EXPECT_EQ(form.tongue(), 1);
    EXPECT_EQ(form.windowTitle(), "Tarvik Atoms V3.5 - Spiel mine.tkx");
}

TEST_F(SessionTest, LanguageChosenInTheInfoDialogReachesTheWindowAtOnce)
{
    writeSettings("tongue=1\n");
    auto session = start();
    TMainForm& form = session->mainForm();
    QString infoCaption, tooltipWhileOpen;
    script.answers["TTongueDlg"] = [](QDialog* d) { static_cast<TTongueDlg*>(d)->EnglishBtn->click(); };
    script.answers["TInfoDialog"] = [&](QDialog* d) {
        auto* info = static_cast<TInfoDialog*>(d);
        info->TongBtn->click();
        infoCaption = info->windowTitle();
        tooltipWhileOpen = form.toolbar().exitBtn->toolTip();
        info->OKBtn->click();
    };
    form.info();
    EXPECT_EQ(infoCaption, "Info about ...");
    EXPECT_EQ(tooltipWhileOpen, "I have enough!");
    EXPECT_EQ(form.tongue(), 0);
    EXPECT_EQ(form.windowTitle(), "Tarvik Atoms V3.5");
}

TEST_F(SessionTest, SolvingEveryPlanShowsTheCheerThenTheCongratulation)
{
    writePlans(1);
    writeSettings("tongue=1\n");
    auto session = start();
    TMainForm& form = session->mainForm();
    QString cheer, title;
    script.answers["TSolvedDlg"] = [&](QDialog* d) {
        cheer = static_cast<TSolvedDlg*>(d)->label->text();
        static_cast<TSolvedDlg*>(d)->OKBtn->click();
    };
    script.answers["TWondlg"] = [&](QDialog* d) {
        title = static_cast<TWondlg*>(d)->title->text();
        static_cast<TWondlg*>(d)->OKBtn->click();
    };
    playTheAtom(form);
    EXPECT_EQ(cheer, "Hurra, geschafft!");
    EXPECT_EQ(title, "Gratulation");
    EXPECT_EQ(form.nsol().text(), "1/1");
    EXPECT_TRUE(form.game().allSolved());
}

TEST_F(SessionTest, ProgressAndPlanSurviveAnOrderlyCloseAndRestart)
{
    writeSettings("tongue=0\nlevel=2\n");
    auto session = start();
    script.answers["TSolvedDlg"] = [](QDialog* d) { static_cast<TSolvedDlg*>(d)->OKBtn->click(); };
    playTheAtom(session->mainForm());
    EXPECT_EQ(count("TSolvedDlg"), 1);
    EXPECT_EQ(count("TWondlg"), 0);
    fileDialogs.saveAnswers = {dir.filePath("run")};
    closeWith(*session, true);
    session.reset();

    auto next = start();
    EXPECT_EQ(next->mainForm().game().currentPlan(), 2);
    EXPECT_EQ(next->mainForm().nsol().text(), "1/3");
    EXPECT_TRUE(next->mainForm().game().currentPlanSolved());
    EXPECT_EQ(next->mainForm().windowTitle(), "Tarvik Atoms V3.5 - game run.tkx");
}

TEST_F(SessionTest, OnlyYesInTheQuestionsStartsOverOrRestarts)
{
    writeSettings("tongue=0\n");
    auto session = start();
    TMainForm& form = session->mainForm();
    script.answers["TSolvedDlg"] = [](QDialog* d) { static_cast<TSolvedDlg*>(d)->OKBtn->click(); };
    playTheAtom(form);
    ASSERT_EQ(form.nsol().text(), "1/3");

    script.answers["TGiveUpDlg"] = [](QDialog* d) { d->close(); };
    form.game().StartBtnClick();
    EXPECT_EQ(form.nsol().text(), "1/3");
    script.answers["TGiveUpDlg"] = [](QDialog* d) { static_cast<QuestionDialog*>(d)->YesBtn->click(); };
    form.game().StartBtnClick();
    EXPECT_EQ(form.nsol().text(), "0/3");

    form.game().boxMouseDown(2 * 30 + 15, 2 * 30 + 15);  // carrying
    script.answers["TRestartDlg"] = [](QDialog* d) { static_cast<QuestionDialog*>(d)->NoBtn->click(); };
    form.game().RestartBtnClick();
    EXPECT_EQ(form.game().playState(), PlayState::Carrying);
    script.answers["TRestartDlg"] = [](QDialog* d) { static_cast<QuestionDialog*>(d)->YesBtn->click(); };
    form.game().RestartBtnClick();
    EXPECT_EQ(form.game().playState(), PlayState::Idle);
    EXPECT_EQ(count("TGiveUpDlg"), 2);
    EXPECT_EQ(count("TRestartDlg"), 2);
}

}  // namespace
}  // namespace tarvik::testing
