#pragma once

#include "lifecycle/progress_prompts.h"

class QWidget;

namespace tarvik {

// The save and open dialogs of saved games on the platform's file dialogs.
class QtFileDialogs : public ProgressDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}

    std::optional<QString> askSaveName(const QString& startFolder, const QString& presetName) override;
    std::optional<QString> askOpenName(const QString& startFolder) override;

private:
    QWidget* parent_;
};

}  // namespace tarvik
