#pragma once

// The second start-up step and the pieces it owns: the environment, the debug log and the
// help hook.
#include "help/dlog_file.h"
#include "help/environment.h"
#include "help/folders.h"
#include "help/help_runtime.h"
#include "help/hook_help_system.h"
#include "help/show_context.h"

namespace tarvik {

// Detects the environment and creates the program's log (fresh, with a header while
// debugging).
void startHelpFunctions(HelpRuntime& runtime);
// Releases the log and clears the environment values.
void finishHelpFunctions(HelpRuntime& runtime);

}  // namespace tarvik
