#include "ui/glyph_button.h"

#include "ui/picture_reader.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvik {

QImage glyphPicture(const QImage& file, int pictures)
{
    if (file.isNull() || pictures < 1)
        return {};
    const QRgb transparent = file.pixel(0, file.height() - 1);
    QImage picture = file.copy(0, 0, file.width() / pictures, file.height())
                         .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((line[x] & 0x00ffffff) == (transparent & 0x00ffffff))
                line[x] = 0;
        }
    }
    return picture;
}

QPixmap loadGlyph(const QString& path, int pictures)
{
    const QImage picture = glyphPicture(readPicture(path), pictures);
    if (picture.isNull())
        return {};
    return QPixmap::fromImage(picture);
}

GlyphButton::GlyphButton(QWidget* parent, Look look, const QPixmap& glyph, std::optional<int> glyphLeft)
    : QAbstractButton(parent), look_(look), glyph_(glyph), glyphLeft_(glyphLeft)
{
    // Only the plan scroll bar takes the keyboard focus.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void GlyphButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void GlyphButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

namespace {

// The same event as if the left button had been used.
QMouseEvent asLeftButton(const QMouseEvent& event)
{
    const Qt::MouseButtons held = event.buttons() ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons();
    return QMouseEvent(event.type(), event.position(), event.scenePosition(), event.globalPosition(),
                       Qt::LeftButton, held, event.modifiers());
}

}  // namespace

void GlyphButton::mousePressEvent(QMouseEvent* event)
{
    if (anyButton_ && event->button() != Qt::LeftButton) {
        QMouseEvent left = asLeftButton(*event);
        QAbstractButton::mousePressEvent(&left);
        event->setAccepted(left.isAccepted());
    } else {
        QAbstractButton::mousePressEvent(event);
    }
    if (!onMouseDown && !onMouseUp)
        return;
    event->accept();
    held_ |= event->button();
    if (onMouseDown)
        onMouseDown();
}

void GlyphButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (anyButton_ && event->button() != Qt::LeftButton) {
        QMouseEvent left = asLeftButton(*event);
        QAbstractButton::mouseReleaseEvent(&left);
        event->setAccepted(left.isAccepted());
    } else {
        QAbstractButton::mouseReleaseEvent(event);
    }
    if (!(held_ & event->button()))
        return;
    event->accept();
    held_ &= ~event->button();
    if (onMouseUp)
        onMouseUp();
}

void GlyphButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Button));

    const bool sunken = isDown() || isChecked();
    const bool border = look_ == Look::Raised || sunken || hovered_;
    if (border) {
        const QColor light = sunken ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
        const QColor dark = sunken ? pal.color(QPalette::Light) : pal.color(QPalette::Dark);
        const int r = width() - 1;
        const int b = height() - 1;
        painter.setPen(light);
        painter.drawLine(0, 0, r, 0);
        painter.drawLine(0, 0, 0, b);
        painter.setPen(dark);
        painter.drawLine(0, b, r, b);
        painter.drawLine(r, 0, r, b);
        if (look_ == Look::Raised && !sunken) {
            painter.setPen(pal.color(QPalette::Mid));
            painter.drawLine(1, b - 1, r - 1, b - 1);
            painter.drawLine(r - 1, 1, r - 1, b - 1);
        }
    }
    if (glyph_.isNull())
        return;
    const QSize size = glyph_.deviceIndependentSize().toSize();
    QPoint at(glyphLeft_ ? *glyphLeft_ : (width() - size.width()) / 2, (height() - size.height()) / 2);
    if (sunken)
        at += QPoint(1, 1);
    painter.drawPixmap(at, glyph_);
}

}  // namespace tarvik
