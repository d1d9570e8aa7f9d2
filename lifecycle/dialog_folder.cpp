#include "lifecycle/dialog_folder.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace tarvik {

QString fallbackDialogFolder(const QString& programDir, const QString& documentsFolder)
{
    const QFileInfo folder(programDir);
    return folder.isDir() && folder.isWritable() ? programDir : documentsFolder;
}

QString fallbackDialogFolder(const QString& programDir)
{
    return fallbackDialogFolder(programDir, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

}  // namespace tarvik
