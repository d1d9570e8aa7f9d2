#pragma once

#include <QPoint>

#include <memory>

namespace tarvik {

// The system mouse pointer, as far as the game needs it.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void hide() = 0;
    virtual void show() = 0;
    // Asks the platform to put the pointer at a screen point; some refuse.
    virtual void moveTo(const QPoint& screenPoint) = 0;
    // Where the pointer really is, on the screen.
    virtual QPoint position() const = 0;
};

// Hides by laying a blank cursor over the application; every hide is undone by
// exactly one show, and a show without a hide does nothing.
std::unique_ptr<Pointer> makeSystemPointer();

}  // namespace tarvik
