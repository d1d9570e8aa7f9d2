#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace tarvik::testing {

// A PulseAudio server of the test's own: one null sink, a socket in a
// temporary folder, nothing shared with a desktop that may be running.
// Its sink is the only output the program can find, and its monitor hears
// exactly what the program plays.
class PrivateSoundServer {
public:
    static constexpr int kRate = 22050;

    // Starts the server and points this process's sound clients at it.
    // Empty on success, otherwise why it could not start.
    QString start();
    ~PrivateSoundServer();

    QString address() const;
    QString monitor() const { return QStringLiteral("tarvik_test.monitor"); }

private:
    QTemporaryDir folder_;
    QProcess server_;
};

// parec on the sink's monitor, straight into a file, so that a busy program
// loses nothing. Sample 0 is the first sample the monitor delivered.
class MonitorRecording {
public:
    explicit MonitorRecording(const PrivateSoundServer& server);
    ~MonitorRecording();

    // Starts parec and waits for its first samples; returns false if none come.
    bool start();
    // Stops parec and returns the mono samples in -1..1.
    std::vector<float> stop();

private:
    const PrivateSoundServer& server_;
    QTemporaryDir folder_;
    QProcess parec_;
};

}  // namespace tarvik::testing
