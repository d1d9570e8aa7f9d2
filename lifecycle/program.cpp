// The game: one run from start to an orderly close.
#include <QApplication>
#include <QDir>

#include <cstdio>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "help/game_help_hooks.h"
#include "help/help_integration.h"
#include "lifecycle/command_line.h"
#include "lifecycle/font_warm_up.h"
#include "lifecycle/session/game_session.h"
#include "lifecycle/settings_store.h"
#include "ui/pixel_exact.h"
#include "ui/screenshot.h"

int main(int argc, char** argv)
{
    // Help and version need no window, so they are answered before anything
    // of the game starts, even where there is no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const tarvik::CommandLine commandLine = tarvik::readCommandLine(tarvik::withoutDebugSwitches(arguments));
    if (commandLine.action == tarvik::CommandLine::Action::ShowHelp) {
        std::fputs(qPrintable(tarvik::commandLineHelp()), stdout);
        return 0;
    }
    if (commandLine.action == tarvik::CommandLine::Action::ShowVersion) {
        std::puts(qPrintable(tarvik::versionLine()));
        return 0;
    }
    if (!commandLine.note.isEmpty())
        std::fprintf(stderr, "tarvik-atoms: %s\n", qPrintable(commandLine.note));

#if defined(__GLIBC__)
    // Every thread that allocates would otherwise get a heap of its own: the
    // font list's thread leaves about a quarter of a megabyte of its scratch
    // there, which no other thread can reuse. The threads allocate little
    // besides, so sharing one heap costs no measurable time.
    mallopt(M_ARENA_MAX, 1);
#endif
    tarvik::keepExactPixels();
    QApplication app(argc, argv);
    // The font list is read alongside the window's making; nothing waits for
    // it until the first text is measured.
    tarvik::FontWarmUp fonts;
    // The help control, the help environment and the debug log, before any window.
    tarvik::HelpIntegrationScope helpIntegration;

    // The level data and help files are looked up from the program's folder.
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
    if (!commandLine.screenshotFile.isEmpty())
        tarvik::scheduleScreenshot(session->mainForm(), commandLine.screenshotFile);
    const int result = app.exec();
    // The windows go now; the main window's place is written as it goes.
    session.reset();
    return result;
}
