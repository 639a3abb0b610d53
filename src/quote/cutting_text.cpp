#include "quote/cutting_text.h"

#include "quote/cutting_sheet.h"
#include "quote/report_files.h"

#include <QStringList>

namespace cutting_text {

QString noStrips() {
    return QStringLiteral("参加统计的房间中没有条形扣板");
}

QString method(CutMethod method) {
    return method == CutMethod::Exact ? QStringLiteral("精确求解") : QStringLiteral("首次适应递减");
}

QString piece(const CutPiece& piece) {
    QString text = QString::number(piece.lengthMm);
    if (piece.parts > 1) {
        text += QStringLiteral("(接%1/%2)").arg(piece.part + 1).arg(piece.parts);
    }
    return text;
}

QString pieces(const CutBar& bar) {
    QStringList texts;
    for (const CutPiece& p : bar.pieces) {
        texts << piece(p);
    }
    return texts.join(QStringLiteral(" + "));
}

QString summary(const CutPlan& plan) {
    return QStringLiteral("需原料 %1 根（下限 %2 根）   损耗 %3 m（%4%）   %5")
        .arg(plan.bars.size())
        .arg(plan.lowerBound)
        .arg(wasteMetres(plan), wastePercent(plan), method(plan.method));
}

QString wasteMetres(const CutPlan& plan) {
    return QString::number(double(plan.wasteMm()) / 1000.0, 'f', 2);
}

QString wastePercent(const CutPlan& plan) {
    return QString::number(plan.wastePercent(), 'f', 1);
}

} // namespace cutting_text

namespace {

QString line(const QStringList& fields) {
    QStringList clean;
    for (QString field : fields) {
        field.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        clean << field;
    }
    return clean.join(u'\t') + u'\n';
}

} // namespace

QString cuttingSheetText(const CuttingSheet& sheet) {
    if (sheet.sections.empty()) {
        return cutting_text::noStrips() + u'\n';
    }
    QString text;
    for (const CuttingSection& section : sheet.sections) {
        if (!text.isEmpty()) {
            text += u'\n';
        }
        text += line({QStringLiteral("产品"), section.title, QStringLiteral("原料长度(mm)"),
                      section.stockMm > 0 ? QString::number(section.stockMm) : QString(),
                      QStringLiteral("锯口(mm)"), QString::number(sheet.sawMm)});
        for (const CuttingRun& run : section.runs) {
            text += line({QStringLiteral("下料"), run.room, QString::number(run.lengthCm)});
        }
        if (!section.plan) {
            text += line({QStringLiteral("合计"), QStringLiteral("未给原料长度")});
            continue;
        }
        const CutPlan& plan = *section.plan;
        for (std::size_t i = 0; i < plan.bars.size(); ++i) {
            text += line({QStringLiteral("原料"), QString::number(i + 1),
                          cutting_text::pieces(plan.bars[i]), QStringLiteral("余料(mm)"),
                          QString::number(plan.bars[i].offcutMm)});
        }
        text += line({QStringLiteral("合计"), QStringLiteral("根数"),
                      QString::number(plan.bars.size()), QStringLiteral("下限"),
                      QString::number(plan.lowerBound), QStringLiteral("损耗(m)"),
                      cutting_text::wasteMetres(plan), QStringLiteral("损耗率(%)"),
                      cutting_text::wastePercent(plan), cutting_text::method(plan.method)});
    }
    return text;
}

bool writeCuttingSheet(const QString& file, const CuttingSheet& sheet, Prompts& prompts) {
    return report_files::writeWhole(file, cuttingSheetText(sheet).toUtf8(), prompts);
}
