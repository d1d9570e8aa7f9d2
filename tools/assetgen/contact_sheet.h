#pragma once
// One picture that shows every asset enlarged with its name, plus a small
// sample board, so that the art can be judged at a glance.

#include <QImage>

namespace tarvik::assetgen {

QImage contactSheet();

}  // namespace tarvik::assetgen
