#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace tarvik::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("tarvik-help-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    std::string str() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The lines of a CRLF file, without their line ends; fails on a bare LF.
inline std::vector<std::string> crlfLines(const std::string& text, bool* onlyCrlf = nullptr)
{
    std::vector<std::string> lines;
    bool clean = true;
    std::size_t start = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', start)) {
        if (at == 0 || text[at - 1] != '\r')
            clean = false;
        lines.push_back(text.substr(start, at - start - (at > start && text[at - 1] == '\r' ? 1 : 0)));
        start = at + 1;
    }
    if (start != text.size())
        clean = false;
    if (onlyCrlf)
        *onlyCrlf = clean;
    return lines;
}

}  // namespace tarvik::testing
