#pragma once

#include "lifecycle/progress_prompts.h"

class QWidget;

namespace tarvik {

// The platform-style message boxes: their captions and button labels are the
// same in both languages.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}

    void showError(const QString& text) override;
    bool askYesNo(const QString& text) override;

private:
    QWidget* parent_;
};

// An error box without a parent window, for failures before the main window exists.
void showErrorBox(QWidget* parent, const QString& text);

}  // namespace tarvik
