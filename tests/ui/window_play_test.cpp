#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "core/atom_kind.h"
#include "ui/board_view.h"
#include "ui/glyph_button.h"
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


// The backdrop's block that lies beneath a board cell in the window.
QImage backdropBeneath(const TestWindow& w, int column, int row)
{
    return block(w.form->images().backdrop, QRect(8 + column * 30, 12 + row * 30, 30, 30));
}

void showWindow(TestWindow& w)
{
    w.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.form.get()));
}

TEST(MainWindowBoard, ObstaclesShowTheBackdropAtStartAfterAPlanChangeAndAfterAnExpose)
{
    TestWindow w;
    EXPECT_EQ(w.boardCell(13, 13), backdropBeneath(w, 13, 13)) << "at start";
    for (int row = 1; row < 14; ++row)
        ASSERT_EQ(w.boardCell(14, row), solid(testing::wallColour(22))) << "plan 1 has walls there";

    w.form->LevelScroll().setValue(2);
    for (int row = 1; row < 14; ++row)
        EXPECT_EQ(w.boardCell(14, row), backdropBeneath(w, 14, row)) << "obstacle code " << 51 + (row - 1) * 19 / 3;

    showWindow(w);
    const QImage shown = w.form->grab().toImage();
    for (int row = 1; row < 14; ++row)
        EXPECT_EQ(block(shown, QRect(8 + 14 * 30, 45 + row * 30, 30, 30)), backdropBeneath(w, 14, row)) << row;

    w.form->LevelScroll().setValue(3);
    EXPECT_EQ(w.boardCell(14, 7), solid(testing::wallColour(22)));
}

// Real mouse events through the window, so that the button keeps the mouse while
// it is held, as on screen.
TEST(MainWindowHint, OneSearchPerPressAndOneRepaintWhenThatButtonIsReleased)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        TestWindow w;
        showWindow(w);
        QWindow* window = w.form->windowHandle();
        GlyphButton& tip = *w.form->toolbar().tipBtn;
        const QPoint onButton = tip.mapTo(w.form.get(), tip.rect().center());
        const QPoint overBoard(200, 200);
        const QImage before = w.form->box().surface().image().copy();
        const QImage hinted = expectedAtomCell(w.form->images(), kCarbonRight);

        QTest::mousePress(window, button, {}, onButton);
        EXPECT_EQ(w.boardCell(1, 1), hinted);
        QTest::mouseMove(window, overBoard);
        QTest::mouseMove(window, onButton);
        QTest::mouseMove(window, overBoard);
        EXPECT_EQ(w.boardCell(1, 1), hinted) << "shown as long as the button is held";
        EXPECT_EQ(w.boardCell(3, 3), kBlack);

        QTest::mouseRelease(window, button, {}, overBoard);
        EXPECT_EQ(w.form->box().surface().image(), before) << "released off the button";
        EXPECT_EQ(w.random->draws, 3) << "one search: scan order, row start, column start";
        EXPECT_EQ(w.record.waves, (std::vector<std::string>{"play 4"}));
        EXPECT_EQ(w.form->game().plan(), w.catalogue.plan(1));
    }
}

TEST(MainWindowSlide, AHintReleasedDuringASlideRepaintsTheBoardAfterThePush)
{
    TestWindow w;
    GlyphButton* tip = w.form->toolbar().tipBtn;
    w.mouseDown(105, 105);
    w.events->duringSlide = [tip] {
        QTest::mousePress(tip, Qt::LeftButton);
        QTest::mouseRelease(tip, Qt::LeftButton);
    };
    w.mouseMove(130, 105);
    ASSERT_EQ(w.form->game().plan().cell(8, 3), 1);
    EXPECT_EQ(w.random->draws, 3) << "the hint ran inside the slide";
    EXPECT_EQ(w.boardCell(8, 3), expectedAtomCell(w.form->images(), kCarbonRight)) << "the carried atom stays visible";
    EXPECT_EQ(w.boardCell(1, 1), kBlack) << "the hint picture is gone";
    EXPECT_EQ(w.boardCell(9, 3), expectedAtomCell(w.form->images(), kHydrogenLeft));
    for (int column = 3; column < 8; ++column)
        EXPECT_EQ(w.boardCell(column, 3), kBlack) << column;
}

TEST(MainWindowSlide, SoundSwitchedOffDuringASlideStillStopsTheLoop)
{
    TestWindow w;
    w.mouseDown(105, 105);
    w.events->duringSlide = [&w] { QTest::mouseClick(w.form->toolbar().soundBtn, Qt::LeftButton); };
    w.mouseMove(130, 105);
    ASSERT_EQ(w.form->game().plan().cell(8, 3), 1);
    EXPECT_FALSE(w.form->soundOn());
    EXPECT_EQ(w.record.waves, (std::vector<std::string>{"play 1", "loop 6"}));
    EXPECT_EQ(w.record.playing, "") << "wave 6 would loop until sound is switched on again";
}

}  // namespace
}  // namespace tarvik
