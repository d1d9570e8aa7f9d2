#pragma once
// The six frames of the flash that marks a solved plan: a glowing ball that
// bursts and fades; the last frame is pure black.

#include <QImage>

namespace tarvik::assetgen {

inline constexpr int kFlashFrames = 6;

QImage flashFrame(int frame);

}  // namespace tarvik::assetgen
