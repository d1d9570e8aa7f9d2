#include "help_file_probe.h"

#include <sys/mman.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include "help/chm_check.h"
#include "help/chm_reader.h"

namespace tarvik::fuzz {

namespace {

// An in-memory file with a path, so that the reader opens it by name as it opens the real one.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view bytes) : fd_(memfd_create("vrel.chm", MFD_CLOEXEC))
    {
        if (fd_ < 0)
            throw std::runtime_error("memfd_create failed");
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t wrote = write(fd_, bytes.data() + done, bytes.size() - done);
            if (wrote <= 0)
                throw std::runtime_error("writing the memory file failed");
            done += static_cast<std::size_t>(wrote);
        }
    }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

}  // namespace

bool readHelpFileBytes(std::string_view bytes)
{
    const MemoryFile file(bytes);
    ChmReader reader(file.path());
    if (!reader.isOpen())
        return false;
    for (std::uint32_t context : {1u, 2u, 3u})
        if (const auto topic = reader.topicForContext(context))
            reader.read(*topic);
    reader.title();
    for (const ChmObject& object : checkChmFile(bytes).layout.objects)
        reader.read(object.name);
    return true;
}

}  // namespace tarvik::fuzz
