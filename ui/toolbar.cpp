#include "ui/toolbar.h"

#include "ui/glyph_button.h"

#include "assets/asset_paths.h"

namespace tarvik {

namespace {

struct ButtonPlace {
    const char* name;
    const char* glyph;
    int pictures;
    int left;
    int width;
    std::optional<int> glyphLeft;  // none: centred
};

GlyphButton* makeButton(QWidget* parent, const ButtonPlace& place)
{
    auto* button = new GlyphButton(parent, GlyphButton::Look::Flat,
                                   loadGlyph(QString::fromLatin1(place.glyph), place.pictures), place.glyphLeft);
    button->setObjectName(QString::fromLatin1(place.name));
    button->setGeometry(place.left, 4, place.width, 25);
    return button;
}

}  // namespace

Toolbar::Toolbar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setGeometry(0, 0, 650, kHeight);

    startBtn = makeButton(this, {"StartBtn", assets::glyphStart, 1, 4, 25, 3});
    restartBtn = makeButton(this, {"RestartBtn", assets::glyphRestart, 2, 32, 25, 3});
    loadBtn = makeButton(this, {"LoadBtn", assets::glyphLoad, 2, 60, 25, std::nullopt});
    saveBtn = makeButton(this, {"SaveBtn", assets::glyphSave, 2, 88, 25, std::nullopt});
    soundBtn = makeButton(this, {"SoundBtn", assets::glyphSound, 2, 116, 25, std::nullopt});
    tipBtn = makeButton(this, {"TipBtn", assets::glyphTip, 2, 144, 25, std::nullopt});
    exitBtn = makeButton(this, {"ExitBtn", assets::glyphExit, 1, 172, 25, 2});
    tongueBtn = makeButton(this, {"TongueBtn", assets::glyphTongue, 1, 532, 25, std::nullopt});
    rulesBtn = makeButton(this, {"RulesBtn", assets::glyphRules, 1, 560, 25, 2});
    infoBtn = makeButton(this, {"InfoBtn", assets::glyphInfo, 1, 588, 25, 2});
    tarvikBtn = makeButton(this, {"TarvikBtn", assets::glyphTarvik, 1, 616, 29, std::nullopt});

    // The hint is held with whichever mouse button the player likes.
    tipBtn->setAnyMouseButton(true);
    soundBtn->setCheckable(true);
    soundBtn->setChecked(true);
}

}  // namespace tarvik
