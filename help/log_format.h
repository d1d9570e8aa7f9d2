#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace tarvik {

// One argument of a log line: a text for %s or a whole number for %d.
class LogArg {
public:
    LogArg(const char* text) : value_(std::string(text ? text : "")) {}
    LogArg(std::string text) : value_(std::move(text)) {}
    template <class Int, std::enable_if_t<std::is_integral_v<Int>, int> = 0>
    LogArg(Int number) : value_(static_cast<long long>(number))
    {
    }

    std::string asText() const;

private:
    std::variant<std::string, long long> value_;
};

// printf-like filling of %s and %d (and %% for a percent sign); a placeholder without an
// argument is left as it stands, so a stray percent sign in a path cannot crash the log.
std::string formatLogText(std::string_view format, const std::vector<LogArg>& args);

}  // namespace tarvik
