#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

namespace tarvik {

class WaveOutput;

// The platform's sound output is a module of its own (libtarvik_sound), so that
// the game neither links the sound libraries nor loads them while it starts.
// The module offers one C function under this name: given the six RIFF WAVE
// files, it opens the default sound device, or returns null when there is none.
using WaveFiles = std::array<QByteArray, 6>;
using OpenWaveOutputFunction = WaveOutput* (*)(const WaveFiles& waveFiles);
inline constexpr const char* kOpenWaveOutputSymbol = "tarvikOpenWaveOutput";

// The folders searched for the module, in order: the program's own folder
// (a build folder) and the module folder of an installed layout relative to it.
QStringList soundModuleFolders(const QString& programFolder);

// The module's function, or null when no folder holds a loadable module.
OpenWaveOutputFunction findSoundModule(const QStringList& folders);

// The six waves from the compiled-in resources through the module, or null when
// there is no module or no sound device; the caller then stays silent.
std::unique_ptr<WaveOutput> openSystemWaveOutput();

}  // namespace tarvik
