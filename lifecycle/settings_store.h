#pragma once

#include <QString>

namespace tarvik {

// The per-user key/value store. Every operation opens the store, touches one
// value and closes it again, so a value written is what the next read sees.
// Values are kept as text: integers in decimal, booleans as "0" or "1".
class SettingsStore {
public:
    // The player's own store: the registry key of the current user on
    // Windows, an INI file in the user's configuration folder elsewhere.
    SettingsStore();
    // A store in the given INI file (tests use a temporary one).
    explicit SettingsStore(QString iniPath);
    virtual ~SettingsStore() = default;

    int readInt(const QString& section, const QString& name, int defaultValue) const;
    bool readBool(const QString& section, const QString& name, bool defaultValue) const;
    QString readString(const QString& section, const QString& name, const QString& defaultValue) const;

    virtual void writeInt(const QString& section, const QString& name, int value);
    virtual void writeBool(const QString& section, const QString& name, bool value);
    virtual void writeString(const QString& section, const QString& name, const QString& value);

    // Where the values live (a file path, or a registry path on Windows).
    QString location() const { return location_; }

private:
    // The raw text of a value; empty optional-like flag when missing.
    bool readText(const QString& section, const QString& name, QString& text) const;
    void writeText(const QString& section, const QString& name, const QString& text);

    QString location_;
    bool native_ = false;
};

// The section that holds every setting of the game.
inline const QString kCommonSection = QStringLiteral("common");

}  // namespace tarvik
