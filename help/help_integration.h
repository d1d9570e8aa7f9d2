#pragma once

#include <QStringList>

#include <string>

namespace tarvik {

// The two start-up steps of the help integration (load the help control, then detect
// the environment and create the debug log), undone in reverse order on destruction.
// One lives in main() around the whole run, before the main window exists.
class HelpIntegrationScope {
public:
    HelpIntegrationScope();
    ~HelpIntegrationScope();
    HelpIntegrationScope(const HelpIntegrationScope&) = delete;
    HelpIntegrationScope& operator=(const HelpIntegrationScope&) = delete;
};

// The help integration's message box: no parent, the program's title as caption, an
// exclamation icon when the style asks for one. Answers 1 for OK.
int showHelpMessage(const std::string& text, unsigned style);

// The arguments without the debug switches, which are the help integration's own and no
// business of the program's option parser.
QStringList withoutDebugSwitches(const QStringList& arguments);

}  // namespace tarvik
