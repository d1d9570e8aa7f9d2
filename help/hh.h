#pragma once

#include "help/help_runtime.h"

namespace tarvik {

// The first start-up step: load the HTML Help control and find its entry point.
// A failure leaves it unloaded and shows nothing.
void LoadHelpControl(HelpRuntime& runtime);
// The last step at the end: free the control.
void UnloadHelpControl(HelpRuntime& runtime);
bool helpControlLoaded(const HelpRuntime& runtime);

}  // namespace tarvik
