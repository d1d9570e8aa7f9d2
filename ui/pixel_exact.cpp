#include "ui/pixel_exact.h"

#include <QByteArray>
#include <QtGlobal>

namespace tarvik {

void keepExactPixels()
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

}  // namespace tarvik
