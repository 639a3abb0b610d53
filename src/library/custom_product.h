#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class Prompts;

// The six values the custom product editor takes and, on confirmation, gives back.
struct CustomProductValues {
    QByteArray picture; // a complete BMP file, or empty
    QString name;
    int width = 0;  // mm
    int height = 0; // mm
    int kind = 0;
    QString infoAddress;

    bool operator==(const CustomProductValues&) const = default;
};

// The custom product editor's state: the values in its fields, the working bitmap (the
// picture as loaded, from which every resized picture is drawn) and the shown picture.
// A product picture has 1 pixel per 5 millimetres.
class CustomProductEditor {
public:
    static constexpr int MillimetresPerPixel = 5;
    static constexpr auto PictureFilter =
        "All (jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG Image File (*.jpg)|*.jpg|"
        "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp";

    // Pixels shown for a size in millimetres: (2 × mm) div 10, toward zero.
    static QSize pictureSize(int widthMm, int heightMm);
    // The file's name without folder, cut before its first "."; empty without a dot.
    static QString nameFromFile(const QString& path);

    // Opening: the fields from the values (the address trimmed) and the working bitmap
    // from the picture, shown as it is.
    explicit CustomProductEditor(const CustomProductValues& values);

    // Picture choice: a ".bmp" file (any case) is read as a bitmap, anything else decoded
    // as JPEG. The name and size follow the picture. False, with nothing changed, when the
    // file cannot be read as a picture.
    bool choosePicture(const QString& path);
    // A size number changed: the working bitmap stretched onto the size's pixels.
    void setSize(int widthMm, int heightMm);

    // "确定": false with "名称不能为空！" shown when the trimmed name is empty, or with
    // "请选择产品图像！" when no picture is shown.
    bool confirm(Prompts& prompts) const;
    // The values on confirmation: trimmed texts and the shown picture as a BMP file.
    CustomProductValues result() const;

    CustomProductValues fields; // the window's fields
    const QImage& shown() const { return shown_; }
    const QImage& working() const { return working_; }

private:
    QImage working_;
    QImage shown_;
};
