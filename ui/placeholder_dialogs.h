#pragma once

#include <functional>

#include "core/ports.h"

class QWidget;

namespace tarvik {

// Plain message boxes with the game's texts, until the program installs its own
// dialogs through the same interface.
class PlaceholderDialogs final : public GameDialogs {
public:
    PlaceholderDialogs(QWidget* parent, std::function<int()> tongue);

    void showSolved() override;
    void showAllSolved() override;
    bool confirmRestart() override;
    bool confirmStartOver() override;

private:
    bool askYesNo(const char* german, const char* english);
    void tell(const char* german, const char* english);

    QWidget* parent_;
    std::function<int()> tongue_;
};

}  // namespace tarvik
