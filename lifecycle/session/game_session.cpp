#include "lifecycle/session/game_session.h"

#include "lifecycle/data_files.h"
#include "lifecycle/level_data_file.h"
#include "lifecycle/qt_file_dialogs.h"
#include "lifecycle/session/session_dialogs.h"
#include "lifecycle/settings_rules.h"
#include "lifecycle/window_placement.h"
#include "text/messages.h"
#include "text/tongue.h"
#include "ui/dialog_parts.h"
#include "ui/endgame.h"
#include "ui/giveup.h"
#include "ui/infodlg.h"
#include "ui/message_boxes.h"
#include "ui/restart.h"
#include "ui/solved.h"
#include "ui/splasher.h"
#include "ui/tongdlg.h"
#include "ui/winner.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace tarvik {

namespace {

const QString kTongue = QStringLiteral("tongue");
const QString kSpeed = QStringLiteral("speed");
const QString kSave = QStringLiteral("save");
const QString kLevel = QStringLiteral("level");
const QString kSound = QStringLiteral("sound");
const QString kMainForm = QStringLiteral("MainForm");

}  // namespace

std::unique_ptr<GameSession> GameSession::create(const QString& programDir, SessionPorts ports)
{
    // The tongue comes first, so that a failing level data file is reported
    // in the player's language.
    const int tongue = ports.settings->readInt(kCommonSection, kTongue, kTongueUnset);
    const QString dataPath = dataFilePath(programDir, QString::fromLatin1(kLevelDataFileName));
    std::optional<PlanCatalogue> catalogue = loadLevelDataFile(dataPath);
    if (!catalogue) {
        const QString message = QString::fromStdString(fileErrorMessage(tongue, dataPath.toStdString()));
        if (ports.messages)
            ports.messages->showError(message);
        else
            showErrorBox(nullptr, message);
        return nullptr;
    }
    return std::unique_ptr<GameSession>(
        new GameSession(programDir, std::move(ports), std::move(*catalogue), tongue));
}

GameSession::GameSession(const QString& programDir, SessionPorts ports, PlanCatalogue catalogue, int tongue)
    : programDir_(programDir), ports_(std::move(ports)), catalogue_(std::move(catalogue))
{
    SettingsStore& settings = *ports_.settings;
    auto gameDialogs = std::make_unique<SessionDialogs>();
    gameDialogs_ = gameDialogs.get();
    MainFormParts parts = std::move(ports_.parts);
    parts.dialogs = std::move(gameDialogs);
    parts.seams = this;

    // The speed is read before the window that plays with it is made; no
    // other step reads or writes the store in between.
    const int speed = correctedSpeed(settings.readInt(kCommonSection, kSpeed, 3));
    form_ = std::make_unique<TMainForm>(catalogue_, speed, std::move(parts));
    form_->setTongue(tongue);

    help().createHelpHook(dataFilePath(programDir_, QStringLiteral("vrel.chm")));

    if (!ports_.fileDialogs)
        ownFileDialogs_ = std::make_unique<QtFileDialogs>(form_.get());
    if (!ports_.messages)
        ownMessages_ = std::make_unique<QtMessageBoxes>(form_.get());
    progressPath_ = settings.readString(kCommonSection, kSave, QString());
    progress_ = std::make_unique<ProgressFiles>(
        form_->game().solvedFlags().bytes, progressPath_, [this] { return form_->tongue(); }, programDir_,
        ports_.fileDialogs ? *ports_.fileDialogs : *ownFileDialogs_,
        ports_.messages ? *ports_.messages : *ownMessages_);
    progress_->readAtStartup();
    form_->game().recomputeAllSolved();

    const int level = clampedLevel(settings.readInt(kCommonSection, kLevel, 1), form_->game().planCount());
    form_->startWithPlan(level);
    showTitle();
    form_->setSoundOn(settings.readBool(kCommonSection, kSound, true));

    createDialogs();
}

void GameSession::createDialogs()
{
    const auto tongue = [this] { return form_->tongue(); };
    QWidget* main = form_.get();
    won_ = LazyDialog<TWondlg>([=] { return std::make_unique<TWondlg>(main, tongue); });
    splash_ = std::make_unique<TSplash>(main, ports_.splashMs);
    info_ = LazyDialog<TInfoDialog>([=, this] {
        auto info = std::make_unique<TInfoDialog>(main, tongue,
                                                  ports_.openLink ? ports_.openLink : LinkOpener(openWithSystem));
        info->setTongueDialog(&*tongueDlg_);
        // A language chosen in the info dialog reaches the caption at once too,
        // not only at the next save or load.
        info->setApplyWindowTexts([this] {
            form_->applyWindowTexts();
            showTitle();
        });
        return info;
    });
    tongueDlg_ = LazyDialog<TTongueDlg>(
        [=, this] { return std::make_unique<TTongueDlg>(main, [this](int chosen) { form_->setTongue(chosen); }); });
    endGame_ = LazyDialog<TEndGameDlg>([=] { return std::make_unique<TEndGameDlg>(main, tongue); });
    giveUp_ = LazyDialog<TGiveUpDlg>([=] { return std::make_unique<TGiveUpDlg>(main, tongue); });
    solved_ = LazyDialog<TSolvedDlg>([=] { return std::make_unique<TSolvedDlg>(main, tongue); });
    restart_ = LazyDialog<TRestartDlg>([=] { return std::make_unique<TRestartDlg>(main, tongue); });

    gameDialogs_->attach(won_, giveUp_, solved_, restart_);
}

TWondlg& GameSession::wonDialog() { return *won_; }
TInfoDialog& GameSession::infoDialog() { return *info_; }
TTongueDlg& GameSession::tongueDialog() { return *tongueDlg_; }
TEndGameDlg& GameSession::endGameDialog() { return *endGame_; }
TGiveUpDlg& GameSession::giveUpDialog() { return *giveUp_; }
TSolvedDlg& GameSession::solvedDialog() { return *solved_; }
TRestartDlg& GameSession::restartDialog() { return *restart_; }

GameSession::~GameSession()
{
    // The window's place is kept only when it went away in an orderly close.
    if (closed_)
        writePlacement();
    restart_.reset();
    solved_.reset();
    giveUp_.reset();
    endGame_.reset();
    tongueDlg_.reset();
    info_.reset();
    splash_.reset();
    won_.reset();
    progress_.reset();
    form_.reset();
}

void GameSession::writePlacement()
{
    const WindowPlacement placement = placementOf(form_->frameGeometry(), form_->isMinimized());
    ports_.settings->writeString(kCommonSection, kMainForm, formatPlacement(placement));
}

void GameSession::showMainWindow()
{
    const auto stored = parsePlacement(ports_.settings->readString(kCommonSection, kMainForm, QString()));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect whole = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QRect desktop = screen ? screen->availableVirtualGeometry() : whole;
    const QSize frame = form_->frameGeometry().size();
    form_->move(placedPosition(stored, frame, desktop, whole));
    form_->show();
    // The frame's size is known for certain only once the window is up; if it
    // came out other than assumed, the place is worked out again with it.
    if (form_->frameGeometry().size() != frame)
        form_->move(placedPosition(stored, form_->frameGeometry().size(), desktop, whole));
}

void GameSession::showTitle()
{
    const std::string fileName = QFileInfo(progressPath_).fileName().toStdString();
    form_->setWindowTitle(
        QString::fromStdString(windowCaption(form_->tongue(), !progressPath_.isEmpty(), fileName)));
}

void GameSession::LoadBtnClick(TMainForm& form)
{
    if (!progress_->loadProgress())
        return;
    showTitle();
    form.showPlanNumber();
    form.game().updateProgress();
}

void GameSession::SaveBtnClick(TMainForm&)
{
    if (progress_->saveProgress())
        showTitle();
}

void GameSession::TongueBtnClick(TMainForm& form)
{
    tongueDlg_->exec();
    // Also when the dialog was closed without a choice.
    showTitle();
    form.applyWindowTexts();
}

void GameSession::info(TMainForm& form)
{
    info_->exec();
    form.applyWindowTexts();
}

HelpHooks& GameSession::help() { return ports_.help ? *ports_.help : noHelp_; }

void GameSession::rules(TMainForm& form) { help().rules(form); }

void GameSession::TarvikBtnClick(TMainForm& form) { help().TarvikBtnClick(form); }

void GameSession::FormActivate(TMainForm& form)
{
    splash_->exec();
    if (form.tongue() == kTongueUnset) {
        tongueDlg_->exec();
        // The first choice shows at once, rather than after the next
        // language button or start.
        form.applyWindowTexts();
        showTitle();
    }
    form.FormPaint();
}

bool GameSession::FormCloseQuery(TMainForm&) { return endGame_->exec() == ResultYes; }

void GameSession::FormClose(TMainForm& form)
{
    help().destroyHelpHookAndCloseHelpWindows();
    SaveBtnClick(form);
    SettingsStore& settings = *ports_.settings;
    settings.writeBool(kCommonSection, kSound, form.soundOn());
    settings.writeInt(kCommonSection, kTongue, form.tongue());
    settings.writeInt(kCommonSection, kLevel, form.game().currentPlan());
    settings.writeInt(kCommonSection, kSpeed, form.game().speed());
    settings.writeString(kCommonSection, kSave, progressPath_);
    closed_ = true;
}

}  // namespace tarvik
