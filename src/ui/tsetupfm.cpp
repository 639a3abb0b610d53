#include "ui/tsetupfm.h"

#include "platform/prompts.h"
#include "quote/dealer_logo.h"
#include "quote/held_settings.h"
#include "quote/setup_file.h"
#include "ui/store_tab.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>

namespace {

QLineEdit* decimalEdit(QWidget* parent, double maximum) {
    auto* edit = new QLineEdit(parent);
    auto* validator = new QDoubleValidator(0, maximum, 4, edit);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    edit->setValidator(validator);
    edit->setMaximumWidth(90);
    return edit;
}

QSpinBox* spin(QWidget* parent, int minimum, int maximum, int step = 1) {
    auto* box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setMinimumWidth(80);
    return box;
}

// A row of the program page: caption, then the field named `name`, then space.
void addSpinRow(QVBoxLayout* layout, const QString& caption, const QString& name, QSpinBox* field) {
    field->setObjectName(name);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption));
    row->addWidget(field);
    row->addStretch();
    layout->addLayout(row);
}

// One row of the accessory grid: caption, field, unit, starting at `column`.
void addField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field,
              const QString& unit) {
    grid->addWidget(new QLabel(caption), row, column, Qt::AlignRight);
    grid->addWidget(field, row, column + 1);
    grid->addWidget(new QLabel(unit), row, column + 2);
}

} // namespace

Tsetupfm::Tsetupfm(Links links, QWidget* parent) : QDialog(parent), links_(std::move(links)) {
    setWindowTitle(QStringLiteral("参数设置"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(buildBasicTab(), QStringLiteral("基本参数设置"));
    tabs->addTab(buildProgramTab(), QStringLiteral("程序参数设置"));
    tabs->addTab(buildDealerTab(), QStringLiteral("经销商信息"));
    store_ = new StoreTab(links_.setup, links_.prompts, tabs);
    tabs->addTab(store_, QStringLiteral("客户库"));
    layout->addWidget(tabs);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    auto* apply = new QPushButton(QStringLiteral("应用"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    apply->setObjectName(QStringLiteral("applyButton"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { okClick(); });
    connect(apply, &QPushButton::clicked, this, [this] { applyClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(prefix_, &QLineEdit::textChanged, this, [this] { refreshPreview(); });
    connect(index_, &QSpinBox::valueChanged, this, [this] { refreshPreview(); });
    connect(digits_, &QSpinBox::valueChanged, this, [this] { refreshPreview(); });
    readinifile();
}

QWidget* Tsetupfm::buildBasicTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* parameters = new QGroupBox(QStringLiteral("参数设置"), page);
    auto* grid = new QGridLayout(parameters);
    const double noLimit = std::numeric_limits<double>::max();
    using setup_limits::accessoryMax;
    keelLength_ = decimalEdit(parameters, accessoryMax);
    keelPrice_ = decimalEdit(parameters, accessoryMax);
    triangleKeelLength_ = decimalEdit(parameters, accessoryMax);
    triangleKeelPrice_ = decimalEdit(parameters, accessoryMax);
    connectors_ = decimalEdit(parameters, accessoryMax);
    hangers_ = decimalEdit(parameters, accessoryMax);
    installationFee_ = decimalEdit(parameters, noLimit);
    edgeTrimPrice_ = decimalEdit(parameters, accessoryMax);
    minnumber_ = spin(parameters, setup_limits::minCoverageMin, setup_limits::minCoverageMax);
    minnumber_->setObjectName(QStringLiteral("minnumber"));
    autosb_ = new QCheckBox(QStringLiteral("自动计算收边条"), parameters);
    addField(grid, 0, 0, QStringLiteral("龙骨："), keelLength_, QStringLiteral("米/平方"));
    addField(grid, 0, 3, QStringLiteral("单价："), keelPrice_, QStringLiteral("元/米"));
    addField(grid, 1, 0, QStringLiteral("三角龙骨："), triangleKeelLength_,
             QStringLiteral("米/平方"));
    addField(grid, 1, 3, QStringLiteral("单价："), triangleKeelPrice_, QStringLiteral("元/米"));
    addField(grid, 2, 0, QStringLiteral("接件："), connectors_, QStringLiteral("个/平方"));
    addField(grid, 2, 3, QStringLiteral("吊件："), hangers_, QStringLiteral("个/平方"));
    addField(grid, 3, 0, QStringLiteral("安装费："), installationFee_, QStringLiteral("元/平方"));
    addField(grid, 3, 3, QStringLiteral("收边条："), edgeTrimPrice_, QStringLiteral("元/米"));
    addField(grid, 4, 0, QStringLiteral("最小材料："), minnumber_, QStringLiteral("%"));
    grid->addWidget(autosb_, 4, 4, 1, 2);
    layout->addWidget(parameters);

    auto* discount = new QGroupBox(QStringLiteral("折扣"), page);
    auto* discountGrid = new QGridLayout(discount);
    zk_ = spin(discount, 0, setup_limits::discountMax);
    minzk_ = spin(discount, 0, setup_limits::discountMax);
    zk_->setObjectName(QStringLiteral("zk"));
    minzk_->setObjectName(QStringLiteral("minzk"));
    addField(discountGrid, 0, 0, QStringLiteral("默认折扣："), zk_, QStringLiteral("%"));
    addField(discountGrid, 0, 3, QStringLiteral("最低折扣："), minzk_, QStringLiteral("%"));
    auto* note = new QLabel(QStringLiteral("默认折扣为100时，客户统计中不显示折扣率。"), discount);
    discountGrid->addWidget(note, 1, 0, 1, 6);
    layout->addWidget(discount);

    auto* numbering = new QGroupBox(QStringLiteral("项目编号"), page);
    auto* numberGrid = new QGridLayout(numbering);
    prefix_ = new QLineEdit(numbering);
    prefix_->setObjectName(QStringLiteral("prefix"));
    digits_ = spin(numbering, setup_limits::digitsMin, setup_limits::digitsMax);
    digits_->setObjectName(QStringLiteral("digits"));
    index_ = spin(numbering, 0, std::numeric_limits<int>::max());
    index_->setObjectName(QStringLiteral("index"));
    preview_ = new QLabel(numbering);
    preview_->setObjectName(QStringLiteral("preview"));
    numberGrid->addWidget(new QLabel(QStringLiteral("项目编号前缀：")), 0, 0, Qt::AlignRight);
    numberGrid->addWidget(prefix_, 0, 1);
    numberGrid->addWidget(new QLabel(QStringLiteral("数字位数：")), 0, 2, Qt::AlignRight);
    numberGrid->addWidget(digits_, 0, 3);
    numberGrid->addWidget(new QLabel(QStringLiteral("后续工程序号：")), 1, 0, Qt::AlignRight);
    numberGrid->addWidget(index_, 1, 1);
    numberGrid->addWidget(new QLabel(QStringLiteral("项目编号预览：")), 1, 2, Qt::AlignRight);
    numberGrid->addWidget(preview_, 1, 3);
    layout->addWidget(numbering);
    layout->addStretch();
    return page;
}

QWidget* Tsetupfm::buildProgramTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    history_ =
        spin(page, setup_limits::historyMin, setup_limits::historyMax, setup_limits::historyStep);
    addSpinRow(layout, QStringLiteral("历史记录缓冲(5-50)"), QStringLiteral("history"), history_);
    autosave_ = spin(page, 0, setup_limits::autosaveMax);
    addSpinRow(layout, QStringLiteral("自动保存间隔(分钟)"), QStringLiteral("autosave"), autosave_);
    ceilingHeight_ = spin(page, setup_limits::ceilingHeightMin, setup_limits::ceilingHeightMax);
    addSpinRow(layout, QStringLiteral("吊顶高度(cm)"), QStringLiteral("ceilingHeight"),
               ceilingHeight_);
    sawKerf_ = spin(page, 0, setup_limits::sawKerfMax);
    addSpinRow(layout, QStringLiteral("锯口(mm)"), QStringLiteral("sawKerf"), sawKerf_);

    auto* display = new QGroupBox(QStringLiteral("产品显示"), page);
    auto* displayLayout = new QVBoxLayout(display);
    product1_ = new QCheckBox(QStringLiteral("正常产品"), display);
    product2_ = new QCheckBox(QStringLiteral("缺货产品"), display);
    product3_ = new QCheckBox(QStringLiteral("停产产品"), display);
    displayLayout->addWidget(product1_);
    displayLayout->addWidget(product2_);
    displayLayout->addWidget(product3_);
    layout->addWidget(display);

    runIE_ = new QCheckBox(QStringLiteral("启动时打开浏览器"), page);
    autoCreateRoom_ = new QCheckBox(QStringLiteral("启动时自动建立新房间"), page);
    layout->addWidget(runIE_);
    layout->addWidget(autoCreateRoom_);
    layout->addStretch();
    return page;
}

// What the printed pages say about the dealer; an empty field leaves its place empty.
QWidget* Tsetupfm::buildDealerTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const auto field = [&](int row, const char* caption, const char* name) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QString::fromUtf8(name));
        grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    dealerHeading_ = field(0, "报表标题：", "dealerHeading");
    dealerSubHeading_ = field(1, "副标题：", "dealerSubHeading");
    dealerAddress_ = field(2, "经销商地址：", "dealerAddress");
    dealerPhone1_ = field(3, "经销商电话：", "dealerPhone1");
    dealerPhone2_ = field(4, "其他电话：", "dealerPhone2");
    dealerRemark_ = field(5, "备注：", "dealerRemark");

    // The logo is copied into the program folder at once; the pages take it from there.
    dealerLogo_ = new QLabel(page);
    dealerLogo_->setObjectName(QStringLiteral("dealerLogo"));
    dealerLogo_->setFixedSize(dealer_logo::Width + 2, dealer_logo::Height + 2);
    dealerLogo_->setAlignment(Qt::AlignCenter);
    dealerLogo_->setFrameShape(QFrame::Box);
    auto* choose = new QPushButton(QStringLiteral("选择标志..."), page);
    choose->setObjectName(QStringLiteral("chooseLogo"));
    connect(choose, &QPushButton::clicked, this, [this] { chooseLogoClick(); });
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(dealerLogo_);
    logoRow->addWidget(choose, 0, Qt::AlignBottom);
    logoRow->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("标志：")), 6, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addLayout(logoRow, 6, 1);
    grid->setRowStretch(7, 1);
    showLogo();
    return page;
}

QString Tsetupfm::programFolder() const {
    return QFileInfo(links_.setup.profile().path()).absolutePath();
}

void Tsetupfm::showLogo() {
    const QImage logo = dealer_logo::picture(programFolder());
    if (logo.isNull()) {
        dealerLogo_->setPixmap({});
        dealerLogo_->setText(QStringLiteral("无标志"));
    } else {
        dealerLogo_->setPixmap(
            QPixmap::fromImage(logo.scaled(dealer_logo::Width, dealer_logo::Height,
                                           Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
}

void Tsetupfm::chooseLogoClick() {
    const QString path = links_.prompts.chooseOpenFile(
        QStringLiteral("选择标志"), {},
        QStringLiteral("图像文件 (*.bmp;*.jpg;*.jpeg;*.png)|*.bmp;*.jpg;*.jpeg;*.png"));
    if (!path.isEmpty() && dealer_logo::choose(path, programFolder(), links_.prompts)) {
        showLogo();
    }
}

SetupFormValues Tsetupfm::values() const {
    SetupFormValues v;
    v.prefix = prefix_->text();
    v.index = index_->value();
    v.digits = digits_->value();
    v.zk = zk_->value();
    v.minzk = minzk_->value();
    v.keelLength = keelLength_->text();
    v.keelPrice = keelPrice_->text();
    v.triangleKeelLength = triangleKeelLength_->text();
    v.triangleKeelPrice = triangleKeelPrice_->text();
    v.connectors = connectors_->text();
    v.hangers = hangers_->text();
    v.installationFee = installationFee_->text();
    v.edgeTrimPrice = edgeTrimPrice_->text();
    v.minnumber = QString::number(minnumber_->value());
    v.autosb = autosb_->isChecked();
    v.history = history_->value();
    v.autosaveMinutes = autosave_->value();
    v.ceilingHeight = ceilingHeight_->value();
    v.sawKerf = sawKerf_->value();
    v.product1 = product1_->isChecked();
    v.product2 = product2_->isChecked();
    v.product3 = product3_->isChecked();
    v.runIE = runIE_->isChecked();
    v.autoCreateRoom = autoCreateRoom_->isChecked();
    v.dealer = {dealerHeading_->text(), dealerSubHeading_->text(), dealerAddress_->text(),
                dealerPhone1_->text(),  dealerPhone2_->text(),     dealerRemark_->text()};
    return v;
}

void Tsetupfm::setValues(const SetupFormValues& v) {
    prefix_->setText(v.prefix);
    index_->setValue(v.index);
    digits_->setValue(v.digits);
    zk_->setValue(v.zk);
    minzk_->setValue(v.minzk);
    keelLength_->setText(v.keelLength);
    keelPrice_->setText(v.keelPrice);
    triangleKeelLength_->setText(v.triangleKeelLength);
    triangleKeelPrice_->setText(v.triangleKeelPrice);
    connectors_->setText(v.connectors);
    hangers_->setText(v.hangers);
    installationFee_->setText(v.installationFee);
    edgeTrimPrice_->setText(v.edgeTrimPrice);
    // A stored value outside the limits shows as the coverage it acts as.
    minnumber_->setValue(minCoverageFromText(v.minnumber));
    autosb_->setChecked(v.autosb);
    history_->setValue(v.history);
    autosave_->setValue(v.autosaveMinutes);
    ceilingHeight_->setValue(v.ceilingHeight);
    sawKerf_->setValue(v.sawKerf);
    product1_->setChecked(v.product1);
    product2_->setChecked(v.product2);
    product3_->setChecked(v.product3);
    runIE_->setChecked(v.runIE);
    autoCreateRoom_->setChecked(v.autoCreateRoom);
    dealerHeading_->setText(v.dealer.heading);
    dealerSubHeading_->setText(v.dealer.subHeading);
    dealerAddress_->setText(v.dealer.address);
    dealerPhone1_->setText(v.dealer.phone1);
    dealerPhone2_->setText(v.dealer.phone2);
    dealerRemark_->setText(v.dealer.remark);
    refreshPreview();
}

void Tsetupfm::readinifile() {
    setValues(::readinifile(links_.setup, links_.held));
    if (store_) {
        store_->load();
    }
    if (links_.pushed) {
        links_.pushed();
    }
}

bool Tsetupfm::Savetoinifile() {
    if (!::Savetoinifile(values(), links_.setup, links_.held, links_.prompts, links_.saveHooks) ||
        !store_->save()) {
        return false;
    }
    if (links_.pushed) {
        links_.pushed();
    }
    return true;
}

void Tsetupfm::refreshPreview() {
    preview_->setText(values().preview());
}

void Tsetupfm::okClick() {
    // A refused save keeps the window open with the user's values, so they can be put
    // right instead of being reloaded from the file.
    if (!Savetoinifile()) {
        return;
    }
    if (links_.showStatistics) {
        links_.showStatistics();
    }
    accept();
}

void Tsetupfm::applyClick() {
    if (Savetoinifile() && links_.showStatistics) {
        links_.showStatistics();
    }
}

void Tsetupfm::showEvent(QShowEvent* event) {
    readinifile();
    QDialog::showEvent(event);
}

void Tsetupfm::done(int result) {
    readinifile();
    QDialog::done(result);
}
