#include "quote/export_folder.h"

#include "platform/prompts.h"
#include "platform/safe_file_name.h"
#include "quote/report_files.h"
#include "store/customer_record.h"

#include <QDir>
#include <QFileInfo>

namespace export_folder {

QString proposal(const CustomerRecord& customer) {
    const QString name = customer.name.trimmed();
    return safeFileName(customer.areaTitle.trimmed() + u'_' +
                        (name.isEmpty() ? customer.proid.trimmed() : name));
}

std::optional<QString> accept(const QString& parent, const QString& name, Prompts& prompts) {
    const QString trimmed = name.trimmed();
    const QString path = QDir(parent).filePath(safeFileName(trimmed));
    if (QFileInfo(path).isDir()) {
        if (!prompts.confirm(trimmed + QStringLiteral("已存在,是否覆盖?"))) {
            return std::nullopt;
        }
        return path;
    }
    if (!report_files::makeFolder(path, prompts)) {
        return std::nullopt;
    }
    return path;
}

} // namespace export_folder
