#pragma once

#include "fakes.h"
#include "lifecycle/session/game_session.h"
#include "modal_driver.h"
#include "ui/endgame.h"
#include "ui/tongdlg.h"

#include <QPushButton>

#include "core/plan_record.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace tarvik::testing {

// The store as the game sees it, with every write noted in the log.
class RecordingStore : public SettingsStore {
public:
    RecordingStore(const QString& path, EventLog& log) : SettingsStore(path), log_(log) {}
    void writeInt(const QString& s, const QString& n, int v) override
    {
        log_.push_back("write " + n.toStdString() + "=" + std::to_string(v));
        SettingsStore::writeInt(s, n, v);
    }
    void writeBool(const QString& s, const QString& n, bool v) override
    {
        log_.push_back("write " + n.toStdString() + "=" + (v ? "1" : "0"));
        SettingsStore::writeBool(s, n, v);
    }
    void writeString(const QString& s, const QString& n, const QString& v) override
    {
        log_.push_back("write " + n.toStdString() + "=" + v.toStdString());
        SettingsStore::writeString(s, n, v);
    }

private:
    EventLog& log_;
};

class RecordingHelp : public HelpHooks {
public:
    explicit RecordingHelp(EventLog& log) : log_(log) {}
    void createHelpHook(const QString& file) override { log_.push_back("help hook " + file.toStdString()); }
    void destroyHelpHookAndCloseHelpWindows() override { log_.push_back("help closed"); }

private:
    EventLog& log_;
};

class SilentWaves final : public WaveOutput {
public:
    void play(int, bool) override {}
    void stop() override {}
};

class StillPointer final : public Pointer {
public:
    void hide() override {}
    void show() override {}
    void moveTo(const QPoint& p) override { at_ = p; }
    QPoint position() const override { return at_; }

private:
    QPoint at_;
};

// Every reading of the clock is a second later, so the solve flash ends at once.
class FastClock final : public TickClock {
public:
    std::uint32_t ticks() override { return now_ += 1000; }

private:
    std::uint32_t now_ = 0;
};

// A plan of one hydrogen atom at (2, 2) whose molecule is that atom alone:
// picking it up and putting it down solves it.
inline PlanRecord oneAtomPlan(const char* german, const char* english)
{
    PlanRecord plan;
    plan.germanName[0].setText(german);
    plan.englishName[0].setText(english);
    plan.setCell(2, 2, 1);
    plan.atomCol[1] = 0;
    plan.atomRow[1] = 0;
    plan.atomKind[1] = makeAtomKind(kHydrogen, 0);
    plan.molWidth = 1;
    plan.molHeight = 1;
    return plan;
}

class SessionTest : public ::testing::Test {
protected:
    SessionTest() { writePlans(3); }

    // The program's folder: the temporary folder itself unless a test moves it.
    QString programDir() const { return programFolder.isEmpty() ? dir.path() + QLatin1Char('/') : programFolder; }
    QString settingsPath() const { return dir.filePath("settings.ini"); }

    void writePlans(int count)
    {
        QFile file(dir.filePath("vrel.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < count; ++i) {
            const auto bytes = encodePlanRecord(oneAtomPlan("Wasser", "Water"));
            file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        }
    }

    void writeSettings(const QByteArray& ini)
    {
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[common]\n" + ini);
    }

    QByteArray settingsBytes() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    // `hooks` replaces the recording help fake, for tests that run the real help.
    std::unique_ptr<GameSession> create(HelpHooks* hooks = nullptr)
    {
        SessionPorts ports;
        ports.settings = &store;
        ports.fileDialogs = &fileDialogs;
        ports.messages = &messages;
        ports.help = hooks ? hooks : &help;
        ports.openLink = [](const QUrl&) { return true; };
        ports.splashMs = 40;
        ports.parts.waves = std::make_unique<SilentWaves>();
        ports.parts.pointer = std::make_unique<StillPointer>();
        ports.parts.clock = std::make_unique<FastClock>();
        return GameSession::create(programDir(), std::move(ports));
    }

    // Shows the main window and lets its first activation run to its end.
    void showAndGreet(GameSession& session)
    {
        const auto before = std::count(log.begin(), log.end(), "TSplash");
        session.showMainWindow();
        QApplication::setActiveWindow(&session.mainForm());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return std::count(log.begin(), log.end(), "TSplash") > before &&
                       QApplication::activeModalWidget() == nullptr;
            },
            5000));
    }

    // Starts a run and greets; English is chosen if the language dialog comes.
    std::unique_ptr<GameSession> start()
    {
        auto session = create();
        if (session)
            showAndGreet(*session);
        return session;
    }

    // Asks the main window to close as its exit button does.
    void closeWith(GameSession& session, bool yes)
    {
        script.answers["TEndGameDlg"] = [yes](QDialog* d) {
            auto* quit = static_cast<TEndGameDlg*>(d);
            (yes ? quit->YesBtn : quit->NoBtn)->click();
        };
        session.mainForm().ExitBtnClick();
    }

    int count(const std::string& entry) const { return static_cast<int>(std::count(log.begin(), log.end(), entry)); }

    QTemporaryDir dir;
    QString programFolder;
    EventLog log;
    RecordingStore store{settingsPath(), log};
    FakeDialogs fileDialogs;
    FakeMessages messages;
    RecordingHelp help{log};
    ModalScript script{log};

    void SetUp() override
    {
        fileDialogs.log = &log;
        messages.log = &log;
        script.answers["TTongueDlg"] = [](QDialog* d) { static_cast<TTongueDlg*>(d)->EnglishBtn->click(); };
    }
};

}  // namespace tarvik::testing
