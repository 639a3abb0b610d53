#include "platform/pinyin_keys.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

// Both transliterators spell a Chinese character in pinyin with tones dropped; the second
// reads it as a surname (曾 zeng, 单 shan, 仇 qiu), the first by its most frequent reading.
const char* const transliterations[] = {"Han-Latin; Latin-ASCII; Lower",
                                        "Han-Latin/Names; Latin-ASCII; Lower"};

// ICU gives one reading per character and transliterator. A few surnames are also read in
// a way neither of them gives; without these a customer 朴 could not be found as "piao".
struct ExtraReading {
    char16_t character;
    const char* reading;
};
constexpr ExtraReading extraReadings[] = {
    {u'朴', "piao"}, {u'覃', "qin"}, {u'尉', "yu"}, {u'盖', "ge"}, {u'缪', "miao"},
};

// The readings of every Chinese character met so far, shared by all names.
class CharacterReadings {
public:
    CharacterReadings() {
        for (const char* id : transliterations) {
            UErrorCode status = U_ZERO_ERROR;
            std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance(
                icu::UnicodeString::fromUTF8(id), UTRANS_FORWARD, status));
            if (U_SUCCESS(status) && t) {
                transliterators_.push_back(std::move(t));
            }
        }
    }

    const QStringList& of(char32_t character) {
        const auto known = cache_.constFind(character);
        if (known != cache_.cend()) {
            return *known;
        }
        QStringList readings;
        for (const auto& t : transliterators_) {
            icu::UnicodeString text{UChar32(character)};
            t->transliterate(text);
            std::string spelled;
            text.toUTF8String(spelled);
            const QString reading = QString::fromStdString(spelled).trimmed();
            if (!reading.isEmpty() && reading != QString::fromUcs4(&character, 1) &&
                !readings.contains(reading)) {
                readings << reading;
            }
        }
        for (const ExtraReading& extra : extraReadings) {
            if (char32_t(extra.character) == character && !readings.isEmpty()) {
                readings << QString::fromLatin1(extra.reading);
            }
        }
        return *cache_.insert(character, readings);
    }

private:
    std::vector<std::unique_ptr<icu::Transliterator>> transliterators_;
    QHash<char32_t, QStringList> cache_;
};

CharacterReadings& characterReadings() {
    thread_local CharacterReadings readings;
    return readings;
}

bool isAsciiLetterOrDigit(QChar c) {
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

} // namespace

PinyinKeys::PinyinKeys(const QString& name) {
    for (const char32_t c : name.toUcs4()) {
        if (QChar::script(c) == QChar::Script_Han) {
            const QStringList& readings = characterReadings().of(c);
            if (!readings.isEmpty()) {
                readings_.push_back(readings);
            }
        } else if (QChar::isLetterOrNumber(c)) {
            readings_.push_back({QString::fromUcs4(&c, 1).toCaseFolded()});
        }
    }
}

QString PinyinKeys::full() const {
    QString text;
    for (const QStringList& readings : readings_) {
        text += readings.first();
    }
    return text;
}

QString PinyinKeys::initials() const {
    QString text;
    for (const QStringList& readings : readings_) {
        text += readings.first().front();
    }
    return text;
}

bool PinyinKeys::spells(QStringView typed) const {
    if (typed.isEmpty()) {
        return false;
    }
    for (std::size_t start = 0; start < readings_.size(); ++start) {
        if (spellsFrom(start, typed)) {
            return true;
        }
    }
    return false;
}

bool PinyinKeys::spellsFrom(std::size_t character, QStringView rest) const {
    if (rest.isEmpty()) {
        return true;
    }
    if (character == readings_.size()) {
        return false;
    }
    for (const QString& reading : readings_[character]) {
        qsizetype common = 0;
        while (common < reading.size() && common < rest.size() && reading[common] == rest[common]) {
            ++common;
        }
        for (qsizetype used = common; used > 0; --used) {
            if (spellsFrom(character + 1, rest.mid(used))) {
                return true;
            }
        }
    }
    return false;
}

const PinyinKeys& PinyinIndex::keysOf(const QString& name) {
    const auto known = keys_.constFind(name);
    if (known != keys_.cend()) {
        return *known;
    }
    return *keys_.insert(name, PinyinKeys(name));
}

NameSearch::NameSearch(const QString& text)
    : text_(text), typed_(typedPinyin(text)), byPinyin_(couldBePinyin(text)) {}

bool NameSearch::matches(const QString& name, PinyinIndex& index) const {
    return name.contains(text_, Qt::CaseInsensitive) ||
           (byPinyin_ && index.keysOf(name).spells(typed_));
}

bool couldBePinyin(QStringView text) {
    bool letter = false;
    for (const QChar c : text) {
        if (c.unicode() < 0x80 && c.isLetter()) {
            letter = true;
        } else if (!isAsciiLetterOrDigit(c) && !c.isSpace()) {
            return false;
        }
    }
    return letter;
}

QString typedPinyin(QStringView text) {
    QString typed;
    typed.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace()) {
            typed += c.toCaseFolded();
        }
    }
    return typed;
}
