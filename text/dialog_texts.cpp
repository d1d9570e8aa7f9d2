#include "text/dialog_texts.h"

#include "text/tongue.h"

namespace tarvik::texts {

namespace {
std::string choose(int tongue, const char* german, const char* english)
{
    return isGerman(tongue) ? german : english;
}
}  // namespace

std::string dialogCaption() { return "Tarvik Atoms"; }

std::string endGameQuestion(int tongue)
{
    return choose(tongue, "Willst Du wirklich schon aufhören?", "Do you really want to go?");
}

std::string giveUpQuestion(int tongue)
{
    return choose(tongue, "Willst Du das Spiel wirklich von vorne beginnen?",
                  "Do you really want to start at the beginning?");
}

std::string restartQuestion(int tongue)
{
    return choose(tongue, "Willst Du die Stufe wirklich aufgeben?",
                  "Do you really want to give up the level?");
}

std::string yesButton(int tongue) { return choose(tongue, "Ja", "Yes"); }
std::string noButton(int tongue) { return choose(tongue, "Nein", "No"); }

std::string solvedText(int tongue) { return choose(tongue, "Hurra, geschafft!", "Hurrah, you did it!"); }
std::string okButton() { return "OK"; }

std::string wonTitle(int tongue) { return choose(tongue, "Gratulation", "Congratulation"); }

std::string wonFirstText(int tongue)
{
    // The hyphen and blank in "zusammenzu- bauen" belong to the text.
    return choose(tongue, "Es ist Dir gelungen, alle Moleküle richtig zusammenzu- bauen.",
                  "You succeed in synthesizing all the required molecules.");
}

std::string wonSecondText(int tongue)
{
    return choose(tongue,
                  "Du findest Aufnahme im Zirkel der Alchemistiker und wirst mit der goldenen "
                  "Eprovette ausgezeichnet.",
                  "You find admittance to the inner circle of the Alchemistics and become "
                  "decorated with the Golden Test-Tube.");
}

std::string infoCaption(int tongue) { return choose(tongue, "Info über ...", "Info about ..."); }
std::string programName() { return "Tarvik Atoms"; }
std::string versionText() { return "Version 3.5"; }
std::string infoTongueButton(int tongue) { return choose(tongue, "Sprache", "Tongue"); }
std::string memberOf(int tongue) { return choose(tongue, "Mitglied der", "Member of the"); }
std::string programNumber(int tongue) { return choose(tongue, "Programm 055", "Program 055"); }

std::string makerName() { return "Tarvik Games"; }
std::string makerStreet() { return "Kiefernweg 17"; }
std::string makerTown() { return "D-99998 Atomsfelde"; }
std::string makerMail() { return "info@tarvik-games.example.org"; }
std::string makerWeb() { return "https://tarvik-games.example.org/"; }
std::string mailLabel() { return "E-Mail:"; }
std::string webLabel() { return "Homepage:"; }
std::string guildName() { return "Gilde freier Rätselmacher"; }
std::string guildWeb() { return "https://raetselgilde.example.org/"; }
std::string guildMemberCode() { return "GFR-0417"; }

std::string tongueDialogCaption() { return "Tarvik Atoms3.5"; }
std::string englishChoice() { return "I speak english."; }
std::string germanChoice() { return "Ich spreche deutsch."; }

}  // namespace tarvik::texts
