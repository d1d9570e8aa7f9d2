#pragma once

#include <QString>

namespace tarvik {

// Where the game's data files are found. A game unpacked anywhere keeps them
// beside the program; an installed one keeps them in the share folder of the
// prefix it was installed to, found relative to the program, so that a moved
// prefix still works. When neither place has the file the path beside the
// program is returned, so that a message about it names the expected place.
// `programDir` ends with a path separator; the result uses native separators.
QString dataFilePath(const QString& programDir, const QString& fileName);

}  // namespace tarvik
