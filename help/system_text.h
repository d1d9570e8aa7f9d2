#pragma once

#include <QString>

#include <string>

namespace tarvik {

// The help layer speaks the system's own single-byte texts, as the Windows calls ending in
// A and the debug log expect: the ANSI code page there, the locale's encoding elsewhere.
std::string toSystemText(const QString& text);
QString fromSystemText(const std::string& text);

}  // namespace tarvik
