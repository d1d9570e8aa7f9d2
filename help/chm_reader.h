#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct chmFile;

namespace tarvik {

// Read access to a compiled HTML Help file: its objects by path, and the topic a context
// number is mapped to.
class ChmReader {
public:
    explicit ChmReader(const std::string& path);
    ~ChmReader();
    ChmReader(const ChmReader&) = delete;
    ChmReader& operator=(const ChmReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // Why a file that exists was refused; empty when it was opened or could not be read.
    const std::string& fault() const { return fault_; }
    bool contains(const std::string& objectPath) const;
    std::optional<std::string> read(const std::string& objectPath) const;

    // The path of the topic mapped to the context number ("/en.htm"); nothing when the
    // number is not in the map or its topic is not in the file.
    std::optional<std::string> topicForContext(std::uint32_t context) const;

    // The file's title from its system data; empty when it has none.
    std::string title() const;

private:
    std::optional<std::string> existingTopic(std::string recorded) const;

    chmFile* file_ = nullptr;
    std::string fault_;
};

}  // namespace tarvik
