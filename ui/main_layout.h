#pragma once

#include <QRect>

namespace tarvik {

// The window's fixed geometry, in client pixels; nothing scales.
namespace layout {

inline constexpr int kClientWidth = 650;
inline constexpr int kClientHeight = 503;

inline constexpr QRect kBox(8, 45, 450, 450);
inline constexpr QRect kLevelLabel(484, 52, 125, 16);
inline constexpr QRect kLevelBox(496, 66, 133, 39);
inline constexpr QRect kSDownBtn(481, 109, 20, 20);
inline constexpr QRect kLevelScroll(501, 109, 108, 20);
inline constexpr QRect kSUpBtn(609, 109, 20, 20);
inline constexpr QRect kGauge(482, 131, 146, 18);
inline constexpr QRect kSolvedFigures(504, 133, 101, 16);
inline constexpr QRect kMol(480, 233, 150, 150);
inline constexpr QRect kMakerLabel(516, 464, 67, 18);
inline constexpr QPoint kBackdrop(0, 33);

inline constexpr int kPageStep = 12;

}  // namespace layout

inline constexpr const char* kMakerAddress = "https://tarvik-games.example.org/";

}  // namespace tarvik
