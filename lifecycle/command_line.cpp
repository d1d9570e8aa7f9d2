#include "lifecycle/command_line.h"

#include <QCommandLineParser>

namespace tarvik {

namespace {

// The parser and its options live together, so the help text and the
// reading can never disagree.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                  QStringLiteral("Write a PNG of the main window to FILE, then end."),
                                  QStringLiteral("FILE")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and end.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and end.")};

    Options()
    {
        parser.setApplicationDescription(QStringLiteral("Tarvik Atoms: build the molecule from loose atoms."));
        parser.addOption(screenshot);
        parser.addOption(help);
        parser.addOption(version);
    }
};

QString dashed(const QString& name) { return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name; }

}  // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    Options options;
    CommandLine line;
    if (!options.parser.parse(arguments)) {
        const QStringList unknown = options.parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            line.note = options.parser.errorText() + QStringLiteral(" Ignored.");
        } else {
            QStringList names;
            for (const QString& name : unknown)
                names << dashed(name);
            line.note = QStringLiteral("Ignoring unknown option%1 %2.")
                            .arg(names.size() > 1 ? QStringLiteral("s") : QString(), names.join(QStringLiteral(", ")));
        }
    }
    if (options.parser.isSet(options.help))
        line.action = CommandLine::Action::ShowHelp;
    else if (options.parser.isSet(options.version))
        line.action = CommandLine::Action::ShowVersion;
    if (options.parser.isSet(options.screenshot))
        line.screenshotFile = options.parser.value(options.screenshot);
    return line;
}

QString commandLineHelp()
{
    // Read before the application object exists, so the usage line is
    // written here rather than taken from the application's name.
    Options options;
    QString text = options.parser.helpText();
    text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: tarvik-atoms [options]"));
    return text;
}

QString versionLine() { return QStringLiteral("Tarvik Atoms 3.5"); }

}  // namespace tarvik
