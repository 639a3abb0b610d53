#pragma once

#include "library/custom_product.h"

#include <QDialog>

#include <memory>
#include <optional>

class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The custom product editor "自定义产品": picture, name, size, kind and information
// address of a product of the custom catalogue. It never touches the database.
class TNewZDYProFM : public QDialog {
public:
    TNewZDYProFM(Prompts& prompts, QWidget* parent = nullptr);
    ~TNewZDYProFM() override;

    // Shows the window modally on the values; the confirmed values, nothing on "取消".
    std::optional<CustomProductValues> edit(const CustomProductValues& values);

    // "选择产品图".
    void sButton1Click();

    QLabel* pictureArea() const { return picture_; }
    QLineEdit* nameEdit() const { return name_; }
    QSpinBox* widthEdit() const { return width_; }
    QSpinBox* heightEdit() const { return height_; }
    QComboBox* kindBox() const { return kind_; }
    QLineEdit* addressEdit() const { return address_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void showFields();
    void showPicture();
    void sizeChanged();
    // The text fields and the kind into the editor's values.
    void takeFields();
    void confirmClick();

    Prompts& prompts_;
    std::unique_ptr<CustomProductEditor> editor_;
    QLabel* picture_;
    QLineEdit* name_;
    QSpinBox* width_;
    QSpinBox* height_;
    QComboBox* kind_;
    QLineEdit* address_;
    QPushButton* ok_;
    QPushButton* cancel_;
};
