#include "help/help_integration.h"

#include <QApplication>
#include <QMessageBox>

#include "help/chm_help_control.h"
#include "help/hh.h"
#include "help/hh_funcs.h"

namespace tarvik {

namespace {

std::unique_ptr<Platform>& systemPlatform()
{
    static std::unique_ptr<Platform> platform;
    return platform;
}

int showMessage(const std::string& text, unsigned style)
{
    const auto icon = (style & 0xF0) == MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, QApplication::applicationDisplayName(), QString::fromLocal8Bit(text.c_str()),
                    QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? 1 : 0;
}

WindowHandle ownerWindow()
{
    return QApplication::activeWindow();
}

}  // namespace

HelpIntegrationScope::HelpIntegrationScope()
{
    HelpRuntime& runtime = helpRuntime();
    systemPlatform() = makeSystemPlatform(ChmHelpControl::describe());
    runtime.platform = systemPlatform().get();
    runtime.messageBox = showMessage;
    runtime.ownerWindow = ownerWindow;
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

void HelpHookHolder::create(const std::string& programDir)
{
    hook_ = std::make_unique<THookHelpSystem>(programDir + kHelpFileName, "", kModeViewer);
}

void HelpHookHolder::closeAtExit()
{
    hook_.reset();
    CloseAllHelpWindows();
}

}  // namespace tarvik
