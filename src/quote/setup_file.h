#pragma once

#include "platform/profile_file.h"
#include "quote/setup_keys.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// "setup.ini" read and written through the key table: each read gives the key's default
// when the file, section or key is missing; each write goes to the file at once.
class SetupFile {
public:
    explicit SetupFile(const QString& path);

    const QString& path() const { return profile_.path(); }

    bool read(const setup::BoolKey& key) const;
    int read(const setup::IntKey& key) const;
    QString read(const setup::TextKey& key) const;
    // Nothing when no date is stored or the text is not a date.
    std::optional<QDate> read(const setup::DateKey& key) const;

    // Each returns false when the file could not be written.
    bool write(const setup::BoolKey& key, bool value);
    bool write(const setup::IntKey& key, int value);
    bool write(const setup::TextKey& key, const QString& value);
    // Written as yyyy-MM-dd, which reads back the same under every locale.
    bool write(const setup::DateKey& key, QDate value);

    // Section "search", keys "1" to "10": each entry whose trimmed text is not empty,
    // in key order.
    QStringList readSearchHistory() const;
    // Entry i goes to key "i + 1" (trimmed); keys beyond the entries stay as they are.
    bool writeSearchHistory(const QStringList& entries);

    ProfileFile& profile() { return profile_; }
    const ProfileFile& profile() const { return profile_; }

private:
    ProfileFile profile_;
};
