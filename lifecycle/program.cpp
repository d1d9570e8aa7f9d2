// The game: loads the plans, shows the main window, runs.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include "core/plan_catalogue.h"
#include "text/messages.h"
#include "text/tongue.h"
#include "ui/main.h"
#include "ui/pixel_exact.h"
#include "ui/screenshot.h"

int main(int argc, char** argv)
{
    tarvik::keepExactPixels();
    QApplication app(argc, argv);

    QCommandLineParser options;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Write a PNG of the main window to FILE, then end."),
                                        QStringLiteral("FILE"));
    options.addOption(screenshot);
    options.process(app);

    const int tongue = tarvik::kTongueUnset;
    const std::string path =
        tarvik::levelDataPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString());
    const std::optional<tarvik::PlanCatalogue> catalogue = tarvik::loadCatalogue(path);
    if (!catalogue) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"),
                        QString::fromStdString(tarvik::fileErrorMessage(tongue, path)), QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return 1;
    }

    tarvik::TMainForm window(*catalogue, 3);
    window.setTongue(tongue);
    window.startWithPlan(1);
    window.show();
    if (options.isSet(screenshot))
        tarvik::scheduleScreenshot(window, options.value(screenshot));
    return app.exec();
}
