#pragma once

#include "ui/link_label.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace tarvik {

class TTongueDlg;

// Names the program and its maker, links to the maker, and offers the
// language dialog.
class TInfoDialog : public QDialog {
    Q_OBJECT
public:
    TInfoDialog(QWidget* mainWindow, std::function<int()> tongue, LinkOpener opener = openWithSystem);

    // The language dialog is created after this one, so it is handed in later.
    void setTongueDialog(TTongueDlg* dialog) { tongueDialog_ = dialog; }
    // The main window's applyWindowTexts, run after a language choice here.
    void setApplyWindowTexts(std::function<void()> apply) { applyWindowTexts_ = std::move(apply); }

    void TongBtnClick();

    QLabel* progname = nullptr;
    QLabel* version = nullptr;
    QLabel* memberLabel = nullptr;
    QLabel* programLabel = nullptr;
    LinkLabel* mailLink = nullptr;
    LinkLabel* webLink = nullptr;
    LinkLabel* guildLink = nullptr;
    QPushButton* TongBtn = nullptr;
    QPushButton* OKBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void setTexts();

    QWidget* mainWindow_;
    std::function<int()> tongue_;
    TTongueDlg* tongueDialog_ = nullptr;
    std::function<void()> applyWindowTexts_;
};

}  // namespace tarvik
