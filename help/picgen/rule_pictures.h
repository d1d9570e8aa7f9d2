#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

namespace tarvik {

struct Images;

// One cell of a rules picture that shows a piece of the game's own drawing, and what the
// game drew there: a board cell (atom kind, wall tile or solve-flash frame), a preview
// cell of the target molecule, or a piece of the plan number display.
struct PictureCell {
    enum class From { BoardAtom, BoardWall, BoardFlash, PreviewAtom, Digit, Marker };
    From from;
    QRect where;           // in the picture
    std::int32_t what;     // atom kind, wall tile, flash frame, digit value, 1 for the solved marker
};

struct RulePicture {
    QString fileName;
    QImage image;
    std::vector<PictureCell> cells;  // the cells left as the game drew them
};

// The pictures of the rules pages, each drawn by the game's own board, preview and plan
// number views from the given sheets, with arrows and a pointer of our own around them.
RulePicture pickUpPicture(const Images& images);
RulePicture pushPicture(const Images& images);
RulePicture moleculePicture(const Images& images);
RulePicture solvedPicture(const Images& images);
RulePicture planNumberPicture(const Images& images);
std::vector<RulePicture> rulePictures(const Images& images);

// The toolbar's button pictures as the buttons show them (the first picture of a glyph,
// its transparent colour made transparent), named "button-<name>.png".
std::vector<RulePicture> buttonPictures();

}  // namespace tarvik
