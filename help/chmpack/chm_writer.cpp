#include "help/chmpack/chm_writer.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace tarvik {

namespace {

constexpr std::uint32_t kItsfHeader = 0x60;
constexpr std::uint32_t kHeaderSection = 0x18;
constexpr std::uint32_t kDirectoryHeader = 0x54;
constexpr std::uint32_t kChunk = 0x1000;
constexpr std::uint32_t kListingHeader = 20;
constexpr std::uint32_t kQuickRefEvery = 5;  // 1 + (1 << density 2)
constexpr std::uint32_t kFrame = 0x8000;
// Window and reset interval in frames: a 64 KiB window, the decoder reset every two frames.
constexpr std::uint32_t kWindowFrames = 2;
constexpr std::uint32_t kResetFrames = 2;

// The format's fixed identifiers, as they stand in the file.
constexpr unsigned char kItsfGuids[32] = {
    0x10, 0xfd, 0x01, 0x7c, 0xaa, 0x7b, 0xd0, 0x11, 0x9e, 0x0c, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec,
    0x11, 0xfd, 0x01, 0x7c, 0xaa, 0x7b, 0xd0, 0x11, 0x9e, 0x0c, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec};
constexpr unsigned char kItspGuid[16] = {0x6a, 0x92, 0x02, 0x5d, 0x2e, 0x21, 0xd0, 0x11,
                                         0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec};
constexpr const char* kLzxGuid = "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}";
const std::string kSpace = "::DataSpace/";
const std::string kStorage = "::DataSpace/Storage/MSCompressed/";

class Bytes {
public:
    void u8(std::uint32_t v) { out_.push_back(static_cast<char>(v & 0xff)); }
    void u16(std::uint32_t v) { u8(v), u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v & 0xffff), u16(v >> 16); }
    void u64(std::uint64_t v) { u32(static_cast<std::uint32_t>(v)), u32(static_cast<std::uint32_t>(v >> 32)); }
    void raw(const std::string& s) { out_ += s; }
    void raw(const unsigned char* p, std::size_t n) { out_.append(reinterpret_cast<const char*>(p), n); }
    // The directory's numbers: seven bits a byte, most significant first.
    void encint(std::uint64_t v)
    {
        char groups[10];
        int n = 0;
        do {
            groups[n++] = static_cast<char>(v & 0x7f);
            v >>= 7;
        } while (v != 0);
        while (n > 1)
            out_.push_back(static_cast<char>(groups[--n] | 0x80));
        out_.push_back(groups[0]);
    }
    void utf16(const std::string& ascii)
    {
        for (char c : ascii)
            u16(static_cast<unsigned char>(c));
    }
    std::size_t size() const { return out_.size(); }
    std::string& str() { return out_; }

private:
    std::string out_;
};

// Writes bits most significant first into 16-bit little-endian words, as LZX reads them.
class BitWriter {
public:
    explicit BitWriter(Bytes& out) : out_(out) {}
    void bits(std::uint32_t value, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            word_ = static_cast<std::uint16_t>((word_ << 1) | ((value >> i) & 1u));
            if (++used_ == 16)
                flush();
        }
    }
    // A stored block's header is followed by 1 to 16 bits of padding up to a word boundary.
    void padToWord()
    {
        do
            bits(0, 1);
        while (used_ != 0);
    }

private:
    void flush()
    {
        out_.u16(word_);
        word_ = 0;
        used_ = 0;
    }
    Bytes& out_;
    std::uint16_t word_ = 0;
    int used_ = 0;
};

struct Compressed {
    std::string stream;
    std::vector<std::uint64_t> frameStarts;
};

// One LZX stored block per 32 KiB frame, so every frame starts on a word boundary with a
// block of its own; a frame that begins a reset interval first says it has no E8
// translation. Readers expand whole frames, the last one too, so it is filled up with
// zeros; the reset table's length says where the data ends.
Compressed storeAsLzx(const std::string& data)
{
    Compressed result;
    Bytes out;
    const std::size_t frames = (data.size() + kFrame - 1) / kFrame;
    for (std::size_t frame = 0; frame < frames; ++frame) {
        result.frameStarts.push_back(out.size());
        std::string piece = data.substr(frame * kFrame, kFrame);
        piece.resize(kFrame, '\0');
        BitWriter bits(out);
        if (frame % kResetFrames == 0)
            bits.bits(0, 1);  // no E8 translation
        bits.bits(3, 3);      // stored block
        bits.bits(kFrame, 24);
        bits.padToWord();
        for (int r = 0; r < 3; ++r)
            out.u32(1);  // the repeated match offsets, as after a reset
        out.raw(piece);
    }
    result.stream = std::move(out.str());
    return result;
}

struct Placed {
    std::string name;
    int section;
    std::uint64_t offset;
    std::uint64_t length;
};

std::string lowered(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string nameList()
{
    Bytes out;
    const std::string names[] = {"Uncompressed", "MSCompressed"};
    std::uint32_t words = 2;
    for (const auto& n : names)
        words += 2 + static_cast<std::uint32_t>(n.size());
    out.u16(words);
    out.u16(2);
    for (const auto& n : names) {
        out.u16(static_cast<std::uint32_t>(n.size()));
        out.utf16(n);
        out.u16(0);
    }
    return out.str();
}

std::string controlData()
{
    Bytes out;
    out.u32(6);
    out.raw("LZXC");
    out.u32(2);  // version: sizes counted in frames
    out.u32(kResetFrames);
    out.u32(kWindowFrames);
    out.u32(1);  // windows per reset
    out.u32(0);
    return out.str();
}

std::string resetTable(const Compressed& c, std::uint64_t expanded)
{
    Bytes out;
    // One entry per frame and a last one at the end of the stream.
    out.u32(2);
    out.u32(static_cast<std::uint32_t>(c.frameStarts.size() + 1));
    out.u32(8);
    out.u32(0x28);
    out.u64(expanded);
    out.u64(c.stream.size());
    out.u64(kFrame);
    for (std::uint64_t start : c.frameStarts)
        out.u64(start);
    out.u64(c.stream.size());
    return out.str();
}

std::string transformList()
{
    Bytes out;
    out.utf16(kLzxGuid);
    return out.str();
}

std::string listingChunk(const std::vector<Placed>& placed)
{
    Bytes entries;
    std::vector<std::uint32_t> quickRefs;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if ((i + 1) % kQuickRefEvery == 0)
            quickRefs.push_back(static_cast<std::uint32_t>(entries.size()));
        entries.encint(placed[i].name.size());
        entries.raw(placed[i].name);
        entries.encint(static_cast<std::uint64_t>(placed[i].section));
        entries.encint(placed[i].offset);
        entries.encint(placed[i].length);
    }
    const std::size_t tail = 2 + 2 * quickRefs.size();
    if (kListingHeader + entries.size() + tail > kChunk)
        throw std::runtime_error("the help file's directory does not fit one chunk");

    Bytes chunk;
    chunk.raw("PMGL");
    chunk.u32(static_cast<std::uint32_t>(kChunk - kListingHeader - entries.size()));
    chunk.u32(0);
    chunk.u32(0xffffffff);  // no previous listing
    chunk.u32(0xffffffff);  // no next listing
    chunk.raw(entries.str());
    chunk.str().resize(kChunk - tail, '\0');
    for (auto it = quickRefs.rbegin(); it != quickRefs.rend(); ++it)
        chunk.u16(*it);
    chunk.u16(static_cast<std::uint32_t>(placed.size()));
    return chunk.str();
}

std::string directory(const std::vector<Placed>& placed, std::uint32_t language)
{
    Bytes dir;
    dir.raw("ITSP");
    dir.u32(1);
    dir.u32(kDirectoryHeader);
    dir.u32(0x0a);
    dir.u32(kChunk);
    dir.u32(2);           // quick reference density
    dir.u32(1);           // index depth: listings only
    dir.u32(0xffffffff);  // no index chunk
    dir.u32(0);           // first listing
    dir.u32(0);           // last listing
    dir.u32(0xffffffff);
    dir.u32(1);  // chunks
    dir.u32(language);
    dir.raw(kItspGuid, sizeof kItspGuid);
    dir.u32(kDirectoryHeader);
    for (int i = 0; i < 3; ++i)
        dir.u32(0xffffffff);
    dir.raw(listingChunk(placed));
    return dir.str();
}

}  // namespace

std::string writeChm(const std::vector<ChmSourceObject>& objects, std::uint32_t language)
{
    std::vector<Placed> placed;
    std::string stored;
    std::string expanded;
    auto store = [&](const std::string& name, const std::string& data) {
        placed.push_back({name, 0, data.empty() ? 0 : stored.size(), data.size()});
        stored += data;
    };
    for (const ChmSourceObject& object : objects) {
        if (object.name.rfind(kSpace, 0) == 0)
            throw std::runtime_error(object.name + " belongs to the writer");
        if (object.section == 1) {
            placed.push_back({object.name, 1, expanded.size(), object.data.size()});
            expanded += object.data;
        } else {
            store(object.name, object.data);
        }
    }
    const Compressed compressed = storeAsLzx(expanded);
    Bytes span;
    span.u64(expanded.size());
    store(kSpace + "NameList", nameList());
    store(kStorage + "ControlData", controlData());
    store(kStorage + "SpanInfo", span.str());
    store(kStorage + "Transform/List", transformList());
    placed.push_back({kStorage + "Transform/" + kLzxGuid + "/InstanceData/", 0, 0, 0});
    store(kStorage + "Transform/" + kLzxGuid + "/InstanceData/ResetTable", resetTable(compressed, expanded.size()));
    store(kStorage + "Content", compressed.stream);

    // Readers that search a listing expect its names in order, regardless of case.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return lowered(a.name) < lowered(b.name); });
    const std::string dir = directory(placed, language);

    Bytes file;
    const std::uint64_t dirOffset = kItsfHeader + kHeaderSection;
    const std::uint64_t contentOffset = dirOffset + dir.size();
    file.raw("ITSF");
    file.u32(3);
    file.u32(kItsfHeader);
    file.u32(1);
    file.u32(0);  // time stamp: none, so that the same objects give the same file
    file.u32(language);
    file.raw(kItsfGuids, sizeof kItsfGuids);
    file.u64(kItsfHeader);
    file.u64(kHeaderSection);
    file.u64(dirOffset);
    file.u64(dir.size());
    file.u64(contentOffset);
    file.u32(0x01fe);
    file.u32(0);
    file.u64(contentOffset + stored.size());  // the file's length
    file.u32(0);
    file.u32(0);
    file.raw(dir);
    file.raw(stored);
    return std::move(file.str());
}

}  // namespace tarvik
