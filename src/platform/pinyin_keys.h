#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// A name's spellings in pinyin: for every character the readings it may have, lower case,
// without tones. Chinese characters read as pinyin, Latin letters and digits as
// themselves; spaces and punctuation are not spelled.
class PinyinKeys {
public:
    PinyinKeys() = default;
    explicit PinyinKeys(const QString& name);

    // The first reading of every character, joined: "zhangsan" for 张三.
    QString full() const;
    // The first letters of those readings: "zs".
    QString initials() const;
    // Whether the typed text spells a run of the name's characters, each character by a
    // leading part of one of its readings: "zhangsan", "zs", "zhangs" and "san" all spell
    // (part of) 张三. The text is compared as typedPinyin() gives it.
    bool spells(QStringView typed) const;

private:
    bool spellsFrom(std::size_t character, QStringView rest) const;

    std::vector<QStringList> readings_;
};

// The keys of names, each computed once and kept for the next look-up.
class PinyinIndex {
public:
    const PinyinKeys& keysOf(const QString& name);

private:
    QHash<QString, PinyinKeys> keys_;
};

// A name search: a name matches when it contains the text, Latin letters case-blind (as
// the stores' like compares them), or, for a text of Latin letters, when the text spells
// the name's pinyin.
class NameSearch {
public:
    explicit NameSearch(const QString& text);

    bool byPinyin() const { return byPinyin_; }
    bool matches(const QString& name, PinyinIndex& index) const;

private:
    QString text_;
    QString typed_;
    bool byPinyin_ = false;
};

// Whether the text could be typed pinyin: Latin letters (and digits or spaces between), so
// that a name search should try pinyin besides the literal match.
bool couldBePinyin(QStringView text);

// A search text as the pinyin match compares it: lower case, without spaces.
QString typedPinyin(QStringView text);
