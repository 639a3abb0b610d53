#include "design_products.h"

#include "design/product_picker.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "staged_program.h"
#include "ui/product_picker_panel.h"
#include "ui/tmainfm.h"

#include <QImage>
#include <QPainter>
#include <QSignalBlocker>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

// A bordered tile in one colour.
QByteArray tile(QColor colour) {
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(colour);
    QPainter p(&image);
    p.setPen(colour.darker(140));
    p.drawRect(0, 0, 29, 29);
    p.drawLine(15, 2, 15, 27);
    p.end();
    return picture::writeBmp(image);
}

} // namespace

void design_products::add(const StagedProgram& staged) {
    Database db;
    ASSERT_TRUE(db.open(staged.home().file("数据文件/db.data")));
    db.exec("insert into cailiao (id, cailiao, comp_id, stauts) values (1,'扣板',0,0)");
    db.exec("insert into xinghao (id, xinghao, cailiao_id, stauts) values (1,'扣板',1,0)");
    const auto product = [&db](int id, const QString& title, int kind, int height, QColor colour,
                               const char* unit) {
        db.exec("insert into pic (id, xinghao_id, title, style, width, height, price, danwei, "
                "l_img, stauts) values (?,1,?,?,300,?,12.5,?,?,0)",
                {id, title, kind, height, QString::fromUtf8(unit), tile(colour)});
    };
    product(Panel, QStringLiteral("方板300"), KindSquarePanel, 300, QColor(235, 235, 228), "块");
    product(Strip, QStringLiteral("条板"), KindStrip, 3000, QColor(200, 215, 230), "米");
    product(Accent, QStringLiteral("浅灰拉丝板"), KindSquarePanel, 300, QColor(170, 180, 190),
            "块");
}

bool design_products::choose(Tmainfm& main, int id) {
    ProductPickerPanel* panel = main.productPicker();
    const ProductPicker& picker = panel->picker();
    for (int row = 1; row < picker.rowCount(); ++row) {
        if (const Tpiclist* record = picker.record(row); record && record->id == id) {
            QTableWidget* grid = panel->grid();
            if (grid->currentRow() == row) {
                // A second click on the chosen row: choose it afresh.
                const QSignalBlocker quiet(grid->selectionModel());
                grid->setCurrentIndex({});
            }
            grid->setCurrentCell(row, 1);
            return true;
        }
    }
    return false;
}
