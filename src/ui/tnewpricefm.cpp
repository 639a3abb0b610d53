#include "ui/tnewpricefm.h"

#include "quote/bill_edits.h"
#include "ui/dialog_parts.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr QSize PictureArea(200, 150);

} // namespace

Tnewpricefm::Tnewpricefm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("newpricefm"));
    setWindowTitle(QStringLiteral("产品价格设置"));
    auto* layout = new QVBoxLayout(this);
    title_ = dialog_parts::heading(this, QString());
    title_->setObjectName(QStringLiteral("productTitle"));
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("productPicture"));
    picture_->setFixedSize(PictureArea);
    price_ = new QDoubleSpinBox(this);
    price_->setObjectName(QStringLiteral("price"));
    price_->setRange(-1e9, 1e9);
    price_->setDecimals(2);
    alsoLibrary_ = new QCheckBox(QStringLiteral("同时修改数据库中价格"), this);
    alsoLibrary_->setObjectName(QStringLiteral("alsoLibrary"));
    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(new QLabel(QStringLiteral("价格："), this));
    priceRow->addWidget(price_, 1);
    priceRow->addWidget(new QLabel(QStringLiteral("元"), this));
    layout->addWidget(title_);
    layout->addWidget(picture_, 0, Qt::AlignHCenter);
    layout->addLayout(priceRow);
    layout->addWidget(alsoLibrary_);
    dialog_parts::addButtons(*this);
}

std::optional<Tnewpricefm::Answer> Tnewpricefm::ask(const ProductPriceChoice& choice,
                                                    bool libraryBox) {
    title_->setText(choice.title);
    picture_->setPixmap(
        QPixmap::fromImage(pictureArea(QImage::fromData(choice.picture), PictureArea)));
    price_->setValue(choice.price);
    price_->selectAll();
    alsoLibrary_->setChecked(false);
    alsoLibrary_->setVisible(libraryBox);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Answer{price_->value(), libraryBox && alsoLibrary_->isChecked()};
}

QImage Tnewpricefm::pictureArea(const QImage& picture, QSize area) {
    QImage image(area, QImage::Format_RGB32);
    image.fill(QColor(1, 1, 17));
    if (picture.isNull()) {
        return image;
    }
    const QImage shown = picture.width() + 4 > area.width() || picture.height() + 4 > area.height()
                             ? picture.scaled(area - QSize(4, 4), Qt::KeepAspectRatio)
                             : picture;
    const QPoint at((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2);
    QPainter painter(&image);
    painter.fillRect(QRect(at - QPoint(2, 2), shown.size() + QSize(4, 4)), Qt::black);
    painter.drawImage(at, shown);
    return image;
}
