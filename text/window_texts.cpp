#include "text/window_texts.h"

#include "text/tongue.h"

namespace tarvik {

namespace {

WindowTexts english()
{
    WindowTexts t;
    t.startBtn = "I start again.";
    t.restartBtn = "I try it again.";
    t.loadBtn = "I want to continue an old game.";
    t.saveBtn = "Save often, save always.";
    t.soundBtn = "I dont like the sound always.";
    t.tipBtn = "Where shall i put this molecule?";
    t.exitBtn = "I have enough!";
    t.rulesBtn = "What's to do here?";
    t.infoBtn = "Who did these TARVIK GAME?";
    t.tarvikBtn = "Hurrah, there are more TARVIK GAMES.";
    t.levelScroll = "I choose another construction plan!";
    t.sUpBtn = "Next unsolved plan";
    t.sDownBtn = "Previous unsolved plan";
    t.mol = "construction plan";
    t.tongueBtn = "Ich spreche nicht englisch.";
    t.nameLines = "molecule name";
    t.levelLabel = "construction plan:";
    return t;
}

WindowTexts german()
{
    WindowTexts t;
    t.startBtn = "Ich fang neu an.";
    t.restartBtn = "Ich probier's nochmal.";
    t.loadBtn = "Ich hol mir einen alten Spielstand.";
    t.saveBtn = "Einmal zu oft gesichert ist besser als einmal zuwenig";
    t.soundBtn = "Die Geräusche mag ich nicht immer.";
    t.tipBtn = "Wo gehört dieses Ding nur hin?";
    t.exitBtn = "Ich hab genug!";
    t.rulesBtn = "Worum geht's da eigentlich?";
    t.infoBtn = "Wer hat diese Spiele nur verbrochen?";
    t.tarvikBtn = "Hurra, es gibt noch mehr Tarvik Games.";
    t.levelScroll = "Ich such mir einen anderen Bauplan!";
    t.sUpBtn = "nächster ungelöster Bauplan";
    t.sDownBtn = "vorheriger ungelöster Bauplan";
    t.mol = "Bauplan";
    t.tongueBtn = "I don't speak german.";
    t.nameLines = "Molekülbezeichnung";
    t.levelLabel = "Bauplan:";
    return t;
}

}  // namespace

WindowTexts windowTexts(int tongue)
{
    return isGerman(tongue) ? german() : english();
}

std::string planTooltip(int tongue, int plan, bool solved)
{
    const std::string number = std::to_string(plan);
    if (isGerman(tongue))
        return "Bauplan " + number + ": " + (solved ? "gelöst" : "ungelöst");
    return "plan " + number + ": " + (solved ? "solved" : "unsolved");
}

std::string progressTooltip(int tongue, int solvedCount, int planCount)
{
    const std::string counts = std::to_string(solvedCount);
    const std::string total = std::to_string(planCount);
    if (isGerman(tongue))
        return counts + " von " + total + " Bauplänen gelöst.";
    return counts + " of " + total + " plans solved.";
}

std::string progressCaption(int solvedCount, int planCount)
{
    return std::to_string(solvedCount) + "/" + std::to_string(planCount);
}

}  // namespace tarvik
