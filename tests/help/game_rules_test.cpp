// The rules button of the real game: through the session, the hook and the CHM viewer.
#include "session_fixture.h"

#include <QCoreApplication>

#include "help/chm_help_control.h"
#include "help/game_help_hooks.h"
#include "help/help_integration.h"
#include "help/help_runtime.h"
#include "ui/glyph_button.h"
#include "ui/toolbar.h"

namespace tarvik::testing {
namespace {

class GameRulesTest : public SessionTest {
protected:
    std::unique_ptr<GameSession> createWithHelp() { return create(&hooks); }

    static QString openTopic()
    {
        const auto viewers = ChmHelpControl::openViewers();
        return viewers.size() == 1 ? viewers.front()->source().path() : QString("<%1 windows>").arg(viewers.size());
    }

    HelpIntegrationScope scope;
    std::vector<QUrl> opened;
    GameHelpHooks hooks{[this](const QUrl& url) {
        opened.push_back(url);
        return false;
    }};
};

TEST_F(GameRulesTest, RulesOpenInTheTongueAndCloseWithTheGame)
{
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/vrel.chm", dir.filePath("vrel.chm")));
    std::vector<std::string> shown;
    helpRuntime().messageBox = [&](const std::string& text, unsigned) {
        shown.push_back(text);
        return 1;
    };
    writeSettings("tongue=0\n");
    auto session = createWithHelp();
    ASSERT_TRUE(session);
    EXPECT_TRUE(hooks.hooked());
    showAndGreet(*session);
    TMainForm& form = session->mainForm();

    form.toolbar().rulesBtn->click();
    EXPECT_EQ(openTopic(), "/en.htm");
    EXPECT_NE(ChmHelpControl::openViewers().front()->toPlainText().indexOf("Pushing an atom"), -1);

    form.setTongue(1);
    form.toolbar().rulesBtn->click();
    EXPECT_EQ(openTopic(), "/de.htm");
    EXPECT_NE(ChmHelpControl::openViewers().front()->toPlainText().indexOf("Ein Atom schieben"), -1);

    // The maker's page fails to open: the button goes quiet for the rest of the run.
    form.toolbar().tarvikBtn->click();
    form.toolbar().tarvikBtn->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(form.MakerLabel().text()));

    fileDialogs.saveAnswers = {std::nullopt};
    closeWith(*session, true);
    ASSERT_TRUE(QTest::qWaitFor([] { return ChmHelpControl::openViewers().isEmpty(); }, 2000));
    EXPECT_FALSE(hooks.hooked());
    EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace tarvik::testing
