#include "lifecycle/settings_store.h"

#include "lifecycle/settings_rules.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <memory>

namespace tarvik {

namespace {

std::unique_ptr<QSettings> open(const QString& location, bool native)
{
    if (native)
        return std::make_unique<QSettings>(location, QSettings::NativeFormat);
    return std::make_unique<QSettings>(location, QSettings::IniFormat);
}

QString key(const QString& section, const QString& name) { return section + QLatin1Char('/') + name; }

}  // namespace

SettingsStore::SettingsStore()
{
#ifdef Q_OS_WIN
    location_ = QStringLiteral("HKEY_CURRENT_USER\\Software\\TarvikGames\\TarvikAtoms\\V3");
    native_ = true;
#else
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    location_ = base + QStringLiteral("/TarvikGames/TarvikAtoms/V3.ini");
#endif
}

SettingsStore::SettingsStore(QString iniPath) : location_(std::move(iniPath)) {}

bool SettingsStore::readText(const QString& section, const QString& name, QString& text) const
{
    const auto settings = open(location_, native_);
    const QVariant value = settings->value(key(section, name));
    if (!value.isValid())
        return false;
    // A value edited by hand may hold unquoted commas, which the INI reader
    // hands back as a list; the stored text is the items joined again.
    if (value.typeId() == QMetaType::QStringList)
        text = value.toStringList().join(QLatin1Char(','));
    else
        text = value.toString();
    return true;
}

int SettingsStore::readInt(const QString& section, const QString& name, int defaultValue) const
{
    QString text;
    if (!readText(section, name, text))
        return defaultValue;
    return parseDecimal(text.toStdString()).value_or(defaultValue);
}

bool SettingsStore::readBool(const QString& section, const QString& name, bool defaultValue) const
{
    return readInt(section, name, defaultValue ? 1 : 0) != 0;
}

QString SettingsStore::readString(const QString& section, const QString& name, const QString& defaultValue) const
{
    QString text;
    return readText(section, name, text) ? text : defaultValue;
}

void SettingsStore::writeInt(const QString& section, const QString& name, int value)
{
    writeText(section, name, QString::number(value));
}

void SettingsStore::writeBool(const QString& section, const QString& name, bool value)
{
    writeText(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::writeString(const QString& section, const QString& name, const QString& value)
{
    writeText(section, name, value);
}

void SettingsStore::writeText(const QString& section, const QString& name, const QString& value)
{
    // The game expects writes to succeed silently; a refused write is not reported.
    const auto settings = open(location_, native_);
    settings->setValue(key(section, name), value);
    settings->sync();
}

}  // namespace tarvik
