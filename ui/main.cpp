#include "ui/main.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <stdexcept>

#include "assets/asset_paths.h"
#include "text/window_texts.h"
#include "ui/board_pointer.h"
#include "ui/board_view.h"
#include "ui/event_loop_ports.h"
#include "ui/game_sources.h"
#include "ui/glyph_button.h"
#include "ui/main_form_seams.h"
#include "ui/main_layout.h"
#include "ui/molecule_view.h"
#include "ui/name_labels.h"
#include "ui/picture_reader.h"
#include "ui/plan_number_view.h"
#include "ui/plan_scroll_bar.h"
#include "ui/pointer.h"
#include "ui/progress_gauge.h"
#include "ui/sound_channel.h"
#include "ui/toolbar.h"
#include "ui/window_style.h"

namespace tarvik {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

QString nameLine(const NameLine& line) { return QString::fromStdString(nameLineUtf8(line)); }

}  // namespace

TMainForm::TMainForm(const PlanCatalogue& catalogue, int speed, MainFormParts parts, QWidget* parent)
    : QWidget(parent),
      images_(parts.images.tileSheet.isNull() ? Images::fromResources() : std::move(parts.images)),
      seams_(parts.seams),
      sources_(std::make_unique<GameSources>())
{
    if (!seams_ || !parts.dialogs)
        throw std::invalid_argument("TMainForm needs the program's dialogs and seams");
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tarvik Atoms"));
    setWindowIcon(QIcon(QPixmap::fromImage(readPicture(QString::fromLatin1(assets::icon)))));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(layout::kClientWidth, layout::kClientHeight);
    setFont(windowFont(13));

    buildControls();

    waves_ = parts.waves ? std::move(parts.waves) : makeSystemWaveOutput();
    sound_ = std::make_unique<SoundChannel>(*waves_, [this] { return soundOn(); });
    pointer_ = parts.pointer ? std::move(parts.pointer) : makeSystemPointer();
    boardPointer_ = std::make_unique<BoardPointer>(*pointer_, *box_);
    dialogs_ = std::move(parts.dialogs);
    clock_ = parts.clock ? std::move(parts.clock) : std::make_unique<SystemTickClock>();
    events_ = parts.events ? std::move(parts.events) : std::make_unique<QtEventPump>();
    random_ = parts.random ? std::move(parts.random) : std::make_unique<ClockSeededRandom>();

    game_ = std::make_unique<Game>(
        catalogue, GamePorts{*box_, *this, *sound_, *boardPointer_, *clock_, *events_, *dialogs_, *random_}, speed);
    sources_->game = game_.get();

    connectControls();
}

TMainForm::~TMainForm()
{
    seams_->FormDestroy(*this);
}

void TMainForm::buildControls()
{
    toolbar_ = new Toolbar(this);

    box_ = new BoardView(images_, *sources_, this);
    box_->setObjectName(QStringLiteral("box"));
    box_->move(layout::kBox.topLeft());

    levellabel_ = makePanelLabel(this, 12, Qt::AlignLeft | Qt::AlignVCenter);
    levellabel_->setObjectName(QStringLiteral("levellabel"));
    levellabel_->setGeometry(layout::kLevelLabel);

    levelbox_ = new PlanNumberView(images_, this);
    levelbox_->setObjectName(QStringLiteral("levelbox"));
    levelbox_->move(layout::kLevelBox.topLeft());

    sDownBtn_ = new GlyphButton(this, GlyphButton::Look::Raised, loadGlyph(QString::fromLatin1(assets::glyphSdown), 2));
    sDownBtn_->setObjectName(QStringLiteral("sDownBtn"));
    sDownBtn_->setGeometry(layout::kSDownBtn);

    levelScroll_ = new PlanScrollBar(this);
    levelScroll_->setObjectName(QStringLiteral("LevelScroll"));
    levelScroll_->setGeometry(layout::kLevelScroll);
    levelScroll_->setRange(1, 1);
    levelScroll_->setSingleStep(1);
    levelScroll_->setPageStep(layout::kPageStep);

    sUpBtn_ = new GlyphButton(this, GlyphButton::Look::Raised, loadGlyph(QString::fromLatin1(assets::glyphSup), 2));
    sUpBtn_->setObjectName(QStringLiteral("sUpBtn"));
    sUpBtn_->setGeometry(layout::kSUpBtn);

    // The gauge first, so that the figures stand on the bar.
    gsol_ = new ProgressGauge(this);
    gsol_->setObjectName(QStringLiteral("gsol"));
    gsol_->setGeometry(layout::kGauge);

    nsol_ = makePanelLabel(this, 11, Qt::AlignCenter);
    nsol_->setObjectName(QStringLiteral("nsol"));
    nsol_->setGeometry(layout::kSolvedFigures);

    lnames_ = std::make_unique<NameLabels>(this);

    mol_ = new MoleculeView(images_, this);
    mol_->setObjectName(QStringLiteral("mol"));
    mol_->move(layout::kMol.topLeft());

    makerLabel_ = new QLabel(QString::fromLatin1(kMakerAddress), this);
    makerLabel_->setObjectName(QStringLiteral("MakerLabel"));
    makerLabel_->setTextFormat(Qt::PlainText);
    makerLabel_->setGeometry(layout::kMakerLabel);
    makerLabel_->hide();

    // Nothing but the plan scroll bar takes the keyboard focus.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w != levelScroll_)
            w->setFocusPolicy(Qt::NoFocus);
    }
    setFocusPolicy(Qt::NoFocus);
    levelScroll_->setFocus();
}

void TMainForm::connectControls()
{
    box_->onMouseDown = [this](int x, int y) { game_->boxMouseDown(x, y); };
    box_->onMouseMove = [this](int x, int y) { game_->boxMouseMove(x, y); };

    connect(levelScroll_, &QScrollBar::valueChanged, this, [this](int position) { game_->levelScrollChange(position); });
    connect(sDownBtn_, &QAbstractButton::clicked, this, [this] { game_->sDownBtnClick(); });
    connect(sUpBtn_, &QAbstractButton::clicked, this, [this] { game_->sUpBtnClick(); });

    Toolbar& t = *toolbar_;
    connect(t.startBtn, &QAbstractButton::clicked, this, [this] { game_->StartBtnClick(); });
    connect(t.restartBtn, &QAbstractButton::clicked, this, [this] { game_->RestartBtnClick(); });
    connect(t.loadBtn, &QAbstractButton::clicked, this, [this] { LoadBtnClick(); });
    connect(t.saveBtn, &QAbstractButton::clicked, this, [this] { SaveBtnClick(); });
    t.tipBtn->onMouseDown = [this] { game_->TipBtnMouseDown(); };
    t.tipBtn->onMouseUp = [this] { game_->TipBtnMouseUp(); };
    connect(t.exitBtn, &QAbstractButton::clicked, this, [this] { ExitBtnClick(); });
    connect(t.tongueBtn, &QAbstractButton::clicked, this, [this] { TongueBtnClick(); });
    connect(t.rulesBtn, &QAbstractButton::clicked, this, [this] { rules(); });
    connect(t.infoBtn, &QAbstractButton::clicked, this, [this] { info(); });
    connect(t.tarvikBtn, &QAbstractButton::clicked, this, [this] { TarvikBtnClick(); });
}

void TMainForm::startWithPlan(int level)
{
    const int plans = game_->planCount();
    {
        // The range is set before the plan exists; no plan change may come of it.
        const QSignalBlocker quiet(levelScroll_);
        levelScroll_->setRange(1, std::max(1, plans));
    }
    gsol_->setMaximum(plans);
    game_->selectStartPlan(level);
    {
        const QSignalBlocker quiet(levelScroll_);
        levelScroll_->setValue(game_->currentPlan());
    }
    applyWindowTexts();
    FormPaint();
}

bool TMainForm::soundOn() const
{
    return toolbar_->soundBtn->isChecked();
}

void TMainForm::setSoundOn(bool on)
{
    toolbar_->soundBtn->setChecked(on);
}

void TMainForm::applyWindowTexts()
{
    const WindowTexts t = windowTexts(tongue_);
    Toolbar& b = *toolbar_;
    b.startBtn->setToolTip(q(t.startBtn));
    b.restartBtn->setToolTip(q(t.restartBtn));
    b.loadBtn->setToolTip(q(t.loadBtn));
    b.saveBtn->setToolTip(q(t.saveBtn));
    b.soundBtn->setToolTip(q(t.soundBtn));
    b.tipBtn->setToolTip(q(t.tipBtn));
    b.exitBtn->setToolTip(q(t.exitBtn));
    b.rulesBtn->setToolTip(q(t.rulesBtn));
    b.infoBtn->setToolTip(q(t.infoBtn));
    b.tarvikBtn->setToolTip(q(t.tarvikBtn));
    b.tongueBtn->setToolTip(q(t.tongueBtn));
    levelScroll_->setToolTip(q(t.levelScroll));
    sUpBtn_->setToolTip(q(t.sUpBtn));
    sDownBtn_->setToolTip(q(t.sDownBtn));
    mol_->setToolTip(q(t.mol));
    lnames_->setToolTip(q(t.nameLines));
    levellabel_->setText(q(t.levelLabel));
    molPaint();
}

void TMainForm::FormPaint()
{
    // The backdrop is laid by the paint event; the areas are redrawn from the data.
    update();
    boxPaint();
    molPaint();
    showPlanNumber();
    game_->updateProgress();
}

void TMainForm::boxPaint()
{
    box_->boxPaint();
}

void TMainForm::molPaint()
{
    mol_->drawMolecule(*sources_);
    const NameLines& name = game_->plan().name(tongue_);
    lnames_->show(nameLine(name[0]), nameLine(name[1]), nameLine(name[2]));
}

void TMainForm::showPlanNumber()
{
    const int plan = game_->currentPlan();
    const bool solved = game_->currentPlanSolved();
    levelbox_->showPlanNumber(plan, solved);
    levelbox_->setToolTip(q(planTooltip(tongue_, plan, solved)));
    const QString progress =
        q(progressTooltip(tongue_, game_->solvedFlags().countSolved(game_->planCount()), game_->planCount()));
    gsol_->setToolTip(progress);
    nsol_->setToolTip(progress);
}

void TMainForm::showProgress(int solved, int total)
{
    gsol_->setValue(solved);
    nsol_->setText(q(progressCaption(solved, total)));
}

void TMainForm::setScrollPosition(int position)
{
    levelScroll_->setValue(position);
}

void TMainForm::LoadBtnClick()
{
    // A saved game may not replace the flags in the middle of a push.
    game_->runWhenIdle([this] { seams_->LoadBtnClick(*this); });
}

void TMainForm::SaveBtnClick() { seams_->SaveBtnClick(*this); }
void TMainForm::TongueBtnClick() { seams_->TongueBtnClick(*this); }
void TMainForm::info() { seams_->info(*this); }
void TMainForm::rules() { seams_->rules(*this); }
void TMainForm::TarvikBtnClick() { seams_->TarvikBtnClick(*this); }
void TMainForm::ExitBtnClick() { close(); }

void TMainForm::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), layout::kBackdrop.y()), palette().color(QPalette::Button));
    const QRect area = event->rect().intersected(QRect(layout::kBackdrop, images_.backdrop.size()));
    if (!area.isEmpty())
        painter.drawImage(area.topLeft(), images_.backdrop, area.translated(-layout::kBackdrop));
}

void TMainForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    if (!activated_) {
        activated_ = true;
        seams_->FormActivate(*this);
        return;
    }
    // Coming back from a dialog or another window: the window is painted again from
    // the data, as it would be when uncovered, so that the plan number's flask and
    // the progress tooltips follow what happened meanwhile. Never in the middle of a push.
    if (!game_->isSliding())
        FormPaint();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (game_->isSliding()) {
        // The slide must end on the Board it started on; close right after it.
        event->ignore();
        game_->runWhenIdle([this] { close(); });
        return;
    }
    if (!seams_->FormCloseQuery(*this)) {
        event->ignore();
        return;
    }
    seams_->FormClose(*this);
    event->accept();
}

}  // namespace tarvik
