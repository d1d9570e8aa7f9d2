#include "lifecycle/window_placement.h"

#include "lifecycle/settings_rules.h"

#include <QStringList>

namespace tarvik {

namespace {
constexpr int kFormatTag = 200;
constexpr int kItems = 7;
}  // namespace

QString formatPlacement(const WindowPlacement& p)
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
        .arg(kFormatTag)
        .arg(p.flags)
        .arg(p.showState)
        .arg(p.left)
        .arg(p.top)
        .arg(p.right)
        .arg(p.bottom);
}

std::optional<WindowPlacement> parsePlacement(const QString& text)
{
    const QStringList items = text.split(QLatin1Char(','));
    if (items.size() != kItems)
        return std::nullopt;
    int values[kItems];
    for (int i = 0; i < kItems; ++i) {
        const auto value = parseDecimal(items[i].toStdString());
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    if (values[0] != kFormatTag)
        return std::nullopt;
    return WindowPlacement{values[1], values[2], values[3], values[4], values[5], values[6]};
}

QPoint placedPosition(const std::optional<WindowPlacement>& stored, QSize frameSize,
                      const QRect& desktop, const QRect& screen)
{
    if (!stored) {
        // Integer division rounds toward zero, also for a window wider than the screen.
        return {screen.left() + (screen.width() - frameSize.width()) / 2,
                screen.top() + (screen.height() - frameSize.height()) / 2};
    }
    int left = stored->left;
    int top = stored->top;
    const int desktopRight = desktop.left() + desktop.width();
    const int desktopBottom = desktop.top() + desktop.height();
    if (left + frameSize.width() > desktopRight)
        left = desktopRight - frameSize.width();
    if (top + frameSize.height() > desktopBottom)
        top = desktopBottom - frameSize.height();
    if (left < desktop.left())
        left = desktop.left();
    if (top < desktop.top())
        top = desktop.top();
    return {left, top};
}

WindowPlacement placementOf(const QRect& frame, bool minimised)
{
    return WindowPlacement{0, minimised ? 2 : 1, frame.left(), frame.top(),
                           frame.left() + frame.width(), frame.top() + frame.height()};
}

}  // namespace tarvik
