// The yardstick for the game's start: a Qt Widgets program that does nothing
// but show a window of the main window's size. With --screenshot FILE it writes
// a picture of the window after the same delay as the game, then ends. With
// --text the window shows one line of text in the game's typeface, which is
// what any window with text pays for the fonts on top of an empty one.
#include <QApplication>
#include <QFont>
#include <QLabel>
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
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--text")) {
            auto* line = new QLabel(QStringLiteral("Plan 1/354"), &window);
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(13);
            line->setFont(font);
            line->setGeometry(470, 60, 150, 20);
        }
    }
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
