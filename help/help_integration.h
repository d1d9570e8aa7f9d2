#pragma once

#include <memory>
#include <string>

#include "help/hook_help_system.h"
#include "help/maker_link.h"

#include <QStringList>

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

// The main window's share of the help: the hook for programDir + "vrel.chm" from the
// window's creation to its close, the rules button and the maker's link.
class GameHelp {
public:
    explicit GameHelp(const QString& makerAddress = MakerLink::defaultAddress().toString(),
                      MakerLink::Opener opener = {});

    // programDir ends with a path separator.
    void FormCreate(const std::string& programDir);
    void rules(int tongue);
    void TarvikBtnClick() { maker_.TarvikBtnClick(); }
    // Removes the hook and closes every help window, so an open rules window closes with
    // the game.
    void FormClose();

    bool hooked() const { return hook_ != nullptr; }
    const MakerLink& maker() const { return maker_; }

private:
    std::unique_ptr<THookHelpSystem> hook_;
    MakerLink maker_;
};

// The folder of the program file with a trailing separator.
std::string programDirectory();

// The arguments without the debug switches, which are the help integration's own and no
// business of the program's option parser.
QStringList withoutDebugSwitches(const QStringList& arguments);

inline constexpr const char* kHelpFileName = "vrel.chm";

}  // namespace tarvik
