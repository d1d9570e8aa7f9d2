#pragma once

namespace tarvik {

// The interface language. -1: not chosen yet, 0: English, 1: German.
// Any other value (it can only come from the settings) means English.
inline constexpr int kTongueUnset = -1;
inline constexpr int kTongueEnglish = 0;
inline constexpr int kTongueGerman = 1;

// Every text is German exactly when the tongue is 1; this is the only test.
constexpr bool isGerman(int tongue) { return tongue == kTongueGerman; }

}  // namespace tarvik
