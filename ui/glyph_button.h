#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include <functional>
#include <optional>

namespace tarvik {

// A glyph file may hold the enabled picture and its grey disabled form side by
// side; the colour of its bottom-left pixel counts as transparent.
// Returns the enabled picture with that colour masked out (null if unreadable).
QPixmap loadGlyph(const QString& path, int pictures);
QImage glyphPicture(const QImage& file, int pictures);

// A push button that shows only a glyph. A flat one shows its border only under
// the mouse or while down; a raised one always.
class GlyphButton : public QAbstractButton {
public:
    enum class Look { Flat, Raised };

    GlyphButton(QWidget* parent, Look look, const QPixmap& glyph, std::optional<int> glyphLeft = std::nullopt);

    const QPixmap& glyph() const { return glyph_; }
    // Looks pressed and released by any mouse button, not only the left one.
    void setAnyMouseButton(bool any) { anyButton_ = any; }

    // Called once for every press of a mouse button on the button, and once for the
    // release of that mouse button, wherever the pointer is then (the button keeps
    // the mouse until it is let go). Unlike pressed() and released(), dragging off
    // and back onto the button calls neither.
    std::function<void()> onMouseDown;
    std::function<void()> onMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Look look_;
    QPixmap glyph_;
    std::optional<int> glyphLeft_;
    bool hovered_ = false;
    bool anyButton_ = false;
    Qt::MouseButtons held_;  // pressed on this button and not yet released
};

}  // namespace tarvik
