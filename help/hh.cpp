#include "help/hh.h"

#include "help/folders.h"

namespace tarvik {

void LoadHelpControl(HelpRuntime& runtime)
{
    if (runtime.controlLibrary || !runtime.platform)
        return;
    Platform& platform = *runtime.platform;
    LibraryHandle library = platform.loadLibrary("hhctrl.ocx");
    if (!library) {
        const std::string found = FindHelpControl(platform);
        if (platform.fileExists(found))
            library = platform.loadLibrary(found);
    }
    if (!library)
        return;
    runtime.controlLibrary = library;
    runtime.htmlHelp = platform.findHtmlHelpEntry(library, "HtmlHelpA");
}

void UnloadHelpControl(HelpRuntime& runtime)
{
    if (!runtime.controlLibrary)
        return;
    if (runtime.platform)
        runtime.platform->freeLibrary(runtime.controlLibrary);
    runtime.controlLibrary = nullptr;
    runtime.htmlHelp = nullptr;
}

bool helpControlLoaded(const HelpRuntime& runtime)
{
    return runtime.controlLibrary != nullptr;
}

}  // namespace tarvik
