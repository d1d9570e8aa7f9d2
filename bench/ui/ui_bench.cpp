#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>

#include <memory>

#include "core/atom_kind.h"
#include "core/cell_codes.h"
#include "core/plan_catalogue.h"
#include "ui/board_view.h"
#include "ui/main.h"
#include "ui/main_form_seams.h"

namespace tarvik {
namespace {

class Silence final : public WaveOutput {
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

// Every dialog closed at once, every question answered No.
class NoDialogs final : public GameDialogs {
public:
    void showSolved() override {}
    void showAllSolved() override {}
    bool confirmRestart() override { return false; }
    bool confirmStartOver() override { return false; }
};

// 500 busy plans: a wall frame, outside corners, and 40 atoms with several stubs
// each, the most a cell costs to draw.
PlanCatalogue busyCatalogue()
{
    std::vector<PlanRecord> plans;
    for (int n = 0; n < kMaxPlans; ++n) {
        PlanRecord plan{};
        for (int i = 0; i < 15; ++i) {
            plan.setCell(i, 0, wallCode((i + n) % 40));
            plan.setCell(i, 14, wallCode(30));
            plan.setCell(0, i, 170);
            plan.setCell(14, i, 170);
        }
        int atom = 1;
        for (int row = 2; row < 12 && atom <= 40; row += 2)
            for (int col = 2; col < 13 && atom <= 40; col += 2, ++atom) {
                plan.setCell(col, row, static_cast<std::uint8_t>(atom));
                plan.atomKind[atom] = makeAtomKind(1 + (atom + n) % 24, 0x0F0Fu);
                plan.atomCol[atom] = static_cast<std::uint8_t>((atom - 1) % 8);
                plan.atomRow[atom] = static_cast<std::uint8_t>((atom - 1) / 8);
            }
        plan.molWidth = 8;
        plan.molHeight = 5;
        plan.englishName[0].setText("benchmark plan");
        plans.push_back(plan);
    }
    return PlanCatalogue(std::move(plans));
}

struct BenchWindow {
    PlanCatalogue catalogue = busyCatalogue();
    MainFormSeams seams;
    std::unique_ptr<TMainForm> form;

    BenchWindow()
    {
        MainFormParts parts;
        parts.waves = std::make_unique<Silence>();
        parts.pointer = std::make_unique<StillPointer>();
        parts.dialogs = std::make_unique<NoDialogs>();
        parts.seams = &seams;
        form = std::make_unique<TMainForm>(catalogue, 3, std::move(parts));
        form->startWithPlan(1);
        // Shown, so that the synchronous repaints really paint.
        form->show();
        QCoreApplication::processEvents();
    }
};

void BM_FullBoardRepaint(benchmark::State& state)
{
    BenchWindow w;
    for (auto _ : state) {
        w.form->boxPaint();
        benchmark::DoNotOptimize(w.form->box().surface().image().constBits());
    }
}
BENCHMARK(BM_FullBoardRepaint)->Unit(benchmark::kMicrosecond);

// What one position of a dragged thumb costs: set-up and the repaints of board,
// preview and plan number.
void BM_PlanChange(benchmark::State& state)
{
    BenchWindow w;
    QScrollBar& scroll = w.form->LevelScroll();
    int position = 1;
    for (auto _ : state) {
        position = position % kMaxPlans + 1;
        scroll.setValue(position);
        benchmark::DoNotOptimize(w.form->box().surface().image().constBits());
    }
}
BENCHMARK(BM_PlanChange)->Unit(benchmark::kMicrosecond);

// One step: a 30 x 30 copy within the board and one strip fill, and the
// synchronous repaint of that region.
void BM_SlideStep(benchmark::State& state)
{
    BenchWindow w;
    BoardView& box = w.form->box();
    int steps = 0;
    box.beginSlide(60, 60, 1, 0, 3);
    for (auto _ : state) {
        box.drawSlideStep();
        if (++steps == 100) {  // back to the start before the picture leaves the board
            state.PauseTiming();
            box.beginSlide(60, 60, 1, 0, 3);
            steps = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_SlideStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvik

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
