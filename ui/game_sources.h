#pragma once

#include "core/game.h"
#include "ui/board_view.h"
#include "ui/molecule_view.h"

namespace tarvik {

// The board and the molecule of the plan in play, as the views read them.
class GameSources final : public BoardSource, public MoleculeSource {
public:
    const Game* game = nullptr;

    std::uint8_t cell(int column, int row) const override { return game->plan().cell(column, row); }
    std::int32_t atomKind(int slot) const override { return game->plan().atomKind[slot]; }
    bool solvedLook() const override { return game->playState() == PlayState::Solved; }

    int molWidth() const override { return game->plan().molWidth; }
    int molHeight() const override { return game->plan().molHeight; }
    int atomCol(int slot) const override { return game->plan().atomCol[slot]; }
    int atomRow(int slot) const override { return game->plan().atomRow[slot]; }
};

}  // namespace tarvik
