#pragma once

#include <QDialog>

#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
struct ProductPriceChoice;

// "产品价格设置": a product's picture and name, its price and, for a project price,
// "同时修改数据库中价格".
class Tnewpricefm : public QDialog {
public:
    struct Answer {
        double price = 0;
        bool alsoLibrary = false;
    };

    explicit Tnewpricefm(QWidget* parent = nullptr);

    // Shows the product; the check box only when `libraryBox`. None when cancelled.
    std::optional<Answer> ask(const ProductPriceChoice& choice, bool libraryBox);

    // The picture area: the product picture centred on the colour (1, 1, 17) in a black
    // frame 2 pixels wide.
    static QImage pictureArea(const QImage& picture, QSize area);

private:
    QLabel* title_;
    QLabel* picture_;
    QDoubleSpinBox* price_;
    QCheckBox* alsoLibrary_;
};
