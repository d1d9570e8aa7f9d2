#pragma once

namespace tarvik {

// The window is laid out in pixels and must not grow with the screen's
// resolution setting: one logical pixel is one device pixel. Call before the
// application object is made.
void keepExactPixels();

}  // namespace tarvik
