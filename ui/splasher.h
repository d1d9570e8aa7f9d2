#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace tarvik {

// The title picture shown once at the main window's first activation.
// Its timer runs from creation to the end of the program, so the splash
// closes at the first tick after it appeared, or at a click.
class TSplash : public QDialog {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent = nullptr, int intervalMs = 3000);

    QLabel* image = nullptr;
    QTimer timer;

    // Closes the splash (a click or a tick); a tick while hidden does nothing.
    void Click();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Esc and a window manager's close request would end the splash early;
    // only a click or the timer may.
    void reject() override {}
};

}  // namespace tarvik
