#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace tarvik {

// The main window's place as kept under "MainForm": the tag "200", the
// placement flags, the show state and the normal rectangle (right and bottom
// lie just outside the window), seven decimal integers joined by commas.
struct WindowPlacement {
    int flags = 0;
    int showState = 1;  // 1 normal, 2 minimised
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

QString formatPlacement(const WindowPlacement& placement);

// Anything that does not split into seven decimal integers led by "200"
// counts as absent.
std::optional<WindowPlacement> parsePlacement(const QString& text);

// Where the window's outer frame goes when it is first shown: at the stored
// left and top pulled back inside the desktop (right and bottom edges first,
// then left and top), or centred on the screen when nothing valid is stored.
QPoint placedPosition(const std::optional<WindowPlacement>& stored, QSize frameSize,
                      const QRect& desktop, const QRect& screen);

// The placement to store for a window whose outer frame is at frame.
WindowPlacement placementOf(const QRect& frame, bool minimised);

}  // namespace tarvik
