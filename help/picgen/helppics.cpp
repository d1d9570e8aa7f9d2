// Draws the pictures of the rules from the game's own sheets and button glyphs.
// Usage: tarvik-helppics OUTPUT_FOLDER
#include <QApplication>

#include <cstdio>

#include "help/picgen/rule_pictures.h"
#include "ui/images.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const tarvik::Images images = tarvik::Images::fromResources();
    std::vector<tarvik::RulePicture> pictures = tarvik::rulePictures(images);
    for (auto& button : tarvik::buttonPictures())
        pictures.push_back(std::move(button));
    for (const auto& picture : pictures)
        if (!picture.image.save(folder + '/' + picture.fileName)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(picture.fileName));
            return 1;
        }
    return 0;
}
