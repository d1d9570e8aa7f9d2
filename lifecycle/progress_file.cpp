#include "lifecycle/progress_file.h"

#include "lifecycle/dialog_folder.h"
#include "text/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace tarvik {

namespace {

QString fileNameOf(const QString& path) { return QFileInfo(path).fileName(); }

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

bool readProgressFile(const QString& path, ProgressFlags flags)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 got = file.read(reinterpret_cast<char*>(flags.data()), kProgressBytes);
    return got >= 0;
}

bool writeProgressFile(const QString& path, std::span<const std::uint8_t, kProgressBytes> flags)
{
    QSaveFile file(path);
    // A folder that forbids new files leaves no room for the temporary file;
    // the player's own file may still be writable, so it is written in place
    // there, giving up the all-or-nothing replace only where it cannot be had.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qint64 written = file.write(reinterpret_cast<const char*>(flags.data()), kProgressBytes);
    // The write only fills a buffer; the disk's refusal shows at the flush.
    // commit() alone would rename a short file over the old one, so the
    // flush is checked before anything replaces the player's file.
    if (written != kProgressBytes || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString withProgressExtension(const QString& path)
{
    // Only the last dot of the file name counts; dots in folder names do not.
    const int slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QDir::separator()));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash ? path.left(dot) : path;
    return stem + QStringLiteral(".tkx");
}

ProgressFiles::ProgressFiles(ProgressFlags flags, QString& progressPath, std::function<int()> tongue, QString programDir,
                             ProgressDialogs& dialogs, MessageBoxes& messages, Writer writer)
    : flags_(flags),
      progressPath_(progressPath),
      tongue_(std::move(tongue)),
      programDir_(std::move(programDir)),
      dialogs_(dialogs),
      messages_(messages),
      writer_(std::move(writer))
{
}

void ProgressFiles::readInto(const QString& path)
{
    std::fill(flags_.begin(), flags_.end(), std::uint8_t{0});
    if (!readProgressFile(path, flags_))
        messages_.showError(fromUtf8(loadFailureMessage(tongue_(), path.toStdString())));
}

void ProgressFiles::readAtStartup()
{
    std::fill(flags_.begin(), flags_.end(), std::uint8_t{0});
    // A stored name whose file is gone is kept, so the next save proposes it.
    if (!progressPath_.isEmpty() && QFileInfo(progressPath_).isFile())
        readInto(progressPath_);
}

bool ProgressFiles::saveProgress()
{
    const QFileInfo current(progressPath_);
    QString startFolder = !progressPath_.isEmpty() && current.exists() ? current.absolutePath() : QString();
    QString preset = progressPath_.isEmpty() ? QString() : current.fileName();

    QString name;
    for (;;) {
        const auto chosen = dialogs_.askSaveName(startFolder, preset);
        if (!chosen)
            return false;
        name = withProgressExtension(*chosen);
        if (!QFileInfo::exists(name))
            break;
        const auto question = overwriteQuestion(tongue_(), fileNameOf(name).toStdString());
        if (messages_.askYesNo(fromUtf8(question)))
            break;
        // The player said No to this name: show the dialog again where they
        // were, with the name the question was about, to be changed.
        const QFileInfo refused(name);
        startFolder = refused.absolutePath();
        preset = refused.fileName();
    }

    progressPath_ = name;
    if (!writer_(name, flags_))
        messages_.showError(fromUtf8(saveFailureMessage(tongue_(), fileNameOf(name).toStdString())));
    progressPath_ = name;
    return true;
}

bool ProgressFiles::loadProgress()
{
    const QString folder = QFileInfo(progressPath_).absolutePath();
    const QString startFolder =
        !progressPath_.isEmpty() && QFileInfo(folder).isDir() ? folder : fallbackDialogFolder(programDir_);
    const auto chosen = dialogs_.askOpenName(startFolder);
    if (!chosen || chosen->isEmpty())
        return false;
    // A name that does not exist only becomes the file of the next save.
    if (QFileInfo(*chosen).isFile())
        readInto(*chosen);
    progressPath_ = *chosen;
    return true;
}

}  // namespace tarvik
