#pragma once

#include <string>

// The texts of the dialogs in both languages. Each function that takes a
// tongue picks German exactly when the tongue is 1; the others are the same
// in both languages. All texts are UTF-8.
namespace tarvik::texts {

// Caption of the four small dialogs and of the congratulation.
std::string dialogCaption();

// The three questions that guard destructive commands.
std::string endGameQuestion(int tongue);
std::string giveUpQuestion(int tongue);
std::string restartQuestion(int tongue);
std::string yesButton(int tongue);
std::string noButton(int tongue);

std::string solvedText(int tongue);
std::string okButton();

// The congratulation when every plan is solved.
std::string wonTitle(int tongue);
std::string wonFirstText(int tongue);
std::string wonSecondText(int tongue);

// The info dialog.
std::string infoCaption(int tongue);
std::string programName();
std::string versionText();
std::string infoTongueButton(int tongue);
std::string memberOf(int tongue);
std::string programNumber(int tongue);

// The maker and the authors' association named in the info dialog.
std::string makerName();
std::string makerStreet();
std::string makerTown();
std::string makerMail();
std::string makerWeb();
std::string mailLabel();
std::string webLabel();
std::string guildName();
std::string guildWeb();
std::string guildMemberCode();

// The language dialog: its caption has no blank before the version.
std::string tongueDialogCaption();
std::string englishChoice();
std::string germanChoice();

}  // namespace tarvik::texts
