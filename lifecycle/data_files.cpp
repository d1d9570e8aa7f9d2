#include "lifecycle/data_files.h"

#include <QDir>
#include <QFileInfo>

namespace tarvik {

QString dataFilePath(const QString& programDir, const QString& fileName)
{
    const QString beside = QDir::toNativeSeparators(programDir + fileName);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString shared =
        QDir::toNativeSeparators(QDir::cleanPath(programDir + QStringLiteral("../share/tarvik-atoms/") + fileName));
    if (QFileInfo(shared).isFile())
        return shared;
    return beside;
}

}  // namespace tarvik
