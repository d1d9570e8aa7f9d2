#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "core/atom_kind.h"
#include "ui/board_view.h"
#include "ui/glyph_button.h"
#include "ui/main_form_seams.h"
#include "ui/molecule_view.h"
#include "ui/name_labels.h"
#include "ui/plan_number_view.h"
#include "ui/progress_gauge.h"
#include "ui/toolbar.h"
#include "window_fixture.h"

namespace tarvik {
namespace {

using testing::block;
using testing::expectedAtomCell;
using testing::kBlack;
using testing::kCarbonRight;
using testing::kHydrogenLeft;
using testing::solid;
using testing::TestWindow;
using testing::WindowOptions;


TEST(MainWindowLayout, EveryControlAtItsPlaceAndSize)
{
    TestWindow w;
    TMainForm& f = *w.form;
    EXPECT_EQ(f.size(), QSize(650, 503));
    EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "not resizable";
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);

    EXPECT_EQ(f.toolbar().geometry(), QRect(0, 0, 650, 33));
    const std::pair<QWidget*, QRect> places[] = {
        {f.toolbar().startBtn, QRect(4, 4, 25, 25)},    {f.toolbar().restartBtn, QRect(32, 4, 25, 25)},
        {f.toolbar().loadBtn, QRect(60, 4, 25, 25)},    {f.toolbar().saveBtn, QRect(88, 4, 25, 25)},
        {f.toolbar().soundBtn, QRect(116, 4, 25, 25)},  {f.toolbar().tipBtn, QRect(144, 4, 25, 25)},
        {f.toolbar().exitBtn, QRect(172, 4, 25, 25)},   {f.toolbar().tongueBtn, QRect(532, 4, 25, 25)},
        {f.toolbar().rulesBtn, QRect(560, 4, 25, 25)},  {f.toolbar().infoBtn, QRect(588, 4, 25, 25)},
        {f.toolbar().tarvikBtn, QRect(616, 4, 29, 25)}, {&f.box(), QRect(8, 45, 450, 450)},
        {&f.levellabel(), QRect(484, 52, 125, 16)},     {&f.levelbox(), QRect(496, 66, 133, 39)},
        {&f.sDownBtn(), QRect(481, 109, 20, 20)},       {&f.LevelScroll(), QRect(501, 109, 108, 20)},
        {&f.sUpBtn(), QRect(609, 109, 20, 20)},         {&f.gsol(), QRect(482, 131, 146, 18)},
        {&f.nsol(), QRect(504, 133, 101, 16)},          {&f.mol(), QRect(480, 233, 150, 150)},
        {&f.MakerLabel(), QRect(516, 464, 67, 18)},
    };
    for (const auto& [control, place] : places)
        EXPECT_EQ(control->geometry(), place) << control->objectName().toStdString();

    EXPECT_TRUE(f.MakerLabel().isHidden());
    EXPECT_EQ(f.MakerLabel().text(), QStringLiteral("https://tarvik-games.example.org/"));
    EXPECT_TRUE(f.toolbar().soundBtn->isCheckable());
    EXPECT_EQ(f.levellabel().palette().color(QPalette::WindowText), QColor(255, 217, 0));
    EXPECT_EQ(f.nsol().palette().color(QPalette::WindowText), QColor(255, 217, 0));
    EXPECT_EQ(f.levellabel().font().pixelSize(), 12);
    EXPECT_EQ(f.nsol().font().pixelSize(), 11);
    EXPECT_EQ(f.lnames().label(0)->font().pixelSize(), 16);
}

TEST(MainWindowLayout, OnlyThePlanScrollBarTakesTheFocus)
{
    TestWindow w;
    QScrollBar& scroll = w.form->LevelScroll();
    EXPECT_EQ(scroll.minimum(), 1);
    EXPECT_EQ(scroll.maximum(), 20);
    EXPECT_EQ(scroll.singleStep(), 1);
    EXPECT_EQ(scroll.pageStep(), 12);
    EXPECT_NE(scroll.focusPolicy(), Qt::NoFocus);
    for (QWidget* control : w.form->findChildren<QWidget*>()) {
        if (control != &scroll) {
            EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
        }
    }
}

struct Tip {
    const char* control;
    const char* english;
    const char* german;
};

// The texts as the players know them, written out here rather than taken from
// the window's own table.
const Tip kTips[] = {
    {"StartBtn", "I start again.", "Ich fang neu an."},
    {"RestartBtn", "I try it again.", "Ich probier's nochmal."},
    {"LoadBtn", "I want to continue an old game.", "Ich hol mir einen alten Spielstand."},
    {"SaveBtn", "Save often, save always.", "Einmal zu oft gesichert ist besser als einmal zuwenig"},
    {"SoundBtn", "I dont like the sound always.", "Die Geräusche mag ich nicht immer."},
    {"TipBtn", "Where shall i put this molecule?", "Wo gehört dieses Ding nur hin?"},
    {"ExitBtn", "I have enough!", "Ich hab genug!"},
    {"RulesBtn", "What's to do here?", "Worum geht's da eigentlich?"},
    {"InfoBtn", "Who did these TARVIK GAME?", "Wer hat diese Spiele nur verbrochen?"},
    {"TarvikBtn", "Hurrah, there are more TARVIK GAMES.", "Hurra, es gibt noch mehr Tarvik Games."},
    {"LevelScroll", "I choose another construction plan!", "Ich such mir einen anderen Bauplan!"},
    {"sUpBtn", "Next unsolved plan", "nächster ungelöster Bauplan"},
    {"sDownBtn", "Previous unsolved plan", "vorheriger ungelöster Bauplan"},
    {"mol", "construction plan", "Bauplan"},
    {"TongueBtn", "Ich spreche nicht englisch.", "I don't speak german."},
    {"lname1", "molecule name", "Molekülbezeichnung"},
    {"lname2", "molecule name", "Molekülbezeichnung"},
    {"lname3", "molecule name", "Molekülbezeichnung"},
};

TEST(MainWindowTexts, EveryTooltipInBothLanguages)
{
    TestWindow w;
    for (int tongue : {-1, 0, 1, 7}) {
        w.form->setTongue(tongue);
        w.form->applyWindowTexts();
        const bool german = tongue == 1;
        for (const Tip& tip : kTips) {
            auto* control = w.form->findChild<QWidget*>(QString::fromLatin1(tip.control));
            ASSERT_NE(control, nullptr) << tip.control;
            EXPECT_EQ(control->toolTip(), QString::fromUtf8(german ? tip.german : tip.english))
                << tip.control << " tongue " << tongue;
        }
        EXPECT_EQ(w.form->levellabel().text(), QString::fromUtf8(german ? "Bauplan:" : "construction plan:"));
        EXPECT_EQ(w.form->lnames().label(0)->text(), QString::fromUtf8(german ? "Bauplan 1" : "plan 1"));
        EXPECT_TRUE(w.form->box().toolTip().isEmpty());
        EXPECT_TRUE(w.form->levellabel().toolTip().isEmpty());
        EXPECT_TRUE(w.form->toolTip().isEmpty());
    }
}

TEST(MainWindowTexts, PlanAndProgressTooltipsFollowThePlanAndTheLanguage)
{
    TestWindow w;
    w.form->game().solvedFlags().markSolved(2);
    w.form->game().solvedFlags().markSolved(5);
    w.form->showPlanNumber();
    EXPECT_EQ(w.form->levelbox().toolTip(), QStringLiteral("plan 1: unsolved"));
    EXPECT_EQ(w.form->gsol().toolTip(), QStringLiteral("2 of 20 plans solved."));
    EXPECT_EQ(w.form->nsol().toolTip(), QStringLiteral("2 of 20 plans solved."));
    w.form->setTongue(1);
    w.form->LevelScroll().setValue(5);
    EXPECT_EQ(w.form->levelbox().toolTip(), QString::fromUtf8("Bauplan 5: gelöst"));
    w.form->FormPaint();
    EXPECT_EQ(w.form->gsol().toolTip(), QString::fromUtf8("2 von 20 Bauplänen gelöst."));
    EXPECT_EQ(w.form->nsol().text(), QStringLiteral("2/20"));
}

TEST(MainWindowTexts, NamesFromThePlansAreShownAsPlainText)
{
    WindowOptions options;
    options.firstEnglishName = "<b>x</b>";
    TestWindow w(options);
    QLabel& line = *w.form->lnames().label(0);
    EXPECT_EQ(line.text(), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(line.textFormat(), Qt::PlainText);
    EXPECT_EQ(w.form->nsol().textFormat(), Qt::PlainText);
}

TEST(MainWindowPlanChoice, PageDownOnTheScrollBarMovesTwelvePlans)
{
    TestWindow w;
    QScrollBar& scroll = w.form->LevelScroll();
    scroll.setFocus();
    QTest::keyClick(&scroll, Qt::Key_PageDown);
    EXPECT_EQ(w.form->game().currentPlan(), 13);
    // Set up and shown as when the thumb is dragged: board, preview, number.
    EXPECT_EQ(w.boardCell(2 + 13 % 5, 3), expectedAtomCell(w.form->images(), kCarbonRight));
    EXPECT_EQ(w.boardCell(2 + 1 % 5, 3), kBlack);
    EXPECT_EQ(w.form->lnames().label(0)->text(), QStringLiteral("plan 13"));
    const QImage& digits = w.form->levelbox().surface().image();
    EXPECT_EQ(block(digits, QRect(30, 0, 30, 39)), solid(testing::digitColour(1), 30, 39));
    EXPECT_EQ(block(digits, QRect(60, 0, 30, 39)), solid(testing::digitColour(3), 30, 39));

    QTest::keyClick(&scroll, Qt::Key_PageDown);
    EXPECT_EQ(w.form->game().currentPlan(), 20) << "held to the last plan";
    QTest::keyClick(&scroll, Qt::Key_Left);
    EXPECT_EQ(w.form->game().currentPlan(), 19) << "left goes back";
    QTest::keyClick(&scroll, Qt::Key_PageUp);
    EXPECT_EQ(w.form->game().currentPlan(), 7);
    QTest::keyClick(&scroll, Qt::Key_Right);
    EXPECT_EQ(w.form->game().currentPlan(), 8);
}

TEST(MainWindowPlay, PushSlidesThePictureToTheCellBeforeTheNextAtom)
{
    for (int speed : {2, 3, 5, 10}) {
        WindowOptions options;
        options.speed = speed;
        TestWindow w(options);
        // Plan 1: carbon at (3, 3), hydrogen at (9, 3).
        w.mouseDown(105, 105);
        EXPECT_EQ(w.record.pointerHides, 1);
        w.mouseMove(130, 105);
        EXPECT_EQ(w.form->game().plan().cell(8, 3), 1);
        EXPECT_EQ(w.boardCell(8, 3), expectedAtomCell(w.form->images(), kCarbonRight)) << "speed " << speed;
        for (int column = 3; column < 8; ++column)
            EXPECT_EQ(w.boardCell(column, 3), kBlack) << "speed " << speed << " column " << column;
        EXPECT_EQ(w.boardCell(9, 3), expectedAtomCell(w.form->images(), kHydrogenLeft));
    }
}

TEST(MainWindowPlay, PointerThatStaysBehindBecomesTheNewReference)
{
    for (bool refuses : {false, true}) {
        WindowOptions options;
        options.pointerRefuses = refuses;
        TestWindow w(options);
        w.mouseDown(105, 105);
        w.mouseMove(130, 105);
        ASSERT_EQ(w.form->game().plan().cell(8, 3), 1);
        const BoardPoint expected = refuses ? BoardPoint{130, 105} : BoardPoint{8 * 30 + 12, 3 * 30 + 12};
        EXPECT_EQ(w.form->game().board().refPoint(), expected) << (refuses ? "refused" : "moved");
        EXPECT_EQ(w.pointerAt, w.toScreen(expected.x, expected.y));

        // The platform now reports the pointer where it really is, a pixel further on.
        const QPoint at = w.form->box().mapFromGlobal(w.pointerAt);
        w.mouseMove(at.x() + 1, at.y());
        EXPECT_EQ(w.form->game().plan().cell(8, 3), 1) << "no push the player did not make";
        EXPECT_EQ(w.form->game().plan().cell(3, 3), 0);
    }
}

TEST(MainWindowPlay, SolvingFlashesShowsTheDialogAndUpdatesTheDisplay)
{
    TestWindow w;
    w.mouseDown(105, 105);
    w.mouseMove(130, 105);
    w.mouseDown(250, 100);
    EXPECT_EQ(w.record.waves, (std::vector<std::string>{"play 1", "loop 6", "play 2", "play 3"}));
    EXPECT_EQ(w.record.dialogs, (std::vector<std::string>{"solved"}));
    EXPECT_EQ(w.record.pointerHides, w.record.pointerShows);
    // The last flash frame stays on the atom cells until the board is painted again.
    EXPECT_EQ(w.boardCell(8, 3), solid(testing::flashColour(5)));
    EXPECT_EQ(w.boardCell(9, 3), solid(testing::flashColour(5)));
    EXPECT_EQ(w.boardCell(1, 1), kBlack);
    EXPECT_EQ(w.form->gsol().value(), 1);
    EXPECT_EQ(w.form->nsol().text(), QStringLiteral("1/20"));

    w.form->FormPaint();
    EXPECT_EQ(w.boardCell(8, 3), kBlack) << "a solved plan shows no atoms";
    EXPECT_EQ(w.boardCell(9, 3), kBlack);
    EXPECT_EQ(w.boardCell(0, 3), solid(testing::wallColour(21)));
    EXPECT_EQ(block(w.form->levelbox().surface().image(), QRect(93, 0, 30, 39)),
              solid(testing::kSolvedMarker, 30, 39));
    EXPECT_EQ(w.form->levelbox().toolTip(), QStringLiteral("plan 1: solved"));
    // The preview still shows the molecule.
    EXPECT_EQ(block(w.form->mol().surface().image(), QRect(moleculeOffset(2, 1), QSize(15, 15))),
              testing::expectedPreviewAtom(w.form->images(), kCarbonRight));

    // The board takes no input now.
    w.mouseDown(105, 105);
    w.mouseDown(250, 100);
    EXPECT_EQ(w.record.dialogs.size(), 1u);
}

TEST(MainWindowPlay, SoundOffPlaysNothing)
{
    WindowOptions options;
    options.sound = false;
    TestWindow w(options);
    w.mouseDown(105, 105);
    w.mouseMove(130, 105);
    w.mouseDown(250, 100);
    QTest::mousePress(w.form->toolbar().tipBtn, Qt::LeftButton);
    QTest::mouseRelease(w.form->toolbar().tipBtn, Qt::LeftButton);
    EXPECT_TRUE(w.record.waves.empty());
    EXPECT_EQ(w.record.dialogs, (std::vector<std::string>{"solved"}));
}

TEST(MainWindowHint, ShownWhileTheButtonIsHeldAndGoneOnRelease)
{
    TestWindow w;
    const QImage before = w.form->box().surface().image().copy();
    QTest::mousePress(w.form->toolbar().tipBtn, Qt::LeftButton);
    EXPECT_EQ(w.record.waves, (std::vector<std::string>{"play 4"}));
    // With every draw 0 the first fitting place is row 1, column 1: the top row is wall.
    EXPECT_EQ(w.boardCell(1, 1), expectedAtomCell(w.form->images(), kCarbonRight));
    EXPECT_EQ(w.boardCell(2, 1), expectedAtomCell(w.form->images(), kHydrogenLeft));
    EXPECT_EQ(w.boardCell(3, 3), kBlack) << "atoms on the board are blanked";
    EXPECT_EQ(w.boardCell(9, 3), kBlack);
    EXPECT_EQ(w.boardCell(0, 1), solid(testing::wallColour(21)));
    EXPECT_EQ(w.form->game().plan().cell(3, 3), 1) << "the hint changes nothing but the picture";

    QTest::mouseRelease(w.form->toolbar().tipBtn, Qt::LeftButton);
    EXPECT_EQ(w.form->box().surface().image(), before);

    // Any mouse button holds it.
    QTest::mousePress(w.form->toolbar().tipBtn, Qt::RightButton);
    EXPECT_EQ(w.boardCell(1, 1), expectedAtomCell(w.form->images(), kCarbonRight));
    QTest::mouseRelease(w.form->toolbar().tipBtn, Qt::RightButton);
    EXPECT_EQ(w.form->box().surface().image(), before);
    EXPECT_EQ(w.record.waves, (std::vector<std::string>{"play 4", "play 4"}));
}

TEST(MainWindowPlanChoice, StartOverAndRestartAskFirst)
{
    TestWindow w;
    w.mouseDown(105, 105);
    w.mouseMove(130, 105);
    w.dialogs->answer = false;
    QTest::mouseClick(w.form->toolbar().restartBtn, Qt::LeftButton);
    EXPECT_EQ(w.form->game().plan().cell(8, 3), 1) << "declined: nothing changes";
    w.dialogs->answer = true;
    QTest::mouseClick(w.form->toolbar().restartBtn, Qt::LeftButton);
    EXPECT_EQ(w.form->game().plan().cell(3, 3), 1);
    EXPECT_EQ(w.boardCell(3, 3), expectedAtomCell(w.form->images(), kCarbonRight));
    EXPECT_EQ(w.boardCell(8, 3), kBlack);
    EXPECT_EQ(w.record.pointerHides, w.record.pointerShows) << "restart ends the carrying";

    w.form->LevelScroll().setValue(9);
    w.form->game().solvedFlags().markSolved(4);
    QTest::mouseClick(w.form->toolbar().startBtn, Qt::LeftButton);
    EXPECT_EQ(w.form->game().currentPlan(), 1);
    EXPECT_EQ(w.form->LevelScroll().value(), 1);
    EXPECT_EQ(w.form->nsol().text(), QStringLiteral("0/20"));
    EXPECT_EQ(w.record.dialogs, (std::vector<std::string>{"restart?", "restart?", "start over?"}));
}

TEST(MainWindowPlanChoice, NextAndPreviousUnsolvedWrapAround)
{
    TestWindow w;
    for (int plan : {2, 3, 19})
        w.form->game().solvedFlags().markSolved(plan);
    QTest::mouseClick(&w.form->sUpBtn(), Qt::LeftButton);
    EXPECT_EQ(w.form->game().currentPlan(), 4);
    EXPECT_EQ(w.form->LevelScroll().value(), 4);
    QTest::mouseClick(&w.form->sDownBtn(), Qt::LeftButton);
    EXPECT_EQ(w.form->game().currentPlan(), 1);
    QTest::mouseClick(&w.form->sDownBtn(), Qt::LeftButton);
    EXPECT_EQ(w.form->game().currentPlan(), 20);
    EXPECT_EQ(w.form->lnames().label(0)->text(), QStringLiteral("plan 20"));
}

class RecordingSeams : public MainFormSeams {
public:
    std::vector<std::string> calls;
    bool allowClose = false;
    void LoadBtnClick(TMainForm&) override { calls.push_back("load"); }
    void SaveBtnClick(TMainForm&) override { calls.push_back("save"); }
    void TongueBtnClick(TMainForm&) override { calls.push_back("tongue"); }
    void info(TMainForm&) override { calls.push_back("info"); }
    void rules(TMainForm&) override { calls.push_back("rules"); }
    void TarvikBtnClick(TMainForm&) override { calls.push_back("maker"); }
    bool FormCloseQuery(TMainForm&) override
    {
        calls.push_back("close?");
        return allowClose;
    }
    void FormClose(TMainForm&) override { calls.push_back("close"); }
};

TEST(MainWindowSeams, ToolbarCommandsReachTheProgramAndClosingAsksFirst)
{
    RecordingSeams seams;
    testing::Record record;
    const PlanCatalogue catalogue = testing::testCatalogue(3);
    MainFormParts parts;
    parts.images = testing::testImages();
    parts.waves = std::make_unique<testing::RecordingWaves>(record);
    parts.dialogs = std::make_unique<testing::ScriptedDialogs>(record);
    parts.seams = &seams;
    TMainForm form(catalogue, 3, std::move(parts));
    form.startWithPlan(1);
    form.show();
    Toolbar& t = form.toolbar();
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(t.loadBtn), static_cast<QAbstractButton*>(t.saveBtn),
                                    static_cast<QAbstractButton*>(t.tongueBtn), static_cast<QAbstractButton*>(t.rulesBtn),
                                    static_cast<QAbstractButton*>(t.infoBtn), static_cast<QAbstractButton*>(t.tarvikBtn)})
        QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(t.exitBtn, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible()) << "the close was declined";
    seams.allowClose = true;
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(seams.calls, (std::vector<std::string>{"load", "save", "tongue", "rules", "info", "maker", "close?",
                                                     "close?", "close"}));
}

}  // namespace
}  // namespace tarvik

namespace tarvik {
namespace {

TEST(MainWindowLayout, EveryButtonShowsItsGlyphAtItsSize)
{
    TestWindow w;
    Toolbar& t = w.form->toolbar();
    const std::pair<GlyphButton*, QSize> glyphs[] = {
        {t.startBtn, {18, 18}},  {t.restartBtn, {18, 18}}, {t.loadBtn, {18, 18}},  {t.saveBtn, {18, 18}},
        {t.soundBtn, {16, 16}},  {t.tipBtn, {18, 18}},     {t.exitBtn, {18, 18}},  {t.tongueBtn, {15, 15}},
        {t.rulesBtn, {18, 18}},  {t.infoBtn, {18, 18}},    {t.tarvikBtn, {26, 20}}, {&w.form->sDownBtn(), {15, 15}},
        {&w.form->sUpBtn(), {15, 15}},
    };
    for (const auto& [button, size] : glyphs) {
        EXPECT_FALSE(button->glyph().isNull()) << button->objectName().toStdString();
        EXPECT_EQ(button->glyph().size(), size) << button->objectName().toStdString();
        // The bottom-left corner is the transparent colour, so it must be see-through.
        EXPECT_EQ(qAlpha(button->glyph().toImage().pixel(0, size.height() - 1)), 0)
            << button->objectName().toStdString();
    }
}

}  // namespace
}  // namespace tarvik
