#include "help/system_text.h"

namespace tarvik {

std::string toSystemText(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

QString fromSystemText(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tarvik
