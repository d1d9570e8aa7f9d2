// The yardstick for the game's start: a Qt Widgets program that does nothing
// but show a window of the main window's size. With --screenshot FILE it writes
// a picture of the window after the same delay as the game, then ends.
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(650, 503);
    window.show();
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--screenshot")) {
            const QString path = QString::fromLocal8Bit(argv[i + 1]);
            QTimer::singleShot(700, &window, [&window, path] {
                QCoreApplication::exit(window.grab().save(path, "PNG") ? 0 : 1);
            });
        }
    }
    return app.exec();
}
