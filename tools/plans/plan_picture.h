// A plan drawn as the game shows it when the plan is set up: the backdrop
// below the toolbar, the board cut from the tile sheet, and the molecule
// preview beside it. For documents and for looking at generated boards
// without starting the game.
#pragma once

#include <QImage>

#include "core/plan_record.h"

namespace tarvik::plans {

// The three sheets the picture is cut from, at the game's sizes: tile sheet
// 240 x 330, preview sheet 120 x 75, backdrop 650 x 470.
struct PlanSheets {
    QImage tiles;
    QImage preview;
    QImage backdrop;
};

// 650 x 470, the window's area below the toolbar: the board at (8, 12) and
// the molecule's 150 x 150 preview at (480, 200), as in the running game.
QImage drawPlanPicture(const PlanRecord& plan, const PlanSheets& sheets);

}  // namespace tarvik::plans
