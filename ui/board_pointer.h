#pragma once

#include "core/ports.h"

class QWidget;

namespace tarvik {

class Pointer;

// The pointer as the board sees it: in board pixels. Moving it reports where
// it really ended up, because some platforms refuse to move the pointer; the
// game then measures the next push from there instead of from a place the
// pointer never reached.
class BoardPointer final : public PointerControl {
public:
    BoardPointer(Pointer& pointer, const QWidget& board);

    void hide() override;
    void show() override;
    BoardPoint moveTo(BoardPoint target) override;

private:
    Pointer& pointer_;
    const QWidget& board_;
};

}  // namespace tarvik
