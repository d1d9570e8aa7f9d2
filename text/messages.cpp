#include "text/messages.h"

#include "text/tongue.h"

namespace tarvik {

std::string fileErrorMessage(int tongue, const std::string& path)
{
    return (isGerman(tongue) ? "Dateifehler bei Datei " : "Fileerror with file ") + path + ".";
}

}  // namespace tarvik
