#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "help/chm_help_control.h"
#include "help/chm_reader.h"
#include "help/help_commands.h"
#include "help/help_integration.h"
#include "help/help_runtime.h"
#include "help/hh.h"
#include "help/environment.h"
#include "help/hook_help_system.h"
#include "help/maker_link.h"
#include "help/owner_window.h"
#include "help/show_context.h"
#include "help/system_text.h"

namespace tarvik {
namespace {

std::string builtHelpFile()
{
    return (QCoreApplication::applicationDirPath() + "/vrel.chm").toStdString();
}

TEST(ChmReader, FindsBothRulesByContextNumberInTheBuiltFile)
{
    ChmReader reader(builtHelpFile());
    ASSERT_TRUE(reader.isOpen()) << builtHelpFile();
    const auto german = reader.topicForContext(1);
    const auto english = reader.topicForContext(2);
    ASSERT_TRUE(german);
    ASSERT_TRUE(english);
    EXPECT_EQ(*german, "/de.htm");
    EXPECT_EQ(*english, "/en.htm");
    EXPECT_FALSE(reader.topicForContext(3));
    EXPECT_THAT(*reader.read(*german), ::testing::HasSubstr("Ein Atom aufnehmen"));
    EXPECT_THAT(*reader.read(*english), ::testing::HasSubstr("Picking up an atom"));
    for (const char* picture : {"/pickup.png", "/push.png", "/molecule.png"})
        EXPECT_TRUE(reader.contains(picture)) << picture;
    EXPECT_EQ(reader.title(), "Tarvik Atoms");
}

TEST(ChmReader, MissingFileIsNotOpen)
{
    ChmReader reader("/no/such/vrel.chm");
    EXPECT_FALSE(reader.isOpen());
    EXPECT_FALSE(reader.topicForContext(1));
    EXPECT_FALSE(reader.read("/en.htm"));
}

TEST(ChmHelpControl, LocationsSplitIntoFileAndTopic)
{
    EXPECT_EQ(helpFileOfLocation("mk:@MSITStore:/a b/vrel.chm::/en.htm>main"), "/a b/vrel.chm");
    EXPECT_EQ(topicOfLocation("ms-its:/x/vrel.chm::/en.htm>main"), "/en.htm");
    EXPECT_EQ(helpFileOfLocation("/x/vrel.chm"), "/x/vrel.chm");
    EXPECT_EQ(topicOfLocation("/x/vrel.chm"), "");
}

TEST(ChmHelpControl, ShowsTopicsWithPicturesAndClosesEveryWindow)
{
    const std::string file = builtHelpFile();
    auto* first = static_cast<HelpViewer*>(ChmHelpControl::HtmlHelpA(nullptr, file.c_str(), HH_HELP_CONTEXT, 2));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_EQ(first->source().path(), "/en.htm");
    EXPECT_THAT(first->toPlainText().toStdString(), ::testing::HasSubstr("Pushing an atom"));
    const QVariant picture = first->document()->resource(QTextDocument::ImageResource, QUrl("chm:/push.png"));
    EXPECT_TRUE(picture.isValid());

    // Links between the topics stay inside the file.
    Q_EMIT first->anchorClicked(QUrl("de.htm"));
    EXPECT_EQ(first->source().path(), "/de.htm");
    Q_EMIT first->anchorClicked(QUrl("en.htm"));
    EXPECT_EQ(first->source().path(), "/en.htm");

    // A second request for the same file reuses the window and turns to the other topic.
    auto* again = static_cast<HelpViewer*>(ChmHelpControl::HtmlHelpA(nullptr, file.c_str(), HH_HELP_CONTEXT, 1));
    EXPECT_EQ(again, first);
    EXPECT_EQ(again->source().path(), "/de.htm");
    EXPECT_THAT(again->toPlainText().toStdString(), ::testing::HasSubstr("Ein Atom schieben"));

    // An unmapped number or a missing file opens a window with a note, not a crash.
    auto* missing = static_cast<HelpViewer*>(ChmHelpControl::HtmlHelpA(nullptr, "/no/such.chm", HH_HELP_CONTEXT, 1));
    ASSERT_NE(missing, nullptr);
    EXPECT_THAT(missing->toPlainText().toStdString(), ::testing::HasSubstr("could not be opened"));
    EXPECT_EQ(ChmHelpControl::openViewers().size(), 2);

    ChmHelpControl::HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ChmHelpControl::openViewers().isEmpty());
}

TEST(HelpIntegration, ASecondRequestBringsBackAMinimisedViewer)
{
    HelpIntegrationScope scope;
    ASSERT_TRUE(helpRuntime().env.hhInstalled);
    const std::string file = builtHelpFile();
    ASSERT_EQ(ShowContext(file, 2, kModeViewer), HH_OK);
    auto viewers = ChmHelpControl::openViewers();
    ASSERT_EQ(viewers.size(), 1);
    viewers[0]->showMaximized();
    viewers[0]->showMinimized();
    ASSERT_TRUE(viewers[0]->isMinimized());

    ASSERT_EQ(ShowContext(file, 1, kModeViewer), HH_OK);
    ASSERT_EQ(ChmHelpControl::openViewers().size(), 1);
    EXPECT_FALSE(viewers[0]->isMinimized());
    EXPECT_TRUE(viewers[0]->isMaximized()) << "it comes back as it was before";
    EXPECT_TRUE(viewers[0]->isVisible());
    EXPECT_EQ(viewers[0]->source().path(), "/de.htm");

    CloseAllHelpWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(HelpIntegration, HelpFilesInFoldersWithLettersBeyondAscii)
{
    // The path reaches the viewer as the system's own text, the way the hook hands it on.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QString::fromUtf8("Spielregeln für Jörg"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString copy = folder + "/vrel.chm";
    ASSERT_TRUE(QFile::copy(QString::fromStdString(builtHelpFile()), copy));
    const std::string location = toSystemText(copy);
    auto* viewer = static_cast<HelpViewer*>(ChmHelpControl::HtmlHelpA(nullptr, location.c_str(), HH_HELP_CONTEXT, 2));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->helpFile(), copy);
    EXPECT_TRUE(viewer->fileOpen());
    EXPECT_THAT(viewer->toPlainText().toStdString(), ::testing::HasSubstr("Pushing an atom"));
    ChmHelpControl::HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(HelpIntegration, MessagesAreCaptionedWithTheProgramsTitle)
{
    QString caption;
    QString text;
    bool warning = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        warning = box->icon() == QMessageBox::Warning;
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(showHelpMessage("MS Html Help is not installed on this PC.", MB_ICONEXCLAMATION | MB_OK), 1);
    EXPECT_EQ(caption, "Tarvik Atoms");
    EXPECT_EQ(text, "MS Html Help is not installed on this PC.");
    EXPECT_TRUE(warning);
}

TEST(HelpIntegration, TheShellsOwnerIsTheActiveWindowElseTheMainWindow)
{
    QWidget main;
    QWidget dialog;
    QWidget inner(&dialog);
    EXPECT_EQ(nativeOwnerWindow(nullptr, nullptr), nullptr);
    EXPECT_EQ(nativeOwnerWindow(nullptr, &main), reinterpret_cast<WindowHandle>(main.winId()));
    EXPECT_EQ(nativeOwnerWindow(&dialog, &main), reinterpret_cast<WindowHandle>(dialog.winId()));
    // A control of the active window stands for its window.
    EXPECT_EQ(nativeOwnerWindow(&inner, &main), reinterpret_cast<WindowHandle>(dialog.winId()));
    EXPECT_NE(nativeOwnerWindow(nullptr, &main), nullptr);
    EXPECT_NE(nativeOwnerWindow(nullptr, &main), nativeOwnerWindow(&dialog, &main));
}

TEST(HelpIntegration, WithoutTheReaderTheRulesReportNotInstalled)
{
    auto platform = makeSystemPlatform(std::nullopt);
    HelpRuntime& rt = helpRuntime();
    rt.platform = platform.get();
    std::vector<std::string> messages;
    rt.messageBox = [&](const std::string& text, unsigned) {
        messages.push_back(text);
        return 1;
    };
    LoadHelpControl(rt);
    rt.env = detectHelpEnvironment(*platform);
    EXPECT_FALSE(rt.env.hhInstalled);
    {
        THookHelpSystem hook("vrel.chm", "", 0);
        rules(1);
    }
    EXPECT_THAT(messages, ::testing::ElementsAre("MS Html Help is not installed on this PC."));
    EXPECT_TRUE(ChmHelpControl::openViewers().isEmpty());
    rt = HelpRuntime{};
}

TEST(HelpIntegration, DebugSwitchesAreKeptFromTheOptionParser)
{
    EXPECT_EQ(withoutDebugSwitches({"prog", "-DEBUG", "--screenshot", "a.png", "/debug", "debug"}),
              QStringList({"prog", "--screenshot", "a.png", "debug"}));
    EXPECT_EQ(withoutDebugSwitches({"-debug"}), QStringList({"-debug"}));  // the program itself
}

TEST(MakerLink, AFailureSwitchesTheLinkOffSilently)
{
    std::vector<QUrl> opened;
    bool succeed = true;
    MakerLink link(QUrl("https://maker.example.org/"), [&](const QUrl& url) {
        opened.push_back(url);
        return succeed;
    });
    EXPECT_EQ(link.address().host(), "maker.example.org");
    link.TarvikBtnClick();
    link.TarvikBtnClick();
    EXPECT_TRUE(link.enabled());
    succeed = false;
    link.TarvikBtnClick();
    EXPECT_FALSE(link.enabled());
    succeed = true;
    link.TarvikBtnClick();
    EXPECT_EQ(opened.size(), 3u);
}

}  // namespace
}  // namespace tarvik
