#include "window_fixture.h"

#include "core/atom_kind.h"
#include "core/cell_codes.h"
#include "ui/board_view.h"

namespace tarvik::testing {

PlanCatalogue testCatalogue(int count, const std::string& firstEnglishName)
{
    std::vector<PlanRecord> plans;
    for (int n = 1; n <= count; ++n) {
        PlanRecord plan{};
        for (int i = 0; i < 15; ++i) {
            plan.setCell(i, 0, wallCode(i % 40));
            plan.setCell(i, 14, wallCode(20));
            plan.setCell(0, i, wallCode(21));
            plan.setCell(14, i, wallCode(22));
        }
        if (n % 2 == 0) {
            for (int row = 1; row < 14; ++row)
                plan.setCell(14, row, static_cast<std::uint8_t>(51 + (row - 1) * 19 / 3));  // 51..127
        }
        plan.setCell(0, 0, 200);
        plan.setCell(13, 13, 60);  // an obstacle
        plan.setCell(2 + n % 5, 3, 1);
        plan.setCell(9, 3, 2);
        plan.atomKind[1] = makeAtomKind(kCarbon, 1u << kSingleRight);
        plan.atomKind[2] = makeAtomKind(kHydrogen, 1u << kSingleLeft);
        plan.atomCol[1] = 0;
        plan.atomCol[2] = 1;
        plan.molWidth = 2;
        plan.molHeight = 1;
        plan.englishName[0].setText(n == 1 && !firstEnglishName.empty() ? firstEnglishName
                                                                        : "plan " + std::to_string(n));
        plan.germanName[0].setText("Bauplan " + std::to_string(n));
        plans.push_back(plan);
    }
    return PlanCatalogue(std::move(plans));
}

TestWindow::TestWindow(const WindowOptions& options) : catalogue(testCatalogue(options.plans, options.firstEnglishName))
{
    MainFormParts parts;
    parts.images = testImages();
    parts.waves = std::make_unique<RecordingWaves>(record);
    parts.pointer = std::make_unique<FakePointer>(record, options.pointerRefuses, &pointerAt);
    auto scripted = std::make_unique<ScriptedDialogs>(record);
    dialogs = scripted.get();
    parts.dialogs = std::move(scripted);
    parts.clock = std::make_unique<FastClock>();
    auto pump = std::make_unique<SlideEvents>();
    events = pump.get();
    parts.events = std::move(pump);
    auto draws = std::make_unique<FixedRandom>();
    random = draws.get();
    parts.random = std::move(draws);
    parts.seams = &seams;
    form = std::make_unique<TMainForm>(catalogue, options.speed, std::move(parts));
    form->setSoundOn(options.sound);
    form->startWithPlan(1);
    form->FormPaint();
}

QImage TestWindow::boardCell(int column, int row)
{
    return block(form->box().surface().image(), QRect(column * 30, row * 30, 30, 30));
}

QPoint TestWindow::toScreen(int x, int y) const
{
    return form->box().mapToGlobal(QPoint(x, y));
}

void TestWindow::mouseDown(int x, int y)
{
    pointerAt = toScreen(x, y);
    form->box().onMouseDown(x, y);
}

void TestWindow::mouseMove(int x, int y)
{
    pointerAt = toScreen(x, y);
    form->box().onMouseMove(x, y);
}

}  // namespace tarvik::testing
