#include "platform/profile_file.h"

#include "platform/gbk.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool isSectionHeader(const QString& line, QString* name = nullptr) {
    QString t = line.trimmed();
    if (!t.startsWith(u'[')) {
        return false;
    }
    qsizetype close = t.indexOf(u']');
    if (close < 0) {
        return false;
    }
    if (name) {
        *name = t.mid(1, close - 1).trimmed();
    }
    return true;
}

bool splitKeyLine(const QString& line, QString* key, QString* value) {
    qsizetype eq = line.indexOf(u'=');
    if (eq < 0) {
        return false;
    }
    *key = line.left(eq).trimmed();
    if (value) {
        *value = line.mid(eq + 1).trimmed();
    }
    return !key->isEmpty();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

ProfileDocument ProfileDocument::parse(const QByteArray& gbkText) {
    ProfileDocument doc;
    QString text = gbk::decode(gbkText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    doc.lines_ = text.split(u'\n');
    if (!doc.lines_.isEmpty() && doc.lines_.last().isEmpty()) {
        doc.lines_.removeLast();
    }
    return doc;
}

QByteArray ProfileDocument::serialize() const {
    QString text;
    for (const QString& line : lines_) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return gbk::encode(text);
}

int ProfileDocument::findSection(const QString& section) const {
    QString name;
    for (int i = 0; i < lines_.size(); ++i) {
        if (isSectionHeader(lines_[i], &name) && sameName(name, section)) {
            return i;
        }
    }
    return -1;
}

int ProfileDocument::sectionEnd(int header) const {
    int i = header + 1;
    while (i < lines_.size() && !isSectionHeader(lines_[i])) {
        ++i;
    }
    return i;
}

int ProfileDocument::findKey(int header, const QString& key) const {
    QString name;
    int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (splitKeyLine(lines_[i], &name, nullptr) && sameName(name, key)) {
            return i;
        }
    }
    return -1;
}

QString ProfileDocument::value(const QString& section, const QString& key) const {
    int header = findSection(section);
    if (header < 0) {
        return {};
    }
    int line = findKey(header, key);
    if (line < 0) {
        return {};
    }
    QString name, value;
    splitKeyLine(lines_[line], &name, &value);
    return value.isNull() ? QString(QLatin1String("")) : value;
}

QStringList ProfileDocument::keys(const QString& section) const {
    QStringList result;
    int header = findSection(section);
    if (header < 0) {
        return result;
    }
    QString name;
    int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (splitKeyLine(lines_[i], &name, nullptr)) {
            result << name;
        }
    }
    return result;
}

void ProfileDocument::setValue(const QString& section, const QString& key, const QString& value) {
    const QString line = key + u'=' + value;
    int header = findSection(section);
    if (header < 0) {
        lines_ << u'[' + section + u']' << line;
        return;
    }
    int existing = findKey(header, key);
    if (existing >= 0) {
        lines_[existing] = line;
        return;
    }
    // After the section's last non-empty line, so a blank separator line stays last.
    int insertAt = sectionEnd(header);
    while (insertAt > header + 1 && lines_[insertAt - 1].trimmed().isEmpty()) {
        --insertAt;
    }
    lines_.insert(insertAt, line);
}

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

ProfileDocument ProfileFile::load() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return ProfileDocument::parse(file.readAll());
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
    QString v = load().value(section, key);
    return v.isNull() ? defaultValue : v;
}

int ProfileFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    int v = readString(section, key).toInt(&ok, 10);
    return ok ? v : defaultValue;
}

bool ProfileFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList ProfileFile::readKeys(const QString& section) const {
    return load().keys(section);
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value) {
    ProfileDocument doc = load();
    doc.setValue(section, key, value);
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(doc.serialize());
    return file.commit();
}

bool ProfileFile::writeInteger(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

bool ProfileFile::writeBool(const QString& section, const QString& key, bool value) {
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
