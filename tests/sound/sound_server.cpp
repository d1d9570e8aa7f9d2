#include "sound_server.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <functional>

#include <sys/prctl.h>

namespace tarvik::testing {

namespace {

bool waitUntil(const std::function<bool()>& ready, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        if (ready())
            return true;
        QThread::msleep(50);
    }
    return ready();
}

// The server and the recorder end with the test, even when the test crashes,
// and hold none of its output channels, so nothing waits on them afterwards.
void tieToThisProcess(QProcess& process, const QString& log)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.setStandardErrorFile(log);
}

}  // namespace

QString PrivateSoundServer::start()
{
    for (const char* tool : {"pulseaudio", "parec", "pactl"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is not installed (Debian packages pulseaudio and pulseaudio-utils)")
                .arg(QString::fromLatin1(tool));
    }
    if (!folder_.isValid())
        return QStringLiteral("no temporary folder");
    const QString dir = folder_.path();
    // A client that cannot reach our server must not start one of its own.
    QFile clientConf(dir + QStringLiteral("/client.conf"));
    if (!clientConf.open(QIODevice::WriteOnly) || clientConf.write("autospawn = no\n") < 0)
        return QStringLiteral("cannot write %1").arg(clientConf.fileName());
    clientConf.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
        env.insert(QString::fromLatin1(name), dir);
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("PULSE_STATE_PATH"), dir + QStringLiteral("/state"));
    server_.setProcessEnvironment(env);
    tieToThisProcess(server_, dir + QStringLiteral("/server.log"));
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                   QStringLiteral("--use-pid-file=no"), QStringLiteral("--realtime=no"),
                   QStringLiteral("--high-priority=no"), QStringLiteral("--disable-shm=yes"),
                   QStringLiteral("--log-level=error"),
                   QStringLiteral("-L"),
                   QStringLiteral("module-null-sink sink_name=tarvik_test format=s16le channels=1 rate=%1").arg(kRate),
                   QStringLiteral("-L"),
                   QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1/native").arg(dir)});
    if (!server_.waitForStarted(10000))
        return QStringLiteral("pulseaudio did not start: %1").arg(server_.errorString());

    const bool answers = waitUntil([this] {
        QProcess info;
        info.start(QStringLiteral("pactl"), {QStringLiteral("--server=") + address(), QStringLiteral("info")});
        return info.waitForFinished(5000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0;
    }, 15000);
    if (!answers)
        return QStringLiteral("pulseaudio did not answer on %1").arg(address());

    qputenv("PULSE_SERVER", address().toLocal8Bit());
    qputenv("PULSE_CLIENTCONFIG", clientConf.fileName().toLocal8Bit());
    return {};
}

PrivateSoundServer::~PrivateSoundServer()
{
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished(2000);
    }
}

QString PrivateSoundServer::address() const { return QStringLiteral("unix:%1/native").arg(folder_.path()); }

MonitorRecording::MonitorRecording(const PrivateSoundServer& server) : server_(server) {}

MonitorRecording::~MonitorRecording() { stop(); }

bool MonitorRecording::start()
{
    const QString file = folder_.filePath(QStringLiteral("monitor.raw"));
    parec_.setStandardOutputFile(file);
    tieToThisProcess(parec_, folder_.filePath(QStringLiteral("parec.log")));
    parec_.start(QStringLiteral("parec"),
                 {QStringLiteral("--server=") + server_.address(), QStringLiteral("--device=") + server_.monitor(),
                  QStringLiteral("--raw"), QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                  QStringLiteral("--rate=%1").arg(PrivateSoundServer::kRate), QStringLiteral("--latency-msec=10")});
    if (!parec_.waitForStarted(10000))
        return false;
    return waitUntil([&file] { return QFileInfo(file).size() > 0; }, 10000);
}

std::vector<float> MonitorRecording::stop()
{
    if (parec_.state() == QProcess::NotRunning)
        return {};
    parec_.terminate();
    if (!parec_.waitForFinished(5000))
        parec_.kill();
    parec_.waitForFinished(2000);
    QFile file(folder_.filePath(QStringLiteral("monitor.raw")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<float> samples(static_cast<std::size_t>(bytes.size() / 2));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        std::int16_t v;
        std::memcpy(&v, bytes.constData() + 2 * i, 2);
        samples[i] = v / 32768.0f;
    }
    return samples;
}

}  // namespace tarvik::testing
