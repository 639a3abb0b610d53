#include "ui/cutting_window.h"

#include "quote/cutting_text.h"
#include "quote/open_project.h"
#include "ui/cut_bars_picture.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int LongestStockMm = 20000;

QTableWidget* table(const QStringList& captions, QWidget* parent) {
    auto* t = new QTableWidget(0, int(captions.size()), parent);
    t->setHorizontalHeaderLabels(captions);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setRow(QTableWidget& t, int row, const QStringList& texts) {
    for (int c = 0; c < texts.size(); ++c) {
        t.setItem(row, c, new QTableWidgetItem(texts[c]));
    }
}

} // namespace

CuttingWindow::CuttingWindow(OpenProject& project, int sawMm, QWidget* parent)
    : QDialog(parent), project_(project),
      sheet_(makeCuttingSheet(project.room_list, project.cuttingStock, sawMm)) {
    setWindowTitle(QStringLiteral("下料单"));
    setObjectName(QStringLiteral("cuttingWindow"));
    resize(900, 640);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("锯口(mm)：%1").arg(sawMm), this));
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    auto* sections = new QVBoxLayout(content);
    if (sheet_.sections.empty()) {
        sections->addWidget(new QLabel(cutting_text::noStrips(), content));
    }
    widgets_.resize(sheet_.sections.size());
    for (std::size_t i = 0; i < sheet_.sections.size(); ++i) {
        sections->addWidget(sectionBox(i, content));
        showPlan(i);
    }
    sections->addStretch(1);
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* CuttingWindow::sectionBox(std::size_t index, QWidget* parent) {
    const CuttingSection& section = sheet_.sections[index];
    SectionWidgets& w = widgets_[index];
    auto* box = new QGroupBox(section.title, parent);
    auto* layout = new QVBoxLayout(box);

    auto* stockRow = new QHBoxLayout;
    stockRow->addWidget(new QLabel(QStringLiteral("原料长度(mm)"), box));
    w.stock = new QSpinBox(box);
    w.stock->setObjectName(QStringLiteral("stock%1").arg(index));
    w.stock->setRange(0, LongestStockMm);
    w.stock->setValue(section.stockMm);
    w.stock->setEnabled(section.stockEditable);
    w.stock->setKeyboardTracking(false);
    connect(w.stock, &QSpinBox::valueChanged, this,
            [this, index](int value) { stockChanged(index, value); });
    stockRow->addWidget(w.stock);
    if (section.stockEditable) {
        stockRow->addWidget(
            new QLabel(section.productLengthMm > 0
                           ? QStringLiteral("产品长度 %1 mm 短于最长的一段,请输入原料长度")
                                 .arg(section.productLengthMm)
                           : QStringLiteral("产品没有长度,请输入原料长度"),
                       box));
    }
    stockRow->addStretch(1);
    layout->addLayout(stockRow);

    auto* runs = table({QStringLiteral("房间"), QStringLiteral("长度(cm)")}, box);
    runs->setObjectName(QStringLiteral("runs%1").arg(index));
    runs->setRowCount(int(section.runs.size()));
    for (std::size_t r = 0; r < section.runs.size(); ++r) {
        setRow(*runs, int(r), {section.runs[r].room, QString::number(section.runs[r].lengthCm)});
    }
    runs->setMaximumHeight(160);

    w.bars = table({QStringLiteral("原料"), QStringLiteral("切割(mm)"), QStringLiteral("余料(mm)")},
                   box);
    w.bars->setObjectName(QStringLiteral("bars%1").arg(index));
    w.bars->setMaximumHeight(200);
    auto* tables = new QHBoxLayout;
    tables->addWidget(runs, 1);
    tables->addWidget(w.bars, 2);
    layout->addLayout(tables);

    w.result = new QLabel(box);
    w.result->setObjectName(QStringLiteral("result%1").arg(index));
    layout->addWidget(w.result);
    w.picture = new CutBarsPicture(box);
    w.picture->setObjectName(QStringLiteral("picture%1").arg(index));
    layout->addWidget(w.picture);
    return box;
}

void CuttingWindow::stockChanged(std::size_t index, int stockMm) {
    CuttingSection& section = sheet_.sections[index];
    if (stockMm == section.stockMm) {
        return;
    }
    section.stockMm = stockMm;
    if (stockMm > 0) {
        project_.cuttingStock[section.product] = stockMm;
    } else {
        project_.cuttingStock.erase(section.product);
    }
    project_.fieldChanged();
    planSection(section, sheet_.sawMm);
    showPlan(index);
}

void CuttingWindow::showPlan(std::size_t index) {
    const CuttingSection& section = sheet_.sections[index];
    SectionWidgets& w = widgets_[index];
    w.picture->setPlan(section.plan ? &*section.plan : nullptr);
    if (!section.plan) {
        w.bars->setRowCount(0);
        w.result->setText(QStringLiteral("请输入原料长度"));
        return;
    }
    const CutPlan& plan = *section.plan;
    w.bars->setRowCount(int(plan.bars.size()));
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        setRow(*w.bars, int(b),
               {QString::number(b + 1), cutting_text::pieces(plan.bars[b]),
                QString::number(plan.bars[b].offcutMm)});
    }
    w.result->setText(cutting_text::summary(plan));
}
