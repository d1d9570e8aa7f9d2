#pragma once

#include "core/plan_catalogue.h"
#include "lifecycle/progress_file.h"
#include "lifecycle/session/lazy_dialog.h"
#include "lifecycle/session/help_hooks.h"
#include "lifecycle/settings_store.h"
#include "ui/link_label.h"
#include "ui/main.h"
#include "ui/main_form_seams.h"
#include "ui/pointer.h"
#include "ui/sound_channel.h"

#include <QString>

#include <memory>

namespace tarvik {

class SessionDialogs;
class TEndGameDlg;
class TGiveUpDlg;
class TInfoDialog;
class TRestartDlg;
class TSolvedDlg;
class TSplash;
class TTongueDlg;
class TWondlg;

// What a run of the game talks to. Everything left empty gets the real
// thing; tests hand in fakes and a store in a temporary file.
struct SessionPorts {
    SettingsStore* settings = nullptr;       // required
    ProgressDialogs* fileDialogs = nullptr;  // empty: the platform's file dialogs
    MessageBoxes* messages = nullptr;        // empty: the platform's message boxes
    HelpHooks* help = nullptr;               // empty: no help integration
    LinkOpener openLink;                     // empty: the system opens links
    int splashMs = 3000;
    MainFormParts parts;                     // the main window's own ports
};

// One run of the game from start to close: makes the main window and the
// eight dialogs once, fills the program's state in its fixed order, greets
// the player at the first activation, and on an orderly close offers to save
// the progress and writes the settings. It is the main window's seams.
class GameSession final : public MainFormSeams {
public:
    // The main window's creation steps. When the level data file cannot be
    // read, its message is shown in the tongue just read and nothing is
    // made: the result is empty and nothing is written.
    static std::unique_ptr<GameSession> create(const QString& programDir, SessionPorts ports);

    ~GameSession() override;

    // Puts the main window at its stored place (or centres it) and shows it.
    void showMainWindow();

    // The caption: program, version and the current progress file.
    void showTitle();

    TMainForm& mainForm() { return *form_; }
    const QString& progressPath() const { return progressPath_; }
    bool closed() const { return closed_; }

    // The dialogs; all but the splash are built when first asked for.
    TWondlg& wonDialog();
    TSplash& splash() { return *splash_; }
    TInfoDialog& infoDialog();
    TTongueDlg& tongueDialog();
    TEndGameDlg& endGameDialog();
    TGiveUpDlg& giveUpDialog();
    TSolvedDlg& solvedDialog();
    TRestartDlg& restartDialog();

    // The main window's seams.
    void LoadBtnClick(TMainForm&) override;
    void SaveBtnClick(TMainForm&) override;
    void TongueBtnClick(TMainForm&) override;
    void info(TMainForm&) override;
    void rules(TMainForm& form) override;
    void TarvikBtnClick(TMainForm& form) override;
    void FormActivate(TMainForm&) override;
    bool FormCloseQuery(TMainForm&) override;
    void FormClose(TMainForm&) override;

private:
    GameSession(const QString& programDir, SessionPorts ports, PlanCatalogue catalogue, int tongue);

    void createDialogs();
    HelpHooks& help();
    void writePlacement();

    QString programDir_;
    SessionPorts ports_;
    HelpHooks noHelp_;
    std::unique_ptr<ProgressDialogs> ownFileDialogs_;
    std::unique_ptr<MessageBoxes> ownMessages_;

    PlanCatalogue catalogue_;
    QString progressPath_;
    SessionDialogs* gameDialogs_ = nullptr;  // owned by the main window
    std::unique_ptr<TMainForm> form_;
    std::unique_ptr<ProgressFiles> progress_;

    // The splash is built at once: its timer runs from the dialogs' creation.
    LazyDialog<TWondlg> won_;
    std::unique_ptr<TSplash> splash_;
    LazyDialog<TInfoDialog> info_;
    LazyDialog<TTongueDlg> tongueDlg_;
    LazyDialog<TEndGameDlg> endGame_;
    LazyDialog<TGiveUpDlg> giveUp_;
    LazyDialog<TSolvedDlg> solved_;
    LazyDialog<TRestartDlg> restart_;

    bool closed_ = false;
};

}  // namespace tarvik
