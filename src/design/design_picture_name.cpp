#include "design/design_picture_name.h"

#include "platform/safe_file_name.h"

QString designPictureFileName(const QString& customerName, const QString& roomTitle) {
    return safeFileName(customerName.trimmed() + QLatin1Char('-') + roomTitle.trimmed()) +
           QStringLiteral(".jpg");
}
