#include "library/custom_product.h"

#include "platform/picture.h"
#include "platform/prompts.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

QSize CustomProductEditor::pictureSize(int widthMm, int heightMm) {
    return {(2 * widthMm) / 10, (2 * heightMm) / 10};
}

QString CustomProductEditor::nameFromFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? QString() : name.left(dot);
}

CustomProductEditor::CustomProductEditor(const CustomProductValues& values) : fields(values) {
    fields.infoAddress = fields.infoAddress.trimmed();
    working_ = picture::readBmp(values.picture);
    shown_ = working_;
}

bool CustomProductEditor::choosePicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    const bool bitmap = QFileInfo(path).suffix().toUpper() == QLatin1String("BMP");
    QImage image = bitmap ? picture::readBmp(bytes) : picture::decodeJpeg(bytes);
    if (image.isNull()) {
        return false;
    }
    working_ = image.convertToFormat(QImage::Format_RGB32);
    shown_ = working_;
    fields.name = nameFromFile(path);
    fields.width = working_.width() * MillimetresPerPixel;
    fields.height = working_.height() * MillimetresPerPixel;
    return true;
}

void CustomProductEditor::setSize(int widthMm, int heightMm) {
    fields.width = widthMm;
    fields.height = heightMm;
    const QSize size = pictureSize(widthMm, heightMm);
    if (size.isEmpty() || working_.isNull()) {
        // A picture without pixels in one direction shows nothing.
        shown_ = QImage();
        return;
    }
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(Qt::white);
    QPainter painter(&resized);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(resized.rect(), working_);
    painter.end();
    shown_ = resized;
}

bool CustomProductEditor::confirm(Prompts& prompts) const {
    if (fields.name.trimmed().isEmpty()) {
        prompts.message(QStringLiteral("名称不能为空！"));
        return false;
    }
    // A product without a picture gets no row in the manager's grid, where it could
    // never be edited or deleted again.
    if (shown_.isNull()) {
        prompts.message(QStringLiteral("请选择产品图像！"));
        return false;
    }
    return true;
}

CustomProductValues CustomProductEditor::result() const {
    CustomProductValues v = fields;
    v.name = v.name.trimmed();
    v.infoAddress = v.infoAddress.trimmed();
    v.picture = shown_.isNull() ? QByteArray() : picture::writeBmp(shown_);
    return v;
}
