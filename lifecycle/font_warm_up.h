#pragma once

#include <QThread>

#include <memory>

namespace tarvik {

// Reads the system's font list on a thread of its own while the main window is
// being built. The first text the window measures would otherwise wait for it:
// parsing the font configuration and listing every installed font takes about
// as long as everything else the window does before it appears. The font
// database guards itself with a lock, so the window's first use simply finds
// the list ready, or waits for the rest of it.
class FontWarmUp {
public:
    // Needs the application object: the font list belongs to its platform.
    FontWarmUp();
    // Waits for the thread; the application must outlive it.
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::unique_ptr<QThread> thread_;
};

}  // namespace tarvik
