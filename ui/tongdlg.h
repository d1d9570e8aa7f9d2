#pragma once

#include <functional>

#include <QDialog>

class QPushButton;

namespace tarvik {

// The language dialog: two flag buttons, the only place where the tongue
// is chosen. Closing it any other way leaves the tongue as it was.
class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    TTongueDlg(QWidget* mainWindow, std::function<void(int)> setTongue);

    QPushButton* EnglishBtn = nullptr;
    QPushButton* GermanBtn = nullptr;

    void EnglishBtnClick();
    void GermanBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    QWidget* mainWindow_;
    std::function<void(int)> setTongue_;
};

}  // namespace tarvik
