#pragma once

#include <QString>

namespace tarvik {

// The folder a file dialog starts in when the game has no better one: the
// program's folder, where an unpacked game keeps everything, or the player's
// documents folder when the program's folder is not theirs to write to, as
// for an installed game.
QString fallbackDialogFolder(const QString& programDir, const QString& documentsFolder);

// The same with the player's own documents folder.
QString fallbackDialogFolder(const QString& programDir);

}  // namespace tarvik
