#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include <string>

class QLabel;
class QPushButton;

namespace tarvik {

// One of the three questions that guard a destructive command: a bold
// question, a Yes button (the default) and a second button. The texts are
// taken from the tongue each time the dialog is shown.
class QuestionDialog : public QDialog {
    Q_OBJECT
public:
    struct Look {
        QRect labelPlace;
        QString yesGlyph;
        int yesGlyphPictures = 1;  // 2: the glyph also holds its disabled form
        int noLeft = 136;
        QString noGlyph;
        int noGlyphPictures = 1;
        int noResult = 0;  // the second button's answer, also given by Esc
        std::string (*question)(int tongue) = nullptr;
    };

    QuestionDialog(QWidget* mainWindow, std::function<int()> tongue, const Look& look);

    QLabel* label = nullptr;
    QPushButton* YesBtn = nullptr;
    QPushButton* NoBtn = nullptr;

protected:
    // Runs at every activation: placement and texts in the current tongue.
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The close box answers Cancel.
    void reject() override;

private:
    QWidget* mainWindow_;
    std::function<int()> tongue_;
    Look look_;
};

}  // namespace tarvik
