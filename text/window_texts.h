#pragma once

#include <string>

namespace tarvik {

// The main window's own texts: the tooltips of its controls and the plan label.
struct WindowTexts {
    std::string startBtn;
    std::string restartBtn;
    std::string loadBtn;
    std::string saveBtn;
    std::string soundBtn;
    std::string tipBtn;
    std::string exitBtn;
    std::string rulesBtn;
    std::string infoBtn;
    std::string tarvikBtn;
    std::string levelScroll;
    std::string sUpBtn;
    std::string sDownBtn;
    std::string mol;
    std::string tongueBtn;  // always in the other language, so that a stranger finds the way back
    std::string nameLines;  // lname1..lname3
    std::string levelLabel;
};

WindowTexts windowTexts(int tongue);

// "plan 7: unsolved" / "Bauplan 7: ungelöst"
std::string planTooltip(int tongue, int plan, bool solved);

// "5 of 330 plans solved." / "5 von 330 Bauplänen gelöst."
std::string progressTooltip(int tongue, int solvedCount, int planCount);

// "12/330"
std::string progressCaption(int solvedCount, int planCount);

}  // namespace tarvik
