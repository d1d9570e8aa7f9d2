#pragma once

#include <QString>
#include <QStringList>

namespace tarvik {

// What the game's command line asks for. Nothing on it may end the game but
// a request for help or the version: an option the game does not know is
// noted and otherwise ignored, since only the level data file ends a run.
struct CommandLine {
    enum class Action { Play, ShowHelp, ShowVersion };
    Action action = Action::Play;
    QString screenshotFile;  // empty: none asked for
    QString note;            // one line for the player about what was ignored, or empty
};

// `arguments` as the program received them, its own name first, without the
// help integration's debug switches. Needs no application object, so that
// --help and --version work where no window can be opened.
CommandLine readCommandLine(const QStringList& arguments);

// The text --help prints.
QString commandLineHelp();

// The line --version prints.
QString versionLine();

}  // namespace tarvik
