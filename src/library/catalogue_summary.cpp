#include "library/catalogue_summary.h"

#include "platform/database.h"

#include <QSqlQuery>
#include <QStringList>

namespace {

const char* const KindNames[] = {"方扣板", "条扣板", "电器", "悬浮产品", "其他", "标记"};

} // namespace

QString catalogueSummary(Database& library) {
    QStringList lines;
    lines << QStringLiteral("产品库 %1").arg(library.path());
    lines << QStringLiteral("  产品分类: %1   型号: %2   产品: %3")
                 .arg(library.scalar(QStringLiteral("select count(*) from cailiao")).toInt())
                 .arg(library.scalar(QStringLiteral("select count(*) from xinghao")).toInt())
                 .arg(library.scalar(QStringLiteral("select count(*) from pic")).toInt());
    QSqlQuery q = library.exec(
        QStringLiteral("select style, count(*) from pic group by style order by style"));
    while (q.next()) {
        int kind = q.value(0).toInt();
        QString name =
            (kind >= 0 && kind <= 5) ? QString::fromUtf8(KindNames[kind]) : QStringLiteral("?");
        lines << QStringLiteral("    %1 (%2): %3").arg(name).arg(kind).arg(q.value(1).toInt());
    }
    QSqlQuery c = library.exec(QStringLiteral(
        "select cailiao.cailiao, cailiao.comp_id, count(xinghao.id) from cailiao left join "
        "xinghao on xinghao.cailiao_id = cailiao.id group by cailiao.id order by cailiao.id"));
    while (c.next()) {
        lines << QStringLiteral("  [%1] 公司 %2, 型号 %3")
                     .arg(c.value(0).toString())
                     .arg(c.value(1).toInt())
                     .arg(c.value(2).toInt());
    }
    return lines.join(u'\n');
}
