#pragma once

#include <future>

namespace tarvik {

// Reads the system's font configuration: its files and the caches they name.
// Where the platform has no such configuration there is nothing to read.
void readSystemFontConfiguration();

// Reads the font configuration on a thread of its own from the first moment of
// the run, while the application object connects to the display. Parsing the
// configuration files is most of what the font list costs, and it needs
// nothing of the window system, so it need not wait for the application.
class FontConfigWarmUp {
public:
    // `read` is the system's reading but in tests.
    explicit FontConfigWarmUp(void (*read)() = readSystemFontConfiguration);
    // Waits for the reading to end.
    ~FontConfigWarmUp();

    // Returns once the configuration is read; any thread may wait.
    void wait() const;

    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

private:
    std::shared_future<void> read_;
};

}  // namespace tarvik
