#include "help/chm_check.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

namespace tarvik {

namespace {

// Fixed values of the container that every sound file holds.
constexpr std::uint64_t kItsfHeaderV2 = 0x58;
constexpr std::uint64_t kItsfHeaderV3 = 0x60;
constexpr std::uint64_t kDirectoryHeader = 0x54;
constexpr std::uint64_t kListingChunkHeader = 20;  // "PMGL", free space, 0, previous, next
constexpr std::uint64_t kIndexChunkHeader = 8;     // "PMGI", free space
constexpr std::uint64_t kSmallestChunk = 64;
constexpr std::uint64_t kLargestChunk = 1u << 20;
// The library copies every name into a buffer of this many bytes plus the terminator.
constexpr std::uint64_t kLongestName = 512;

// The compressed section: LZX frames of 32 KiB, sizes in the control data counted in frames.
constexpr std::uint64_t kFrame = 0x8000;
constexpr std::uint64_t kSmallestWindow = 1u << 15;
constexpr std::uint64_t kLargestWindow = 1u << 21;
// Reading any byte may mean expanding every frame back to the last reset; more than this
// many frames between resets would let a small file keep the game busy for minutes.
constexpr std::uint64_t kLongestResetRun = 64;
constexpr std::uint64_t kLargestExpansion = 1ull << 32;

constexpr std::string_view kControlData = "::DataSpace/Storage/MSCompressed/ControlData";
constexpr std::string_view kContent = "::DataSpace/Storage/MSCompressed/Content";
constexpr std::string_view kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable";

struct Fault {
    std::string what;
};

// Little-endian fields of a byte range that is known to be long enough.
std::uint64_t field(std::string_view bytes, std::uint64_t at, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::uint64_t>(i)]);
    return value;
}
std::uint32_t u32(std::string_view bytes, std::uint64_t at) { return static_cast<std::uint32_t>(field(bytes, at, 4)); }
std::uint64_t u64(std::string_view bytes, std::uint64_t at) { return field(bytes, at, 8); }

// Whether [offset, offset + length) lies inside [0, size) without overflowing.
bool inside(std::uint64_t offset, std::uint64_t length, std::uint64_t size)
{
    return offset <= size && length <= size - offset;
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Reads the directory's variable-length numbers: seven bits a byte, most significant first,
// the top bit set on every byte but the last.
class EntryCursor {
public:
    EntryCursor(std::string_view chunk, std::uint64_t at, std::uint64_t end) : chunk_(chunk), at_(at), end_(end) {}

    bool more() const { return at_ < end_; }

    std::uint64_t number(const char* what)
    {
        std::uint64_t value = 0;
        for (int used = 0; used < 8; ++used) {
            if (at_ >= end_)
                throw Fault{std::string("directory entry runs past its chunk in its ") + what};
            const auto byte = static_cast<unsigned char>(chunk_[at_++]);
            value = (value << 7) | (byte & 0x7fu);
            if ((byte & 0x80u) == 0)
                return value;
        }
        throw Fault{std::string("directory number too long in ") + what};
    }

    std::string name()
    {
        const std::uint64_t length = number("name length");
        if (length > kLongestName)
            throw Fault{"directory name longer than " + std::to_string(kLongestName) + " bytes"};
        if (length > end_ - at_)
            throw Fault{"directory name runs past its chunk"};
        std::string text(chunk_.substr(at_, length));
        at_ += length;
        return text;
    }

private:
    std::string_view chunk_;
    std::uint64_t at_;
    std::uint64_t end_;
};

struct Directory {
    std::uint64_t chunkSize = 0;
    std::uint64_t chunkCount = 0;
    std::int64_t root = -1;
    std::uint64_t firstListing = 0;
    std::vector<std::string_view> chunks;
};

// The chunk number fields hold -1 for "none".
std::int64_t chunkNumber(std::string_view bytes, std::uint64_t at)
{
    return static_cast<std::int32_t>(u32(bytes, at));
}

void checkChunkNumber(std::int64_t number, const Directory& dir, bool noneAllowed, const char* what)
{
    if (number == -1 && noneAllowed)
        return;
    if (number < 0 || static_cast<std::uint64_t>(number) >= dir.chunkCount)
        throw Fault{std::string(what) + " names chunk " + std::to_string(number) + " of " +
                    std::to_string(dir.chunkCount)};
}

std::uint64_t freeSpaceEnd(std::string_view chunk, std::uint64_t header)
{
    const std::uint64_t freeSpace = u32(chunk, 4);
    if (freeSpace > chunk.size() - header)
        throw Fault{"directory chunk's free space is larger than the chunk"};
    return chunk.size() - freeSpace;
}

void readListing(std::string_view chunk, const Directory& dir, std::vector<ChmObject>& objects)
{
    checkChunkNumber(chunkNumber(chunk, 12), dir, true, "listing chunk's previous link");
    checkChunkNumber(chunkNumber(chunk, 16), dir, true, "listing chunk's next link");
    EntryCursor cursor(chunk, kListingChunkHeader, freeSpaceEnd(chunk, kListingChunkHeader));
    while (cursor.more()) {
        ChmObject object;
        object.name = cursor.name();
        object.section = cursor.number("section");
        object.offset = cursor.number("offset");
        object.length = cursor.number("length");
        objects.push_back(std::move(object));
    }
}

std::vector<std::uint64_t> readIndex(std::string_view chunk, const Directory& dir)
{
    std::vector<std::uint64_t> children;
    EntryCursor cursor(chunk, kIndexChunkHeader, freeSpaceEnd(chunk, kIndexChunkHeader));
    while (cursor.more()) {
        cursor.name();
        const std::uint64_t child = cursor.number("index entry");
        if (child >= dir.chunkCount)
            throw Fault{"index entry names chunk " + std::to_string(child) + " of " + std::to_string(dir.chunkCount)};
        children.push_back(child);
    }
    return children;
}

bool isListing(std::string_view chunk) { return chunk.substr(0, 4) == "PMGL"; }
bool isIndex(std::string_view chunk) { return chunk.substr(0, 4) == "PMGI"; }

// A lookup walks down the index chunks; one that leads back to itself would never end.
void checkIndexHasNoLoop(const std::vector<std::vector<std::uint64_t>>& children)
{
    enum class Mark { fresh, onPath, done };
    std::vector<Mark> marks(children.size(), Mark::fresh);
    for (std::uint64_t start = 0; start < children.size(); ++start) {
        if (marks[start] != Mark::fresh)
            continue;
        std::vector<std::pair<std::uint64_t, std::size_t>> path{{start, 0}};
        marks[start] = Mark::onPath;
        while (!path.empty()) {
            auto& [node, next] = path.back();
            if (next == children[node].size()) {
                marks[node] = Mark::done;
                path.pop_back();
                continue;
            }
            const std::uint64_t child = children[node][next++];
            if (marks[child] == Mark::onPath)
                throw Fault{"directory index leads back to chunk " + std::to_string(child)};
            if (marks[child] == Mark::fresh) {
                marks[child] = Mark::onPath;
                path.emplace_back(child, 0);
            }
        }
    }
}

std::vector<ChmObject> readDirectory(const Directory& dir)
{
    std::vector<std::vector<std::uint64_t>> children(dir.chunkCount);
    std::vector<std::vector<ChmObject>> listed(dir.chunkCount);
    for (std::uint64_t i = 0; i < dir.chunkCount; ++i) {
        const std::string_view chunk = dir.chunks[i];
        if (isListing(chunk))
            readListing(chunk, dir, listed[i]);
        else if (isIndex(chunk))
            children[i] = readIndex(chunk, dir);
        else
            throw Fault{"directory chunk " + std::to_string(i) + " is neither a listing nor an index"};
    }
    checkIndexHasNoLoop(children);

    // The listings form one chain from the first; walking it must end.
    std::vector<ChmObject> objects;
    std::vector<bool> seen(dir.chunkCount, false);
    std::int64_t at = static_cast<std::int64_t>(dir.firstListing);
    while (at != -1) {
        const auto index = static_cast<std::uint64_t>(at);
        if (seen[index])
            throw Fault{"listing chain leads back to chunk " + std::to_string(at)};
        seen[index] = true;
        if (!isListing(dir.chunks[index]))
            throw Fault{"listing chain reaches index chunk " + std::to_string(at)};
        objects.insert(objects.end(), listed[index].begin(), listed[index].end());
        at = chunkNumber(dir.chunks[index], 16);
    }
    // Entries in listings off the chain are still reachable through the index.
    for (std::uint64_t i = 0; i < dir.chunkCount; ++i)
        if (!seen[i])
            objects.insert(objects.end(), listed[i].begin(), listed[i].end());
    return objects;
}

Directory readDirectoryHeader(std::string_view file, std::uint64_t offset, std::uint64_t length)
{
    if (length < kDirectoryHeader)
        throw Fault{"directory shorter than its header"};
    const std::string_view head = file.substr(offset, length);
    if (head.substr(0, 4) != "ITSP")
        throw Fault{"directory signature is not ITSP"};
    if (u32(head, 4) != 1 || u32(head, 8) != kDirectoryHeader)
        throw Fault{"directory version or header length unknown"};

    Directory dir;
    dir.chunkSize = u32(head, 0x10);
    if (dir.chunkSize < kSmallestChunk || dir.chunkSize > kLargestChunk)
        throw Fault{"directory chunk size " + std::to_string(dir.chunkSize) + " out of range"};
    dir.chunkCount = u32(head, 0x2c);
    if (dir.chunkCount == 0)
        throw Fault{"directory has no chunks"};
    if (dir.chunkCount > (length - kDirectoryHeader) / dir.chunkSize)
        throw Fault{"directory chunks run past the directory"};
    dir.root = chunkNumber(head, 0x1c);
    checkChunkNumber(dir.root, dir, true, "directory root");
    const std::int64_t first = chunkNumber(head, 0x20);
    checkChunkNumber(first, dir, false, "directory's first listing");
    dir.firstListing = static_cast<std::uint64_t>(first);
    checkChunkNumber(chunkNumber(head, 0x24), dir, false, "directory's last listing");
    for (std::uint64_t i = 0; i < dir.chunkCount; ++i)
        dir.chunks.push_back(head.substr(kDirectoryHeader + i * dir.chunkSize, dir.chunkSize));
    return dir;
}

struct Compression {
    std::uint64_t expandedLength = 0;
};

const ChmObject* findObject(const std::vector<ChmObject>& objects, std::string_view name)
{
    const std::string wanted = lowered(name);
    for (const ChmObject& object : objects)
        if (lowered(object.name) == wanted)
            return &object;
    return nullptr;
}

std::string_view storedObject(std::string_view file, std::uint64_t sectionStart, const ChmObject& object,
                              std::uint64_t shortest)
{
    if (object.section != 0)
        throw Fault{object.name + " is not in the stored section"};
    if (object.length < shortest)
        throw Fault{object.name + " is too short"};
    if (!inside(object.offset, object.length, file.size() - sectionStart))
        throw Fault{object.name + " lies outside its section"};
    return file.substr(sectionStart + object.offset, object.length);
}

void checkControlData(std::string_view control)
{
    if (control.substr(4, 4) != "LZXC")
        throw Fault{"control data signature is not LZXC"};
    if (u32(control, 8) != 2)
        throw Fault{"LZXC version " + std::to_string(u32(control, 8)) + " unknown"};
    const std::uint64_t resetInterval = u32(control, 12);  // in frames
    const std::uint64_t windowFrames = u32(control, 16);
    const std::uint64_t windowsPerReset = u32(control, 20);
    const std::uint64_t window = windowFrames * kFrame;
    if (window < kSmallestWindow || window > kLargestWindow || (window & (window - 1)) != 0)
        throw Fault{"LZX window size " + std::to_string(windowFrames) + " frames not allowed"};
    // The library counts frames between resets as interval / (window / 2) * windows per
    // reset, and divides by that count.
    if (resetInterval == 0 || resetInterval > kLongestResetRun || (2 * resetInterval) % windowFrames != 0)
        throw Fault{"LZX reset interval " + std::to_string(resetInterval) + " not allowed"};
    if (windowsPerReset == 0 || (2 * resetInterval / windowFrames) * windowsPerReset > kLongestResetRun)
        throw Fault{"LZX windows per reset " + std::to_string(windowsPerReset) + " not allowed"};
}

Compression checkResetTable(std::string_view table, const ChmObject& content)
{
    constexpr std::uint64_t kTableHeader = 0x28;
    if (u32(table, 0) != 2)
        throw Fault{"reset table version unknown"};
    const std::uint64_t blocks = u32(table, 4);
    const std::uint64_t entrySize = u32(table, 8);
    const std::uint64_t tableOffset = u32(table, 12);
    const std::uint64_t expanded = u64(table, 0x10);
    const std::uint64_t compressed = u64(table, 0x18);
    const std::uint64_t blockLength = u64(table, 0x20);
    if (entrySize != 8 || tableOffset < kTableHeader || !inside(tableOffset, blocks * 8, table.size()))
        throw Fault{"reset table entries lie outside the reset table"};
    if (blockLength != kFrame)
        throw Fault{"reset table block length " + std::to_string(blockLength) + " is not one frame"};
    if (expanded > kLargestExpansion)
        throw Fault{"compressed section expands too far"};
    if (compressed > content.length)
        throw Fault{"compressed length is longer than the compressed content"};
    const std::uint64_t usedBlocks = (expanded + kFrame - 1) / kFrame;
    if (blocks < usedBlocks)
        throw Fault{"reset table has " + std::to_string(blocks) + " blocks for " + std::to_string(usedBlocks) +
                    " frames"};
    std::uint64_t previous = 0;
    for (std::uint64_t i = 0; i < blocks; ++i) {
        const std::uint64_t start = u64(table, tableOffset + i * 8);
        if ((i == 0 && start != 0) || start < previous || start > compressed)
            throw Fault{"reset table block " + std::to_string(i) + " starts outside the compressed content"};
        // A frame that holds data has at least one byte of compressed input.
        if (i > 0 && i <= usedBlocks && start == previous)
            throw Fault{"reset table block " + std::to_string(i - 1) + " is empty"};
        previous = start;
    }
    if (usedBlocks > 0 && usedBlocks == blocks && previous == compressed)
        throw Fault{"reset table's last block is empty"};
    return Compression{expanded};
}

std::optional<Compression> checkCompression(std::string_view file, std::uint64_t sectionStart,
                                            const std::vector<ChmObject>& objects)
{
    const ChmObject* control = findObject(objects, kControlData);
    const ChmObject* content = findObject(objects, kContent);
    const ChmObject* table = findObject(objects, kResetTable);
    const bool usesSection = std::any_of(objects.begin(), objects.end(),
                                         [](const ChmObject& o) { return o.section == 1; });
    if (!control && !content && !table && !usesSection)
        return std::nullopt;
    if (!control || !content || !table)
        throw Fault{"compressed section without its control data, content or reset table"};
    checkControlData(storedObject(file, sectionStart, *control, 24));
    storedObject(file, sectionStart, *content, 0);
    return checkResetTable(storedObject(file, sectionStart, *table, 0x28), *content);
}

void checkNamesDistinct(const std::vector<ChmObject>& objects)
{
    // The library finds names regardless of case; two that differ only in case could make it
    // read another object than the one checked.
    std::map<std::string, int> names;
    for (const ChmObject& object : objects)
        if (++names[lowered(object.name)] > 1)
            throw Fault{"directory lists " + object.name + " twice"};
}

ChmLayout checkLayout(std::string_view file)
{
    if (file.size() > kLargestHelpFile)
        throw Fault{"file too large for a help file"};
    if (file.size() < kItsfHeaderV2 || file.substr(0, 4) != "ITSF")
        throw Fault{"not a compiled help file"};
    const std::uint32_t version = u32(file, 4);
    const std::uint64_t headerLength = u32(file, 8);
    if ((version != 2 && version != 3) || headerLength != (version == 3 ? kItsfHeaderV3 : kItsfHeaderV2) ||
        headerLength > file.size())
        throw Fault{"file header version " + std::to_string(version) + " or length unknown"};

    const std::uint64_t dirOffset = u64(file, 0x48);
    const std::uint64_t dirLength = u64(file, 0x50);
    if (!inside(dirOffset, dirLength, file.size()))
        throw Fault{"directory lies outside the file"};
    ChmLayout layout;
    layout.sectionStart = version == 3 ? u64(file, 0x58) : dirOffset + dirLength;
    if (layout.sectionStart > file.size())
        throw Fault{"stored section starts outside the file"};

    const Directory dir = readDirectoryHeader(file, dirOffset, dirLength);
    layout.objects = readDirectory(dir);
    checkNamesDistinct(layout.objects);

    const std::uint64_t storedLength = file.size() - layout.sectionStart;
    const auto compression = checkCompression(file, layout.sectionStart, layout.objects);
    layout.expandedLength = compression ? compression->expandedLength : 0;
    for (const ChmObject& object : layout.objects) {
        if (object.section > 1 || (object.section == 1 && !compression))
            throw Fault{object.name + " lies in section " + std::to_string(object.section) + ", which the file lacks"};
        const std::uint64_t sectionLength = object.section == 0 ? storedLength : layout.expandedLength;
        if (!inside(object.offset, object.length, sectionLength))
            throw Fault{object.name + " lies outside its section"};
    }
    return layout;
}

}  // namespace

ChmCheck checkChmFile(std::string_view file)
{
    ChmCheck check;
    try {
        check.layout = checkLayout(file);
        check.sound = true;
    } catch (const Fault& fault) {
        check.fault = fault.what;
    }
    return check;
}

}  // namespace tarvik
