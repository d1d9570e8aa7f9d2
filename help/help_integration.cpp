#include "help/help_integration.h"

#include <QApplication>
#include <QMessageBox>

#include "help/environment.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "help/owner_window.h"
#include "help/system_text.h"
#include "text/dialog_texts.h"
#ifndef _WIN32
#include "help/chm_help_control.h"
#endif

namespace tarvik {

namespace {

std::unique_ptr<Platform>& systemPlatform()
{
    static std::unique_ptr<Platform> platform;
    return platform;
}

std::optional<InProcessHelpControl> helpStandIn()
{
#ifdef _WIN32
    return std::nullopt;  // the system's own control does the work
#else
    return ChmHelpControl::describe();
#endif
}

}  // namespace

int showHelpMessage(const std::string& text, unsigned style)
{
    const auto icon = (style & 0xF0) == MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(texts::programName()), fromSystemText(text), QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? 1 : 0;
}

HelpIntegrationScope::HelpIntegrationScope()
{
    HelpRuntime& runtime = helpRuntime();
    systemPlatform() = makeSystemPlatform(helpStandIn());
    runtime.platform = systemPlatform().get();
    runtime.messageBox = showHelpMessage;
    runtime.ownerWindow = [] { return nativeOwnerWindow(QApplication::activeWindow(), nullptr); };
    LoadHelpControl(runtime);
    startHelpFunctions(runtime);
}

HelpIntegrationScope::~HelpIntegrationScope()
{
    HelpRuntime& runtime = helpRuntime();
    finishHelpFunctions(runtime);
    UnloadHelpControl(runtime);
    runtime.messageBox = nullptr;
    runtime.ownerWindow = nullptr;
    runtime.platform = nullptr;
    systemPlatform().reset();
}

QStringList withoutDebugSwitches(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i)
        if (i == 0 || !isDebugSwitch(toSystemText(arguments[i])))
            kept.append(arguments[i]);
    return kept;
}

}  // namespace tarvik
