#pragma once

#include <QString>

class QWidget;

namespace tarvik {

// Once the window has been shown and painted, writes a PNG of it to `path` and
// ends the program (exit code 0 when written, 1 when not).
void scheduleScreenshot(QWidget& window, const QString& path, int delayMs = 700);

}  // namespace tarvik
