#pragma once

#include <QFrame>

namespace tarvik {

class GlyphButton;

// `Panel1`: the raised strip across the top with the flat command buttons.
class Toolbar : public QFrame {
public:
    static constexpr int kHeight = 33;

    explicit Toolbar(QWidget* parent);

    GlyphButton* startBtn = nullptr;
    GlyphButton* restartBtn = nullptr;
    GlyphButton* loadBtn = nullptr;
    GlyphButton* saveBtn = nullptr;
    GlyphButton* soundBtn = nullptr;  // a toggle: sound is on while it is down
    GlyphButton* tipBtn = nullptr;
    GlyphButton* exitBtn = nullptr;
    GlyphButton* tongueBtn = nullptr;
    GlyphButton* rulesBtn = nullptr;
    GlyphButton* infoBtn = nullptr;
    GlyphButton* tarvikBtn = nullptr;
};

}  // namespace tarvik
