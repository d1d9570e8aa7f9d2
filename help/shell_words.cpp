#include "help/shell_words.h"

#include <string_view>

namespace tarvik {

namespace {

bool needsQuotes(std::string_view word)
{
    if (word.empty())
        return true;
    for (const char c : word) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           std::string_view("-_./,:=+@%").find(c) != std::string_view::npos;
        if (!plain)
            return true;
    }
    return false;
}

std::string quoted(std::string_view word)
{
    if (!needsQuotes(word))
        return std::string(word);
    // Inside single quotes nothing is special but the quote itself, which has to close
    // the quotes, come escaped, and open them again.
    std::string out = "'";
    for (const char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

std::string shellQuotedLine(const std::vector<std::string>& words)
{
    std::string line;
    for (const auto& word : words)
        line += (line.empty() ? "" : " ") + quoted(word);
    return line;
}

}  // namespace tarvik
