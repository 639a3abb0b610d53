#include "quote/setup_file.h"

#include <QLocale>

namespace {

QString name(const char* text) {
    return QString::fromUtf8(text);
}

// Dates written by this program are ISO; older files hold the system's short format.
std::optional<QDate> parseDate(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        return std::nullopt;
    }
    QDate date = QDate::fromString(t, Qt::ISODate);
    if (!date.isValid()) {
        date = QLocale::system().toDate(t, QLocale::ShortFormat);
    }
    for (const char* format : {"yyyy/M/d", "yyyy-M-d", "d.M.yyyy"}) {
        if (date.isValid()) {
            break;
        }
        date = QDate::fromString(t, QString::fromLatin1(format));
    }
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

} // namespace

SetupFile::SetupFile(const QString& path) : profile_(path) {}

bool SetupFile::read(const setup::BoolKey& key) const {
    return profile_.readBool(name(key.section), name(key.key), key.fallback);
}

int SetupFile::read(const setup::IntKey& key) const {
    return profile_.readInteger(name(key.section), name(key.key), key.fallback);
}

QString SetupFile::read(const setup::TextKey& key) const {
    return profile_.readString(name(key.section), name(key.key), name(key.fallback));
}

std::optional<QDate> SetupFile::read(const setup::DateKey& key) const {
    return parseDate(profile_.readString(name(key.section), name(key.key)));
}

bool SetupFile::write(const setup::BoolKey& key, bool value) {
    return profile_.writeBool(name(key.section), name(key.key), value);
}

bool SetupFile::write(const setup::IntKey& key, int value) {
    return profile_.writeInteger(name(key.section), name(key.key), value);
}

bool SetupFile::write(const setup::TextKey& key, const QString& value) {
    return profile_.writeString(name(key.section), name(key.key), value);
}

bool SetupFile::write(const setup::DateKey& key, QDate value) {
    return profile_.writeString(name(key.section), name(key.key), value.toString(Qt::ISODate));
}

QStringList SetupFile::readSearchHistory() const {
    QStringList entries;
    for (int i = 1; i <= setup::searchEntriesRead; ++i) {
        const QString text =
            profile_.readString(name(setup::searchSection), QString::number(i)).trimmed();
        if (!text.isEmpty()) {
            entries << text;
        }
    }
    return entries;
}

bool SetupFile::writeSearchHistory(const QStringList& entries) {
    bool ok = true;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        ok = profile_.writeString(name(setup::searchSection), QString::number(i + 1),
                                  entries[i].trimmed()) &&
             ok;
    }
    return ok;
}
