#pragma once

#include <QList>
#include <QPointer>

#include "help/help_viewer.h"
#include "help/platform.h"

namespace tarvik {

// The help control of systems that have none: the CHM reader and our own viewer windows
// behind the same entry point and commands as the system's control.
class ChmHelpControl {
public:
    // HH_HELP_CONTEXT shows the topic and answers the viewer window; HH_CLOSE_ALL closes
    // every viewer window. Other commands do nothing.
    static WindowHandle HtmlHelpA(WindowHandle caller, const char* location, unsigned command,
                                  std::uintptr_t data);
    static void bringToForeground(WindowHandle window);

    static QList<HelpViewer*> openViewers();

    // What the portable platform needs to stand this control in for the system's;
    // nothing when the CHM reader cannot be found.
    static std::optional<InProcessHelpControl> describe();
};

// The help file part of a viewer location: prefixes, "::/topic" and ">window" removed.
QString helpFileOfLocation(const QString& location);
// The "::/topic" part of a location, empty when there is none.
QString topicOfLocation(const QString& location);

}  // namespace tarvik
