#include <cstdlib>
#include <iostream>

#include "assets/asset_paths.h"
#include "level_file.h"
#include "plan_picture.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

int run(const Args& args)
{
    if (args.size() != 4 || args[2] != "-o") return usageError("render", "expected FILE N -o PNG");
    const auto catalogue = loadForTool(args[0]);
    if (!catalogue) return kExitFailed;
    char* end = nullptr;
    const long number = std::strtol(args[1].c_str(), &end, 10);
    if (end == args[1].c_str() || *end != '\0' || number < 1 || number > catalogue->planCount()) {
        std::cerr << "tarvik-plans render: there is no plan " << args[1] << " (the file holds " << catalogue->planCount() << ")\n";
        return kExitFailed;
    }
    assets::ensureLoaded();
    PlanSheets sheets{QImage(assets::tileSheet), QImage(assets::previewSheet), QImage(assets::backdrop)};
    if (sheets.tiles.isNull() || sheets.preview.isNull() || sheets.backdrop.isNull()) {
        std::cerr << "tarvik-plans render: the game's pictures are missing from this build\n";
        return kExitFailed;
    }
    const QImage picture = drawPlanPicture(catalogue->plan(static_cast<int>(number)), sheets);
    if (!picture.save(QString::fromStdString(args[3]), "PNG")) {
        std::cerr << "tarvik-plans render: cannot write " << args[3] << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

const Subcommand command{"render", "render FILE N -o PNG  plan N drawn as the game shows it, with the game's own tiles",
                         run};

}  // namespace
}  // namespace tarvik::plans
