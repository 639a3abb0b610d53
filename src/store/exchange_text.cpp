#include "store/exchange_text.h"

#include "platform/gbk.h"

namespace exchange_text {

QString fromDate(const QDateTime& date) {
    if (!date.isValid()) {
        return {};
    }
    const QString day = date.toString(QStringLiteral("yyyy/M/d"));
    return date.time() == QTime(0, 0) ? day : day + u' ' + date.toString(QStringLiteral("H:mm:ss"));
}

QString fromBool(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString fromDouble(double value) {
    return QString::number(value, 'g', 15);
}

std::optional<QDateTime> toDate(const QString& text) {
    QString plain = text.trimmed();
    plain.replace(u'-', u'/');
    if (plain.isEmpty()) {
        return std::nullopt;
    }
    for (const char* form : {"yyyy/M/d H:mm:ss", "yyyy/M/d H:mm", "yyyy/M/d"}) {
        const QDateTime parsed = QDateTime::fromString(plain, QString::fromLatin1(form));
        if (parsed.isValid()) {
            return parsed;
        }
    }
    return std::nullopt;
}

std::optional<bool> toBool(const QString& text) {
    const QString plain = text.trimmed();
    if (plain.isEmpty()) {
        return std::nullopt;
    }
    if (QStringLiteral("true").startsWith(plain, Qt::CaseInsensitive)) {
        return true;
    }
    if (QStringLiteral("false").startsWith(plain, Qt::CaseInsensitive)) {
        return false;
    }
    return std::nullopt;
}

std::optional<double> toDouble(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<qint32> toInt(const QString& text) {
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

QString charactersOutsideGbk(const QString& text) {
    if (gbk::decode(gbk::encode(text)) == text) {
        return {};
    }
    QString lost;
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (gbk::decode(gbk::encode(one)) != one && !lost.contains(one)) {
            lost += one;
        }
    }
    return lost;
}

QString textOf(Kind kind, const QVariant& value) {
    if (value.isNull()) {
        return {};
    }
    switch (kind) {
    case Kind::Text:
        return value.toString();
    case Kind::Integer:
        return QString::number(value.toLongLong());
    case Kind::Date:
        return fromDate(value.toDateTime());
    case Kind::YesNo:
        return fromBool(value.toLongLong() != 0);
    case Kind::Number:
        return fromDouble(value.toDouble());
    }
    return {};
}

QVariant valueOf(Kind kind, const QString& text) {
    const auto stored = [](const auto& value) {
        return value ? QVariant::fromValue(*value) : QVariant();
    };
    switch (kind) {
    case Kind::Text:
        return text.isEmpty() ? QVariant() : QVariant(text);
    case Kind::Integer:
        return stored(toInt(text));
    case Kind::Date:
        return stored(toDate(text));
    case Kind::YesNo: {
        const std::optional<bool> yes = toBool(text);
        return yes ? QVariant(*yes ? 1 : 0) : QVariant();
    }
    case Kind::Number:
        return stored(toDouble(text));
    }
    return {};
}

} // namespace exchange_text
