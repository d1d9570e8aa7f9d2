#include "help/log_format.h"

namespace tarvik {

std::string LogArg::asText() const
{
    if (const auto* text = std::get_if<std::string>(&value_))
        return *text;
    return std::to_string(std::get<long long>(value_));
}

std::string formatLogText(std::string_view format, const std::vector<LogArg>& args)
{
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 == format.size()) {
            out += c;
            continue;
        }
        const char kind = format[i + 1];
        if (kind == '%') {
            out += '%';
            ++i;
        } else if ((kind == 's' || kind == 'd') && next < args.size()) {
            out += args[next++].asText();
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace tarvik
