#pragma once

#include <functional>

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvik {

// The congratulation when the last unsolved plan is solved: three texts,
// each over a black shadow, on the picture of the golden test tube.
class TWondlg : public QDialog {
    Q_OBJECT
public:
    TWondlg(QWidget* mainWindow, std::function<int()> tongue);

    QLabel* picture = nullptr;
    QLabel* titleShadow = nullptr;
    QLabel* firstShadow = nullptr;
    QLabel* secondShadow = nullptr;
    QLabel* title = nullptr;
    QLabel* firstText = nullptr;
    QLabel* secondText = nullptr;
    QPushButton* OKBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    QWidget* mainWindow_;
    std::function<int()> tongue_;
};

}  // namespace tarvik
