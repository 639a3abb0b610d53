#include "design/scaled_pictures.h"

#include "core/tpic_rec.h"

namespace {

// The picture with its pixels of the key colour left out.
QImage keyedPicture(const QImage& picture, TColor key) {
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = toQRgb(key) & 0x00FFFFFF;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == keyRgb) {
                line[x] = 0;
            }
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

const QImage& ScaledPictures::scaled(const tpic_rec& product, QSize size) {
    if (product.picture.isNull() || size.isEmpty()) {
        return none_;
    }
    const Key key{product.picture.cacheKey(), size.width(), size.height(), product.transparent,
                  product.transparent ? product.transparentColor : colors::Black};
    const auto found = copies_.find(key);
    if (found != copies_.end()) {
        return found->second;
    }
    if (copies_.size() >= MostCopies) {
        copies_.clear();
    }
    const QImage source = product.transparent
                              ? keyedPicture(product.picture, product.transparentColor)
                              : product.picture.convertToFormat(QImage::Format_RGB32);
    QImage copy = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    copy.setDevicePixelRatio(ratio_);
    return copies_.emplace(key, std::move(copy)).first->second;
}

void ScaledPictures::useScale(int paperWidth, qreal ratio) {
    if (paperWidth != paperWidth_ || ratio != ratio_) {
        copies_.clear();
        paperWidth_ = paperWidth;
        ratio_ = ratio;
    }
}
