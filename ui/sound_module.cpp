#include "ui/sound_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

#include "assets/asset_paths.h"
#include "ui/wave_output.h"

namespace tarvik {

QStringList soundModuleFolders(const QString& programFolder)
{
    QStringList folders{programFolder};
#ifdef TARVIK_SOUND_MODULE_RELATIVE_DIR
    folders.append(QDir::cleanPath(programFolder + QLatin1Char('/') +
                                   QStringLiteral(TARVIK_SOUND_MODULE_RELATIVE_DIR)));
#endif
    return folders;
}

OpenWaveOutputFunction findSoundModule(const QStringList& folders)
{
    for (const QString& folder : folders) {
        // A loaded module stays loaded for the rest of the run: the output it
        // made lives as long as the window.
        QLibrary module(folder + QStringLiteral("/tarvik_sound"));
        if (auto open = reinterpret_cast<OpenWaveOutputFunction>(module.resolve(kOpenWaveOutputSymbol)))
            return open;
    }
    return nullptr;
}

std::unique_ptr<WaveOutput> openSystemWaveOutput()
{
    const OpenWaveOutputFunction open = findSoundModule(soundModuleFolders(QCoreApplication::applicationDirPath()));
    if (!open)
        return nullptr;
    WaveFiles files;
    for (std::size_t i = 0; i < files.size(); ++i) {
        QFile file(QString::fromLatin1(assets::cues[i]));
        if (file.open(QIODevice::ReadOnly))
            files[i] = file.readAll();
    }
    return std::unique_ptr<WaveOutput>(open(files));
}

}  // namespace tarvik
