#include "store/exchange_text.h"

#include "store/customer_record.h"

#include <QStringList>

namespace exchange_text {

QString fromDate(const QDateTime& date) {
    if (!date.isValid() || date == zeroDate()) {
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

} // namespace exchange_text
