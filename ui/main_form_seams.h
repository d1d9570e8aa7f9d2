#pragma once

namespace tarvik {

class TMainForm;

// What the window hands on to the rest of the program: saved games, the
// language, the info and rules windows, the maker's page, and the steps of
// start-up and shutdown. Every method has a harmless default, so that a fake
// overrides only what it watches; the program installs the real ones.
class MainFormSeams {
public:
    virtual ~MainFormSeams() = default;

    virtual void LoadBtnClick(TMainForm&) {}
    virtual void SaveBtnClick(TMainForm&) {}
    virtual void TongueBtnClick(TMainForm&) {}
    virtual void info(TMainForm&) {}
    virtual void rules(TMainForm&) {}
    virtual void TarvikBtnClick(TMainForm&) {}
    // First activation of the window.
    virtual void FormActivate(TMainForm&) {}
    // Every request to close asks here; false keeps the window open.
    virtual bool FormCloseQuery(TMainForm&) { return true; }
    virtual void FormClose(TMainForm&) {}
    virtual void FormDestroy(TMainForm&) {}
};

}  // namespace tarvik
