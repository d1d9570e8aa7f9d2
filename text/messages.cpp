#include "text/messages.h"

#include "text/tongue.h"

namespace tarvik {

std::string fileErrorMessage(int tongue, const std::string& path)
{
    return (isGerman(tongue) ? "Dateifehler bei Datei " : "Fileerror with file ") + path + ".";
}

std::string overwriteQuestion(int tongue, const std::string& fileName)
{
    if (isGerman(tongue))
        return "Spiel " + fileName + " existiert bereits. Überschreiben?";
    return "Game " + fileName + " already existing. Overwrite?";
}

std::string saveFailureMessage(int tongue, const std::string& fileName)
{
    if (isGerman(tongue))
        return "Kann Spiel " + fileName + " nicht speichern. Datenträger voll oder nicht beschreibbar.";
    return "Cannot save game " + fileName + ". Drive full or not writable.";
}

std::string loadFailureMessage(int tongue, const std::string& fullPath)
{
    if (isGerman(tongue))
        return "Fehler beim Laden des Spiels " + fullPath + "!";
    return "Error occured while loading file " + fullPath + "!";
}

std::string windowCaption(int tongue, bool hasProgressFile, const std::string& fileName)
{
    std::string caption = "Tarvik Atoms V3.5";
    if (hasProgressFile)
        caption += (isGerman(tongue) ? " - Spiel " : " - game ") + fileName;
    return caption;
}

}  // namespace tarvik
