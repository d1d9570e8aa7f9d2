#include "ui/splasher.h"

#include "ui/dialog_parts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace tarvik {

TSplash::TSplash(QWidget* parent, int intervalMs) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(200, 150);
    image = new QLabel(this);
    image->setGeometry(0, 0, 201, 151);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A click on the picture reaches the window itself.
    image->setAttribute(Qt::WA_TransparentForMouseEvents);

    timer.setInterval(intervalMs);
    connect(&timer, &QTimer::timeout, this, &TSplash::Click);
    timer.start();
}

void TSplash::Click()
{
    if (isVisible())
        done(Accepted);
}

void TSplash::showEvent(QShowEvent* event)
{
    // The picture is read when it is first wanted: the splash is made while the
    // main window is still waiting to appear.
    if (image->pixmap().isNull())
        image->setPixmap(loadPicture(pictures::kTitle));
    if (const QScreen* s = screen()) {
        const QRect area = s->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    QDialog::showEvent(event);
}

void TSplash::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Click();
}

}  // namespace tarvik
