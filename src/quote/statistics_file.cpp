// The statistics file: the active room's statistics list or the project's statistics
// table as tab-separated text that spreadsheets open, saved with the extension ".xls".

#include "core/troom_obj.h"
#include "design/room_statistics.h"
#include "library/product_library.h"
#include "platform/gbk.h"
#include "platform/prompts.h"
#include "platform/safe_file_name.h"
#include "quote/bill_of_materials.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/report_files.h"
#include "quote/reports.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The companies whose files carry a product number after the first column.
bool withProductNumber(int compid) {
    return compid == 33 || compid == 87;
}

struct FileRow {
    QString caption;
    qint32 tag;
    QStringList values;
};

} // namespace

QString Reports::Getcpbh(qint32 tag, const QString& caption) {
    if (tag < 0 || caption.contains(u'］')) {
        return QStringLiteral(" ");
    }
    const std::optional<ProductRow> product = ProductLibrary(s_.library).product(tag);
    return product ? product->productNumber : QStringLiteral(" ");
}

QString Reports::sButton3Click(TRoom_OBJ* active) {
    const CustomerRecord& customer = s_.project.customer;
    QStringList captions;
    std::vector<FileRow> rows;
    QString proposal = customer.name;
    if (active) {
        proposal += u'-' + active->getName();
        captions = {QStringLiteral("产品"), QStringLiteral("规格"), QStringLiteral("数量"),
                    QStringLiteral("单位")};
        for (const StatisticsRow& row : statisticsRows(*active)) {
            rows.push_back({row.caption, row.state, row.subItems});
        }
    } else {
        s_.bill.total();
        captions = {QStringLiteral("产品"),      QStringLiteral("规格"),
                    QStringLiteral("数量"),      QStringLiteral("修正"),
                    QStringLiteral("单位"),      QStringLiteral("单价（元）"),
                    QStringLiteral("金额（元）")};
        for (const BillRow& row : s_.bill.table().rows()) {
            rows.push_back({row.caption, row.tag, row.values});
        }
    }
    const QString proposedPath = QDir(s_.programFolder)
                                     .filePath(QStringLiteral("导出文件/") +
                                               safeFileName(proposal) + QStringLiteral(".xls"));
    QString path = s_.prompts.chooseSaveFile(QStringLiteral("导出统计表"), proposedPath,
                                             QStringLiteral("Excel|*.XLS"));
    if (path.isEmpty()) {
        return {};
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".xls");
    }

    const bool numbered = withProductNumber(s_.held.company.compid);
    const QString tab = QStringLiteral("\t");
    QString text = captions.first() + tab;
    if (numbered) {
        text += QStringLiteral("产品编号") + tab;
    }
    text += captions.mid(1).join(tab) + tab + QStringLiteral("\r\n");
    const qsizetype valueColumns = captions.size() - 1;
    for (const FileRow& row : rows) {
        text += row.caption + tab;
        if (numbered) {
            text += Getcpbh(row.tag, row.caption) + tab;
        }
        for (const QString& value : row.values.mid(0, valueColumns)) {
            text += value + tab;
        }
        text += QStringLiteral("\r\n");
    }
    // GBK rather than GB2312: the file has no escape for a character outside the code
    // page, and GBK holds far more of them.
    if (!report_files::writeWhole(path, gbk::encode(text), s_.prompts)) {
        return {};
    }
    return path;
}
