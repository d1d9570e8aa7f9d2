#pragma once

#include "lifecycle/progress_prompts.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <span>

namespace tarvik {

// One flag byte per plan, 0 unsolved; also the whole content of a progress file.
inline constexpr int kProgressBytes = 500;
using ProgressFlags = std::span<std::uint8_t, kProgressBytes>;

// Reads up to 500 bytes from the start of the file into flags; bytes past
// the end of a shorter file are left alone. False when the file cannot be
// opened or read.
bool readProgressFile(const QString& path, ProgressFlags flags);

// Writes the 500 flags through a temporary file that replaces the old one
// only once everything is written, so a failed write leaves the old file.
// Where the folder forbids new files, an existing file is written in place.
bool writeProgressFile(const QString& path, std::span<const std::uint8_t, kProgressBytes> flags);

// The chosen name with its extension replaced by ".tkx" (or ".tkx" appended).
QString withProgressExtension(const QString& path);

// The saved-games commands working on the program-wide flags and path.
class ProgressFiles {
public:
    using Writer = std::function<bool(const QString&, std::span<const std::uint8_t, kProgressBytes>)>;

    ProgressFiles(ProgressFlags flags, QString& progressPath, std::function<int()> tongue, QString programDir,
                  ProgressDialogs& dialogs, MessageBoxes& messages, Writer writer = writeProgressFile);

    // At start-up, after the path has been read from the settings: clears
    // the flags and reads the file named by the path when it exists.
    void readAtStartup();

    // The save dialog, the overwrite question and the writing. False when
    // the player cancelled (nothing written, nothing changed); the caller
    // then leaves the caption alone.
    bool saveProgress();

    // The open dialog and the reading. False when nothing was chosen.
    bool loadProgress();

private:
    void readInto(const QString& path);

    ProgressFlags flags_;
    QString& progressPath_;
    std::function<int()> tongue_;
    QString programDir_;
    ProgressDialogs& dialogs_;
    MessageBoxes& messages_;
    Writer writer_;
};

}  // namespace tarvik
