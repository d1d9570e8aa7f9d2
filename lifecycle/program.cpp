// The game: one run from start to an orderly close.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "help/game_help_hooks.h"
#include "help/help_integration.h"
#include "lifecycle/session/game_session.h"
#include "lifecycle/settings_store.h"
#include "ui/pixel_exact.h"
#include "ui/screenshot.h"

int main(int argc, char** argv)
{
    tarvik::keepExactPixels();
    QApplication app(argc, argv);
    // The help control, the help environment and the debug log, before any window.
    tarvik::HelpIntegrationScope helpIntegration;

    QCommandLineParser options;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Write a PNG of the main window to FILE, then end."),
                                        QStringLiteral("FILE"));
    options.addOption(screenshot);
    options.process(tarvik::withoutDebugSwitches(QCoreApplication::arguments()));

    // The level data and help files are looked up beside the program.
    const QString programDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    tarvik::SettingsStore settings;
    tarvik::SessionPorts ports;
    ports.settings = &settings;
    tarvik::GameHelpHooks help;
    ports.help = &help;
    std::unique_ptr<tarvik::GameSession> session = tarvik::GameSession::create(programDir, std::move(ports));
    if (!session)
        return 1;

    session->showMainWindow();
    if (options.isSet(screenshot))
        tarvik::scheduleScreenshot(session->mainForm(), options.value(screenshot));
    const int result = app.exec();
    // The windows go now; the main window's place is written as it goes.
    session.reset();
    return result;
}
