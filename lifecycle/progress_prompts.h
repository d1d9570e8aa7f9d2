#pragma once

#include <QString>

#include <optional>

namespace tarvik {

// The two file dialogs of saved games. An empty optional means the player
// cancelled.
class ProgressDialogs {
public:
    virtual ~ProgressDialogs() = default;
    // Lists every file, adds no extension and asks nothing about
    // overwriting: the caller asks itself.
    virtual std::optional<QString> askSaveName(const QString& startFolder, const QString& presetName) = 0;
    // Offers "*.tkx" files; the chosen file need not exist.
    virtual std::optional<QString> askOpenName(const QString& startFolder) = 0;
};

// Modal message boxes.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An error symbol and an OK button.
    virtual void showError(const QString& text) = 0;
    // A warning with Yes (the default) and No (also Esc); true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
};

}  // namespace tarvik
