#pragma once

#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/picture.h"

#include <QImage>
#include <QTemporaryDir>

// A product library in a temporary folder with one category and sub-category, to which a
// benchmark adds 300 mm square panels of one colour each.
class BenchLibrary {
public:
    BenchLibrary() {
        db.create(folder.filePath(QStringLiteral("db.data")));
        createLibrarySchema(db);
        db.exec(QStringLiteral("insert into cailiao (id, cailiao) values (1, '扣板')"));
        db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (1, 'a', 1)"));
    }

    void addPanel(int id, const QString& title, Qt::GlobalColor colour) {
        QImage image(30, 30, QImage::Format_RGB32);
        image.fill(colour);
        db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                               "price, danwei, l_img) values (?, 1, ?, ?, 300, 300, 10, '块', ?)"),
                {id, title, KindSquarePanel, picture::writeBmp(image)});
    }

    QTemporaryDir folder;
    Database db;
};
