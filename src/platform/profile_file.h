#pragma once

#include <QString>
#include <QStringList>

// A Windows-style profile file ("setup.ini", "ini.ini"): "[section]" lines followed by
// "key=value" lines. Section and key names compare without regard to case; a missing
// file, section or key gives the caller's default. The text is in the GBK code page.

// The parsed lines of one profile file, kept as they stand so that a write changes
// only the line it concerns.
class ProfileDocument {
public:
    static ProfileDocument parse(const QByteArray& gbkText);
    QByteArray serialize() const;

    // Null when the section or key is missing.
    QString value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    // Keys of a section in file order.
    QStringList keys(const QString& section) const;

private:
    // Index of the section's header line, -1 when missing.
    int findSection(const QString& section) const;
    // Index just past the section's last line.
    int sectionEnd(int header) const;
    int findKey(int header, const QString& key) const;

    QStringList lines_;
};

class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& path() const { return path_; }

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    // Decimal text; anything unparsable gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // True for any non-zero integer.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;
    QStringList readKeys(const QString& section) const;

    // Every write goes to the file at once, atomically (temporary file, then rename).
    // Returns false when the file could not be written.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);

private:
    ProfileDocument load() const;

    QString path_;
};
