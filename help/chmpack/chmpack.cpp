// Repacks the help compiler's vrel.chm so that it holds nothing of the machine that built
// it: the topics of the context map are named as they stand inside the file ("en.htm", not
// the build folder's full path), the time stamps are cleared, and the container is laid out
// anew by our own writer. Two builds in any two folders give the same bytes.
// Usage: tarvik-chmpack COMPILED.chm OUTPUT.chm
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "help/chm_check.h"
#include "help/chm_reader.h"
#include "help/chmpack/chm_writer.h"

namespace {

using tarvik::ChmSourceObject;

constexpr std::uint16_t kSystemTimeStamp = 10;

std::uint32_t get32(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s.at(at + static_cast<std::size_t>(i)));
    return v;
}

void put32(std::string& s, std::size_t at, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        s.at(at + i) = static_cast<char>(v >> (8 * i));
}

ChmSourceObject* find(std::vector<ChmSourceObject>& objects, const std::string& name)
{
    for (auto& o : objects)
        if (o.name == name)
            return &o;
    throw std::runtime_error("the compiled file has no " + name);
}

// The name inside the file of a topic the compiler recorded under its full build path:
// leading folders dropped until an object answers, then without the leading "/".
std::string nameInFile(std::string recorded, const std::vector<ChmSourceObject>& objects)
{
    if (recorded.empty() || recorded.front() != '/')
        recorded.insert(recorded.begin(), '/');
    while (true) {
        for (const auto& o : objects)
            if (o.name == recorded)
                return recorded.substr(1);
        const auto next = recorded.find('/', 1);
        if (next == std::string::npos)
            throw std::runtime_error("the context map names " + recorded + ", which the file lacks");
        recorded.erase(0, next);
    }
}

// #IVB: a byte count, then pairs of context number and offset into #STRINGS. The strings
// are rebuilt from the mapped topics only, and the offsets follow them.
void nameTopicsAsInTheFile(std::vector<ChmSourceObject>& objects)
{
    std::string& map = find(objects, "/#IVB")->data;
    const std::string& oldStrings = find(objects, "/#STRINGS")->data;
    std::string strings(1, '\0');
    std::map<std::uint32_t, std::uint32_t> moved;
    const std::size_t used = std::min<std::size_t>(get32(map, 0), map.size() - 4);
    for (std::size_t at = 4; at + 8 <= 4 + used; at += 8) {
        const std::uint32_t offset = get32(map, at + 4);
        if (!moved.count(offset)) {
            const std::size_t end = oldStrings.find('\0', offset);
            if (offset >= oldStrings.size() || end == std::string::npos)
                throw std::runtime_error("the context map points outside #STRINGS");
            moved[offset] = static_cast<std::uint32_t>(strings.size());
            strings += nameInFile(oldStrings.substr(offset, end - offset), objects);
            strings += '\0';
        }
        put32(map, at + 4, moved[offset]);
    }
    strings += '\0';
    find(objects, "/#STRINGS")->data = strings;
}

// #SYSTEM: a version, then records of code, length and data; one holds the build time.
void clearBuildTime(std::vector<ChmSourceObject>& objects)
{
    std::string& system = find(objects, "/#SYSTEM")->data;
    std::size_t at = 4;
    while (at + 4 <= system.size()) {
        const std::uint32_t head = get32(system, at);
        const std::uint16_t code = static_cast<std::uint16_t>(head & 0xffff);
        const std::size_t length = head >> 16;
        at += 4;
        if (code == kSystemTimeStamp)
            std::fill(system.begin() + static_cast<std::ptrdiff_t>(at),
                      system.begin() + static_cast<std::ptrdiff_t>(std::min(at + length, system.size())), '\0');
        at += length;
    }
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<ChmSourceObject> objectsOf(const std::string& path)
{
    const tarvik::ChmCheck check = tarvik::checkChmFile(fileBytes(path));
    if (!check.sound)
        throw std::runtime_error(path + ": " + check.fault);
    tarvik::ChmReader reader(path);
    std::vector<ChmSourceObject> objects;
    for (const auto& entry : check.layout.objects) {
        if (entry.name.rfind("::DataSpace/", 0) == 0)
            continue;  // the writer makes the compressed section's own objects
        const auto data = reader.read(entry.name);
        if (!data)
            throw std::runtime_error(path + ": cannot read " + entry.name);
        objects.push_back({entry.name, static_cast<int>(entry.section), *data});
    }
    return objects;
}

// The written file must read back, object for object, through the same library the game uses.
void checkReadsBack(const std::string& path, const std::vector<ChmSourceObject>& objects)
{
    const auto written = objectsOf(path);
    if (written.size() != objects.size())
        throw std::runtime_error(path + " lists another number of objects than it was given");
    for (const auto& object : objects) {
        bool same = false;
        for (const auto& back : written)
            same = same || (back.name == object.name && back.data == object.data);
        if (!same)
            throw std::runtime_error(path + " does not read back " + object.name);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s COMPILED.chm OUTPUT.chm\n", argv[0]);
        return 2;
    }
    try {
        const std::string compiled = fileBytes(argv[1]);
        std::vector<ChmSourceObject> objects = objectsOf(argv[1]);
        nameTopicsAsInTheFile(objects);
        clearBuildTime(objects);
        const std::uint32_t language = get32(compiled, 0x14);
        {
            std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
            out << tarvik::writeChm(objects, language);
            if (!out.flush())
                throw std::runtime_error(std::string("cannot write ") + argv[2]);
        }
        checkReadsBack(argv[2], objects);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvik-chmpack: %s\n", e.what());
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
