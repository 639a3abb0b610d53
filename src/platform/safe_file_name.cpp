#include "platform/safe_file_name.h"

QString safeFileName(const QString& name) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    QString text = name;
    for (QChar& ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F || forbidden.contains(ch)) {
            ch = QLatin1Char('_');
        }
    }
    while (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(' '))) {
        text.chop(1);
    }
    return text.isEmpty() ? QStringLiteral("_") : text;
}
