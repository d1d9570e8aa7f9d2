// The generator draws the same bytes on every run, and the program holds
// exactly what it draws.

#include "assets/asset_paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<QString, QByteArray> runGenerator(const QString& dir) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TARVIK_ASSETGEN), {QStringLiteral("--out"), dir});
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    std::map<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        files[QDir(dir).relativeFilePath(path)] = file.readAll();
    }
    return files;
}

}  // namespace

TEST(Generator, TwoRunsGiveIdenticalBytesAndMatchTheCompiledInResources) {
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    const auto a = runGenerator(first.path());
    const auto b = runGenerator(second.path());
    ASSERT_EQ(a.size(), 35u);
    ASSERT_EQ(a.size(), b.size());
    tarvik::assets::ensureLoaded();
    for (const auto& [path, bytes] : a) {
        ASSERT_TRUE(b.count(path)) << path.toStdString();
        EXPECT_TRUE(bytes == b.at(path)) << path.toStdString() << " differs between runs";
        QFile resource(QStringLiteral(":/") + path);
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << path.toStdString() << " is not compiled in";
        EXPECT_TRUE(resource.readAll() == bytes) << path.toStdString() << " is stale";
    }
}

TEST(Generator, RejectsUnknownArguments) {
    QProcess process;
    process.start(QStringLiteral(TARVIK_ASSETGEN), {QStringLiteral("--nonsense")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.exitCode(), 0);
}
