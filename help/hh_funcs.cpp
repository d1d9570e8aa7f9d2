#include "help/hh_funcs.h"

namespace tarvik {

void startHelpFunctions(HelpRuntime& runtime)
{
    if (!runtime.platform)
        return;
    runtime.env = detectHelpEnvironment(*runtime.platform);
    runtime.log = std::make_unique<TDLogFile>(
        *runtime.platform, runtime.env,
        runtime.env.logFolder + kPathSeparator + kLogFileName, runtime.env.debug,
        /*timeStamps=*/true, /*header=*/true, /*append=*/false);
}

void finishHelpFunctions(HelpRuntime& runtime)
{
    runtime.log.reset();
    runtime.env = HelpEnvironment{};
}

}  // namespace tarvik
