#include "lifecycle/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace tarvik {

namespace {
std::optional<QString> run(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
}  // namespace

std::optional<QString> QtFileDialogs::askSaveName(const QString& startFolder, const QString& presetName)
{
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The game asks about overwriting itself, after it has fixed the extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    dialog.selectFile(presetName);
    return run(dialog);
}

std::optional<QString> QtFileDialogs::askOpenName(const QString& startFolder)
{
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist yet is accepted: it becomes the next save's file.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The pattern stays out of the label, which reads the same in both languages.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilter(QStringLiteral("Tarvik Atoms-Dateien (*.tkx)"));
    dialog.setDefaultSuffix(QStringLiteral("tkx"));
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    return run(dialog);
}

}  // namespace tarvik
