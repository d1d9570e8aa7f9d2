#include "lifecycle/window_placement.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(WindowPlacementText, FormatsSevenItemsLedByTheTag)
{
    const WindowPlacement p{0, 1, 10, -20, 670, 543};
    EXPECT_EQ(formatPlacement(p), "200,0,1,10,-20,670,543");
    EXPECT_EQ(parsePlacement(formatPlacement(p)), p);
}

TEST(WindowPlacementText, MalformedValuesCountAsAbsent)
{
    EXPECT_FALSE(parsePlacement("200,0,1,10,20,670"));          // six items
    EXPECT_FALSE(parsePlacement("200,0,1,10,20,670,543,9"));    // eight items
    EXPECT_FALSE(parsePlacement("100,0,1,10,20,670,543"));      // wrong tag
    EXPECT_FALSE(parsePlacement("200,0,1,10,x,670,543"));       // not a number
    EXPECT_FALSE(parsePlacement("200, 0,1,10,20,670,543"));     // blanks
    EXPECT_FALSE(parsePlacement(""));
}

TEST(WindowPlacementPosition, AbsentValueCentresOnTheScreenRoundingTowardZero)
{
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(placedPosition(std::nullopt, QSize(657, 531), screen, screen), QPoint(183, 118));
    // A window larger than the screen: (-1)/2 rounds to 0, not -1.
    EXPECT_EQ(placedPosition(std::nullopt, QSize(1025, 769), screen, screen), QPoint(0, 0));
    EXPECT_EQ(placedPosition(std::nullopt, QSize(1027, 771), screen, screen), QPoint(-1, -1));
}

TEST(WindowPlacementPosition, StoredPlaceInsideTheDesktopIsKept)
{
    const QRect desk(0, 0, 1024, 768);
    const WindowPlacement p{0, 1, 40, 50, 0, 0};
    EXPECT_EQ(placedPosition(p, QSize(656, 530), desk, desk), QPoint(40, 50));
}

TEST(WindowPlacementPosition, PlacePartlyOffTheDesktopIsPulledBackInside)
{
    const QRect desk(0, 0, 1024, 768);
    const QSize size(656, 530);
    EXPECT_EQ(placedPosition(WindowPlacement{0, 1, 900, 700, 0, 0}, size, desk, desk), QPoint(368, 238));
    EXPECT_EQ(placedPosition(WindowPlacement{0, 1, -300, -40, 0, 0}, size, desk, desk), QPoint(0, 0));
    // The right edge's pull comes first, so a window wider than the desktop ends on its left edge.
    EXPECT_EQ(placedPosition(WindowPlacement{0, 1, 500, 10, 0, 0}, QSize(1200, 530), desk, desk), QPoint(0, 10));
    // A desktop that does not start at the origin.
    const QRect shifted(100, 50, 800, 600);
    EXPECT_EQ(placedPosition(WindowPlacement{0, 1, 0, 0, 0, 0}, size, shifted, shifted), QPoint(100, 50));
    EXPECT_EQ(placedPosition(WindowPlacement{0, 1, 600, 600, 0, 0}, size, shifted, shifted), QPoint(244, 120));
}

TEST(WindowPlacementStore, NormalRectangleEndsJustOutsideTheFrame)
{
    const WindowPlacement p = placementOf(QRect(12, 34, 656, 530), false);
    EXPECT_EQ(p, (WindowPlacement{0, 1, 12, 34, 668, 564}));
    EXPECT_EQ(placementOf(QRect(0, 0, 10, 10), true).showState, 2);
}

}  // namespace
}  // namespace tarvik
