#include "help/chm_reader.h"

#include <chm_lib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>

#include "help/chm_check.h"

namespace tarvik {

namespace {

std::uint32_t littleEndian32(const std::string& data, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(data[at + static_cast<std::size_t>(i)]);
    return value;
}

std::uint16_t littleEndian16(const std::string& data, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[at]) |
                                      (static_cast<unsigned char>(data[at + 1]) << 8));
}

std::optional<std::string> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > kLargestHelpFile)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size))
        return std::nullopt;
    return bytes;
}

// The library's decompressor trusts the compressed bytes too, and those cannot be checked
// without expanding them. So a child process expands every object first; only when it comes
// back whole does the game's own process open the file.
bool expandsInAChild(const std::string& path, const ChmLayout& layout)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        chmFile* file = chm_open(path.c_str());
        if (!file)
            _exit(1);
        for (const ChmObject& object : layout.objects) {
            chmUnitInfo info{};
            if (chm_resolve_object(file, object.name.c_str(), &info) != CHM_RESOLVE_SUCCESS ||
                info.length == 0 || info.length > kLargestHelpFile)
                continue;
            std::vector<unsigned char> data(static_cast<std::size_t>(info.length));
            chm_retrieve_object(file, &info, data.data(), 0, static_cast<LONGINT64>(info.length));
        }
        chm_close(file);
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

ChmReader::ChmReader(const std::string& path)
{
    // The library trusts the file's structure; only a file that passed the check reaches it.
    const auto bytes = fileBytes(path);
    if (!bytes)
        return;
    const ChmCheck check = checkChmFile(*bytes);
    if (!check.sound) {
        fault_ = check.fault;
        return;
    }
    if (!expandsInAChild(path, check.layout)) {
        fault_ = "the compressed content does not expand";
        return;
    }
    file_ = chm_open(path.c_str());
}

ChmReader::~ChmReader()
{
    if (file_)
        chm_close(file_);
}

bool ChmReader::contains(const std::string& objectPath) const
{
    chmUnitInfo info{};
    return file_ && chm_resolve_object(file_, objectPath.c_str(), &info) == CHM_RESOLVE_SUCCESS;
}

std::optional<std::string> ChmReader::read(const std::string& objectPath) const
{
    chmUnitInfo info{};
    if (!file_ || chm_resolve_object(file_, objectPath.c_str(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    // Objects of this program's help file are small; anything huge is a broken file.
    if (info.length > 64u * 1024u * 1024u)
        return std::nullopt;
    std::string data(static_cast<std::size_t>(info.length), '\0');
    if (info.length == 0)
        return data;
    const LONGINT64 got = chm_retrieve_object(file_, &info, reinterpret_cast<unsigned char*>(data.data()),
                                              0, static_cast<LONGINT64>(info.length));
    if (got != static_cast<LONGINT64>(info.length))
        return std::nullopt;
    return data;
}

std::optional<std::string> ChmReader::topicForContext(std::uint32_t context) const
{
    // #IVB: a byte count, then pairs of (context number, offset into #STRINGS).
    const auto map = read("/#IVB");
    const auto strings = read("/#STRINGS");
    if (!map || !strings || map->size() < 4)
        return std::nullopt;
    const std::size_t used = std::min<std::size_t>(littleEndian32(*map, 0), map->size() - 4);
    for (std::size_t at = 4; at + 8 <= 4 + used; at += 8) {
        if (littleEndian32(*map, at) != context)
            continue;
        const std::size_t offset = littleEndian32(*map, at + 4);
        if (offset >= strings->size())
            return std::nullopt;
        const std::size_t end = strings->find('\0', offset);
        return existingTopic(strings->substr(offset, end == std::string::npos ? std::string::npos
                                                                               : end - offset));
    }
    return std::nullopt;
}

std::optional<std::string> ChmReader::existingTopic(std::string recorded) const
{
    // The compiler may record a topic under the full path it was built from
    // ("/home/me/build/help/en.htm") rather than its name inside the file, so drop
    // leading folders until an object of the file answers.
    std::replace(recorded.begin(), recorded.end(), '\\', '/');
    if (const auto anchor = recorded.find('#'); anchor != std::string::npos && anchor > 0)
        recorded.resize(anchor);
    if (recorded.empty())
        return std::nullopt;
    if (recorded.front() != '/')
        recorded.insert(recorded.begin(), '/');
    while (true) {
        if (contains(recorded))
            return recorded;
        const auto next = recorded.find('/', 1);
        if (next == std::string::npos)
            return std::nullopt;
        recorded.erase(0, next);
    }
}

std::string ChmReader::title() const
{
    // #SYSTEM: a version dword, then records of (code, length, data); code 3 is the title.
    const auto system = read("/#SYSTEM");
    if (!system || system->size() < 4)
        return {};
    std::size_t at = 4;
    while (at + 4 <= system->size()) {
        const std::uint16_t code = littleEndian16(*system, at);
        const std::uint16_t length = littleEndian16(*system, at + 2);
        at += 4;
        if (at + length > system->size())
            break;
        if (code == 3) {
            std::string text = system->substr(at, length);
            text.resize(std::strlen(text.c_str()));
            return text;
        }
        at += length;
    }
    return {};
}

}  // namespace tarvik
