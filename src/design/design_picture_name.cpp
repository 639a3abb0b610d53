#include "design/design_picture_name.h"

namespace {

QString safeForFileName(QString text) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar& ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F || forbidden.contains(ch)) {
            ch = QLatin1Char('_');
        }
    }
    return text;
}

} // namespace

QString designPictureFileName(const QString& customerName, const QString& roomTitle) {
    QString name = safeForFileName(customerName.trimmed() + QLatin1Char('-') + roomTitle.trimmed());
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))) {
        name.chop(1);
    }
    return name + QStringLiteral(".jpg");
}
