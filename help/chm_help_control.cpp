#include "help/chm_help_control.h"

#include <QApplication>

#include <chm_lib.h>
#include <dlfcn.h>

#include "help/chm_reader.h"
#include "help/help_commands.h"
#include "help/system_text.h"

namespace tarvik {

namespace {

QList<QPointer<HelpViewer>>& viewers()
{
    static QList<QPointer<HelpViewer>> list;
    return list;
}

// The shared library that holds the CHM reader; empty when it cannot be found.
std::string chmReaderLibraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&chm_open), &info) == 0 || !info.dli_fname)
        return {};
    return info.dli_fname;
}

QString withoutPrefix(QString location)
{
    for (const char* prefix : {"mk:@MSITStore:", "ms-its:"})
        if (location.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return location.mid(static_cast<qsizetype>(qstrlen(prefix)));
    return location;
}

QString withoutWindow(QString location)
{
    const qsizetype at = location.lastIndexOf('>');
    return at < 0 ? location : location.left(at);
}

}  // namespace

QString helpFileOfLocation(const QString& location)
{
    const QString rest = withoutWindow(withoutPrefix(location));
    const qsizetype at = rest.indexOf(QLatin1String("::"));
    return at < 0 ? rest : rest.left(at);
}

QString topicOfLocation(const QString& location)
{
    const QString rest = withoutWindow(withoutPrefix(location));
    const qsizetype at = rest.indexOf(QLatin1String("::"));
    return at < 0 ? QString() : rest.mid(at + 2);
}

QList<HelpViewer*> ChmHelpControl::openViewers()
{
    QList<HelpViewer*> open;
    for (const auto& viewer : viewers())
        if (viewer)
            open.append(viewer.data());
    return open;
}

WindowHandle ChmHelpControl::HtmlHelpA(WindowHandle, const char* location, unsigned command,
                                       std::uintptr_t data)
{
    if (command == HH_CLOSE_ALL) {
        for (HelpViewer* viewer : openViewers())
            viewer->close();  // deletes itself on close
        viewers().clear();
        return nullptr;
    }
    if (command != HH_HELP_CONTEXT || !location)
        return nullptr;

    const QString fullLocation = fromSystemText(location);
    const QString file = helpFileOfLocation(fullLocation);
    HelpViewer* viewer = nullptr;
    for (HelpViewer* open : openViewers())
        if (open->helpFile() == file)
            viewer = open;
    if (!viewer) {
        viewer = new HelpViewer(file);
        viewers().append(viewer);
    }
    viewer->showContext(static_cast<quint32>(data));
    viewer->show();
    return viewer;
}

void ChmHelpControl::bringToForeground(WindowHandle window)
{
    for (HelpViewer* viewer : openViewers())
        if (viewer == window) {
            // A minimised viewer comes back as it was before, maximised or not.
            if (viewer->isMinimized())
                viewer->setWindowState(viewer->windowState() & ~Qt::WindowMinimized);
            viewer->show();
            viewer->raise();
            viewer->activateWindow();
        }
}

std::optional<InProcessHelpControl> ChmHelpControl::describe()
{
    const std::string path = chmReaderLibraryPath();
    if (path.empty())
        return std::nullopt;
    InProcessHelpControl control;
    control.path = path;
    control.version = makeFileVersion(static_cast<std::uint16_t>(QT_VERSION_MAJOR),
                                      static_cast<std::uint16_t>(QT_VERSION_MINOR),
                                      static_cast<std::uint16_t>(QT_VERSION_PATCH), 0);
    control.description = "CHM reader " + path + " in the game's own viewer";
    control.entry = &ChmHelpControl::HtmlHelpA;
    control.bringToForeground = &ChmHelpControl::bringToForeground;
    return control;
}

}  // namespace tarvik
