#pragma once
// The picture beneath the whole client area below the toolbar: an embossed
// light-grey texture, the two framed black panels and the program's name.

#include <QImage>
#include <QRect>

namespace tarvik::assetgen {

inline constexpr int kBackdropWidth = 650;
inline constexpr int kBackdropHeight = 470;
// The backdrop lies at client (0, 33); these are in backdrop coordinates.
inline constexpr QRect kUpperPanel(480, 51 - 33, 150, 100);
inline constexpr QRect kLowerPanel(480, 173 - 33, 150, 210);
inline constexpr QRect kLettering(477, 408 - 33, 159, 74);

QImage backdrop();
// The texture alone, also the ground of the title lettering's neighbours.
QImage embossedTexture(int width, int height);

}  // namespace tarvik::assetgen
