#include "ui/board_pointer.h"

#include <QWidget>

#include "ui/pointer.h"

namespace tarvik {

BoardPointer::BoardPointer(Pointer& pointer, const QWidget& board) : pointer_(pointer), board_(board) {}

void BoardPointer::hide() { pointer_.hide(); }
void BoardPointer::show() { pointer_.show(); }

BoardPoint BoardPointer::moveTo(BoardPoint target)
{
    pointer_.moveTo(board_.mapToGlobal(QPoint(target.x, target.y)));
    const QPoint actual = board_.mapFromGlobal(pointer_.position());
    return BoardPoint{actual.x(), actual.y()};
}

}  // namespace tarvik
