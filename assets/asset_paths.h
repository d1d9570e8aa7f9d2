#pragma once
// Where the program finds its pictures and sounds among its compiled-in
// resources (library tarvik_assets).

namespace tarvik::assets {

// Sheets and pictures.
inline constexpr const char* tileSheet = ":/images/tilesheet.png";        // 240 × 330
inline constexpr const char* previewSheet = ":/images/previewsheet.png";  // 120 × 75
inline constexpr const char* digitStrip = ":/images/digitstrip.png";      // 360 × 39
inline constexpr const char* backdrop = ":/images/backdrop.png";          // 650 × 470
inline constexpr const char* icon = ":/images/icon.png";                  // 32 × 32
inline constexpr const char* testTube = ":/images/testtube.png";          // 320 × 240
inline constexpr const char* title = ":/images/title.png";                // 200 × 150
inline constexpr const char* info = ":/images/info.png";                  // 100 × 75
inline constexpr const char* logo = ":/images/logo.png";                  // 119 × 68

// Pictures the main window needs before it appears, and the splash, are there
// once more as bare pixels, under ":/raw" with the suffix ".pixels" for ".png" (for instance
// ":/raw/images/tilesheet.pixels"); readPicture (ui/picture_reader.h) uses them.

// Sound cues by position: 1 pick-up, 2 put-down, 3 solved, 4 hint,
// 5 all solved, 6 slide tick (played in a loop).
inline constexpr const char* cue1 = ":/sounds/cue1.wav";
inline constexpr const char* cue2 = ":/sounds/cue2.wav";
inline constexpr const char* cue3 = ":/sounds/cue3.wav";
inline constexpr const char* cue4 = ":/sounds/cue4.wav";
inline constexpr const char* cue5 = ":/sounds/cue5.wav";
inline constexpr const char* cue6 = ":/sounds/cue6.wav";
inline constexpr const char* cues[6] = {cue1, cue2, cue3, cue4, cue5, cue6};

// Button glyphs. The bottom-left pixel's colour is the transparent colour;
// a glyph of two pictures has the grey disabled form on its right half.
inline constexpr const char* glyphStart = ":/glyphs/start.png";       // 18 × 18 bomb
inline constexpr const char* glyphRestart = ":/glyphs/restart.png";   // 36 × 18
inline constexpr const char* glyphLoad = ":/glyphs/load.png";         // 36 × 18
inline constexpr const char* glyphSave = ":/glyphs/save.png";         // 36 × 18
inline constexpr const char* glyphSound = ":/glyphs/sound.png";       // 32 × 16
inline constexpr const char* glyphTip = ":/glyphs/tip.png";           // 36 × 18
inline constexpr const char* glyphExit = ":/glyphs/exit.png";         // 18 × 18 door
inline constexpr const char* glyphTongue = ":/glyphs/tongue.png";     // 15 × 15 lips
inline constexpr const char* glyphRules = ":/glyphs/rules.png";       // 18 × 18
inline constexpr const char* glyphInfo = ":/glyphs/info.png";         // 18 × 18
inline constexpr const char* glyphTarvik = ":/glyphs/tarvik.png";     // 26 × 20 mascot
inline constexpr const char* glyphSdown = ":/glyphs/sdown.png";       // 30 × 15
inline constexpr const char* glyphSup = ":/glyphs/sup.png";           // 30 × 15
inline constexpr const char* glyphFlagsEn = ":/glyphs/flags_en.png";  // 53 × 20
inline constexpr const char* glyphFlagsDe = ":/glyphs/flags_de.png";  // 80 × 20
inline constexpr const char* glyphSmile = ":/glyphs/smile.png";       // 18 × 18
inline constexpr const char* glyphCross = ":/glyphs/cross.png";       // 36 × 18
inline constexpr const char* glyphTick = ":/glyphs/tick.png";         // 36 × 18
inline constexpr const char* glyphCancel = ":/glyphs/cancel.png";     // 18 × 18
inline constexpr const char* glyphOk = ":/glyphs/ok.png";             // 18 × 18

// Registers the resources with Qt. Linking tarvik_assets already does so;
// calling this as well is harmless and guards against a linker that drops
// the registration.
void ensureLoaded();

}  // namespace tarvik::assets
