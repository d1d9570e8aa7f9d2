// libFuzzer entry: any bytes as a help file.
#include <cstddef>
#include <cstdint>

#include "help_file_probe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tarvik::fuzz::readHelpFileBytes({reinterpret_cast<const char*>(data), size});
    return 0;
}
