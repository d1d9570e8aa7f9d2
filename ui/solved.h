#pragma once

#include <functional>

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvik {

// The short cheer after a plan is solved.
class TSolvedDlg : public QDialog {
    Q_OBJECT
public:
    TSolvedDlg(QWidget* mainWindow, std::function<int()> tongue);

    QLabel* label = nullptr;
    QPushButton* OKBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    QWidget* mainWindow_;
    std::function<int()> tongue_;
};

}  // namespace tarvik
