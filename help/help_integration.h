#pragma once

#include <memory>
#include <string>

#include "help/hook_help_system.h"
#include "help/maker_link.h"

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

// The main window's share: the hook for programDir + "vrel.chm" from creation to close.
class HelpHookHolder {
public:
    // programDir ends with a path separator.
    void create(const std::string& programDir);
    // Removes the hook and closes every help window, so an open rules window closes
    // with the game.
    void closeAtExit();
    bool installed() const { return hook_ != nullptr; }

private:
    std::unique_ptr<THookHelpSystem> hook_;
};

inline constexpr const char* kHelpFileName = "vrel.chm";

}  // namespace tarvik
