#include "ui/screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace tarvik {

void scheduleScreenshot(QWidget& window, const QString& path, int delayMs)
{
    QTimer::singleShot(delayMs, &window, [&window, path] {
        const bool written = window.grab().save(path, "PNG");
        if (!written)
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        QCoreApplication::exit(written ? 0 : 1);
    });
}

}  // namespace tarvik
