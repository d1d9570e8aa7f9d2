#pragma once

#include <QWidget>

#include <memory>

#include "core/game.h"
#include "core/ports.h"
#include "ui/images.h"
#include "ui/pointer.h"
#include "ui/sound_channel.h"

class QLabel;
class QScrollBar;

namespace tarvik {

class BoardPointer;
class BoardView;
class GlyphButton;
class MainFormSeams;
class MoleculeView;
class NameLabels;
class PlanNumberView;
class ProgressGauge;
class SoundChannel;
class Toolbar;
class GameSources;

// What the window is built from. The dialogs and the seams belong to the rest of
// the program and must be handed in; every other part left empty gets the real
// thing. Tests hand in fakes.
struct MainFormParts {
    Images images;                            // empty: the compiled-in pictures
    std::unique_ptr<WaveOutput> waves;        // empty: the system's sound
    std::unique_ptr<Pointer> pointer;         // empty: the system pointer
    std::unique_ptr<GameDialogs> dialogs;     // required
    std::unique_ptr<TickClock> clock;         // empty: the monotonic clock
    std::unique_ptr<EventPump> events;        // empty: the application's event loop
    std::unique_ptr<RandomSource> random;     // empty: seeded from the clock
    MainFormSeams* seams = nullptr;           // required; not owned
};

// The main window `MainForm`: a fixed 650 x 503 client with the toolbar, the
// board, the plan selector and the molecule panel. It composes the controls and
// hands their events to the game; it keeps no game state of its own.
class TMainForm : public QWidget, public ViewRefresh {
public:
    // Throws std::invalid_argument when the dialogs or the seams are missing.
    TMainForm(const PlanCatalogue& catalogue, int speed, MainFormParts parts, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Start-up: scroll bar and gauge ranges, the plan from the settings (held to
    // the plans loaded) set up, texts applied, progress shown.
    void startWithPlan(int level);

    // The language of every text the window puts up; -1 (not chosen) shows English.
    int tongue() const { return tongue_; }
    void setTongue(int tongue) { tongue_ = tongue; }
    bool soundOn() const;
    void setSoundOn(bool on);

    // Refreshers other parts of the program call after changing what they show.
    void applyWindowTexts();
    void FormPaint();
    void molPaint();
    void boxPaint();
    void showPlanNumber() override;

    // ViewRefresh, for the game.
    void repaintBoard() override { boxPaint(); }
    void repaintPlanPanel() override { molPaint(); }
    void showProgress(int solved, int total) override;
    void repaintWindow() override { FormPaint(); }
    void setScrollPosition(int position) override;

    Game& game() { return *game_; }
    const Game& game() const { return *game_; }
    const Images& images() const { return images_; }

    // The controls, by their names.
    Toolbar& toolbar() const { return *toolbar_; }
    BoardView& box() const { return *box_; }
    QLabel& levellabel() const { return *levellabel_; }
    PlanNumberView& levelbox() const { return *levelbox_; }
    GlyphButton& sDownBtn() const { return *sDownBtn_; }
    QScrollBar& LevelScroll() const { return *levelScroll_; }
    GlyphButton& sUpBtn() const { return *sUpBtn_; }
    ProgressGauge& gsol() const { return *gsol_; }
    QLabel& nsol() const { return *nsol_; }
    NameLabels& lnames() const { return *lnames_; }
    MoleculeView& mol() const { return *mol_; }
    QLabel& MakerLabel() const { return *makerLabel_; }

    // The handlers that lead out of the window (saved games, language, help,
    // the maker's page); they go to the installed seams.
    void LoadBtnClick();
    void SaveBtnClick();
    void TongueBtnClick();
    void info();
    void rules();
    void TarvikBtnClick();
    void ExitBtnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectControls();

    Images images_;
    MainFormSeams* seams_;
    int tongue_ = -1;
    bool activated_ = false;

    Toolbar* toolbar_ = nullptr;
    BoardView* box_ = nullptr;
    QLabel* levellabel_ = nullptr;
    PlanNumberView* levelbox_ = nullptr;
    GlyphButton* sDownBtn_ = nullptr;
    QScrollBar* levelScroll_ = nullptr;
    GlyphButton* sUpBtn_ = nullptr;
    ProgressGauge* gsol_ = nullptr;
    QLabel* nsol_ = nullptr;
    std::unique_ptr<NameLabels> lnames_;
    MoleculeView* mol_ = nullptr;
    QLabel* makerLabel_ = nullptr;

    std::unique_ptr<GameSources> sources_;
    std::unique_ptr<WaveOutput> waves_;
    std::unique_ptr<SoundChannel> sound_;
    std::unique_ptr<Pointer> pointer_;
    std::unique_ptr<BoardPointer> boardPointer_;
    std::unique_ptr<GameDialogs> dialogs_;
    std::unique_ptr<TickClock> clock_;
    std::unique_ptr<EventPump> events_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<Game> game_;
};

}  // namespace tarvik
