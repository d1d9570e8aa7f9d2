#include "ui/link_label.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace tarvik {

bool openWithSystem(const QUrl& url) { return QDesktopServices::openUrl(url); }

LinkLabel::LinkLabel(const QString& address, LinkOpener opener, QWidget* parent)
    : QLabel(parent), address_(address), opener_(std::move(opener))
{
    // The address is shown as it is; links are drawn by hand, not as markup.
    setTextFormat(Qt::PlainText);
    setText(address);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    setPalette(palette);
    setCursor(Qt::PointingHandCursor);
}

QUrl LinkLabel::url() const
{
    if (address_.contains(QLatin1Char('@')))
        return QUrl(QStringLiteral("mailto:") + address_);
    return QUrl(address_);
}

void LinkLabel::follow()
{
    if (switchedOff_)
        return;
    if (!opener_ || !opener_(url())) {
        switchedOff_ = true;
        setEnabled(false);
        unsetCursor();
    }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        follow();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace tarvik
