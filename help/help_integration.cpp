#include "help/help_integration.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "help/chm_help_control.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "help/environment.h"

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

GameHelp::GameHelp(const QString& makerAddress, MakerLink::Opener opener)
    : maker_(QUrl(makerAddress), std::move(opener))
{
}

void GameHelp::FormCreate(const std::string& programDir)
{
    hook_ = std::make_unique<THookHelpSystem>(programDir + kHelpFileName, "", kModeViewer);
}

void GameHelp::rules(int tongue)
{
    tarvik::rules(tongue);
}

void GameHelp::FormClose()
{
    hook_.reset();
    CloseAllHelpWindows();
}

std::string programDirectory()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString() + kPathSeparator;
}

QStringList withoutDebugSwitches(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i)
        if (i == 0 || !isDebugSwitch(arguments[i].toStdString()))
            kept.append(arguments[i]);
    return kept;
}

}  // namespace tarvik
