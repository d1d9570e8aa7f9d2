#include "ui/toolbar.h"

#include "ui/glyph_button.h"

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

    startBtn = makeButton(this, {"StartBtn", ":/glyphs/start.png", 1, 4, 25, 3});
    restartBtn = makeButton(this, {"RestartBtn", ":/glyphs/restart.png", 2, 32, 25, 3});
    loadBtn = makeButton(this, {"LoadBtn", ":/glyphs/load.png", 2, 60, 25, std::nullopt});
    saveBtn = makeButton(this, {"SaveBtn", ":/glyphs/save.png", 2, 88, 25, std::nullopt});
    soundBtn = makeButton(this, {"SoundBtn", ":/glyphs/sound.png", 2, 116, 25, std::nullopt});
    tipBtn = makeButton(this, {"TipBtn", ":/glyphs/tip.png", 2, 144, 25, std::nullopt});
    exitBtn = makeButton(this, {"ExitBtn", ":/glyphs/exit.png", 1, 172, 25, 2});
    tongueBtn = makeButton(this, {"TongueBtn", ":/glyphs/tongue.png", 1, 532, 25, std::nullopt});
    rulesBtn = makeButton(this, {"RulesBtn", ":/glyphs/rules.png", 1, 560, 25, 2});
    infoBtn = makeButton(this, {"InfoBtn", ":/glyphs/info.png", 1, 588, 25, 2});
    tarvikBtn = makeButton(this, {"TarvikBtn", ":/glyphs/tarvik.png", 1, 616, 29, std::nullopt});

    // The hint is held with whichever mouse button the player likes.
    tipBtn->setAnyMouseButton(true);
    soundBtn->setCheckable(true);
    soundBtn->setChecked(true);
}

}  // namespace tarvik
