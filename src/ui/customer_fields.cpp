#include "ui/customer_fields.h"

#include "platform/pinyin_order.h"
#include "store/customer_record.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const QString Blank = QStringLiteral("    ");
// The area entry of a customer without area.
const QString NoArea = QStringLiteral("（无）");

QDate shownDate(const QDateTime& stored) {
    return stored.isValid() && stored.date().year() > 1899 ? stored.date() : zeroDate().date();
}

QDateTime storedDate(const QDateEdit* field) {
    return QDateTime(field->date(), QTime(0, 0));
}

// The entry for none first, then the names in pinyin order.
void fillChoices(QComboBox* box, const QString& none, QStringList names) {
    sortInPinyinOrder(names);
    const QString current = box->currentText();
    box->clear();
    box->addItem(none);
    for (const QString& name : names) {
        if (name.trimmed().isEmpty()) {
            continue;
        }
        box->addItem(name);
    }
    box->setCurrentIndex(std::max(0, box->findText(current)));
}

void choose(QComboBox* box, const QString& name) {
    const int index = name.trimmed().isEmpty() ? 0 : box->findText(name.trimmed());
    box->setCurrentIndex(std::max(0, index));
}

} // namespace

CustomerFields::CustomerFields(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto place = [grid, this](int row, int column, const char* label, QWidget* field,
                                    int span = 1) {
        grid->addWidget(new QLabel(QString::fromUtf8(label), this), row, column * 2);
        grid->addWidget(field, row, column * 2 + 1, 1, span);
    };
    name_ = addLine("name");
    sex_ = new QComboBox(this);
    sex_->setObjectName(QStringLiteral("sex"));
    sex_->addItems({QStringLiteral("男"), QStringLiteral("女")});
    auto* birthday = new QWidget(this);
    auto* birthdayRow = new QHBoxLayout(birthday);
    birthdayRow->setContentsMargins(0, 0, 0, 0);
    month_ = new QComboBox(birthday);
    month_->setObjectName(QStringLiteral("smonth"));
    day_ = new QComboBox(birthday);
    day_->setObjectName(QStringLiteral("sday"));
    month_->addItem(Blank);
    day_->addItem(Blank);
    for (int m = 1; m <= 12; ++m) {
        month_->addItem(QString::number(m));
    }
    for (int d = 1; d <= 31; ++d) {
        day_->addItem(QString::number(d));
    }
    birthdayRow->addWidget(month_);
    birthdayRow->addWidget(new QLabel(QStringLiteral("月"), birthday));
    birthdayRow->addWidget(day_);
    birthdayRow->addWidget(new QLabel(QStringLiteral("日"), birthday));
    work_ = addLine("work");
    addr_ = addLine("addr");
    area_ = new QComboBox(this);
    area_->setObjectName(QStringLiteral("area"));
    tele_ = addLine("tele");
    tele2_ = addLine("tele2");
    fax_ = addLine("fax");
    email_ = addLine("email");
    im_ = addLine("im");
    designDate_ = addDate("designdate");
    workDate_ = addDate("workdate");
    endDate_ = addDate("enddate");
    handler_ = new QComboBox(this);
    handler_->setObjectName(QStringLiteral("worker"));
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("memo"));
    memo_->setMaximumHeight(80);

    place(0, 0, "客    户：", name_);
    place(0, 1, "性    别：", sex_);
    place(0, 2, "生    日：", birthday);
    place(1, 0, "单    位：", work_);
    place(1, 1, "地    址：", addr_, 3);
    place(2, 0, "小    区：", area_);
    place(2, 1, "电    话：", tele_);
    place(2, 2, "手    机：", tele2_);
    place(3, 0, "传    真：", fax_);
    place(3, 1, "电子邮件：", email_);
    place(3, 2, "即时通讯：", im_);
    place(4, 0, "设计日期：", designDate_);
    place(4, 1, "施工日期：", workDate_);
    place(4, 2, "竣工日期：", endDate_);
    place(5, 0, "经 办 人：", handler_);
    place(6, 0, "备    注：", memo_, 5);

    for (QComboBox* box : {sex_, month_, day_}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] { changed(); });
    }
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { changed(); });
    connect(area_, &QComboBox::textActivated, this, [this] {
        if (!showing_ && onAreaChosen) {
            onAreaChosen(areaTitle());
        }
    });
    connect(handler_, &QComboBox::textActivated, this, [this](const QString& text) {
        if (!showing_ && onHandlerChosen) {
            onHandlerChosen(text);
        }
    });
}

QLineEdit* CustomerFields::addLine(const char* objectName) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(objectName));
    connect(field, &QLineEdit::textChanged, this, [this] { changed(); });
    return field;
}

QDateEdit* CustomerFields::addDate(const char* objectName) {
    auto* field = new QDateEdit(this);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setCalendarPopup(true);
    field->setMinimumDate(zeroDate().date());
    field->setSpecialValueText(QStringLiteral(" "));
    field->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    field->setDate(zeroDate().date());
    connect(field, &QDateEdit::dateChanged, this, [this] { changed(); });
    return field;
}

void CustomerFields::changed() {
    if (!showing_ && onChanged) {
        onChanged();
    }
}

void CustomerFields::setChoices(const QStringList& areas, const QStringList& handlers) {
    showing_ = true;
    fillChoices(area_, NoArea, areas);
    fillChoices(handler_, Blank, handlers);
    showing_ = false;
}

void CustomerFields::show(const CustomerRecord& r) {
    showing_ = true;
    name_->setText(r.name);
    sex_->setCurrentIndex(r.sex ? 0 : 1);
    month_->setCurrentIndex(std::clamp(r.smonth, 0, 12));
    day_->setCurrentIndex(std::clamp(r.sday, 0, 31));
    work_->setText(r.work);
    addr_->setText(r.addr);
    choose(area_, r.areaTitle);
    tele_->setText(r.tele);
    tele2_->setText(r.tele2);
    fax_->setText(r.fax);
    email_->setText(r.email);
    im_->setText(r.im);
    designDate_->setDate(shownDate(r.designdate));
    workDate_->setDate(shownDate(r.workdate));
    endDate_->setDate(shownDate(r.enddate));
    choose(handler_, r.workerName);
    memo_->setPlainText(QString(r.memo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    showing_ = false;
}

void CustomerFields::setAreaEditable(bool editable) {
    area_->setEditable(editable);
    area_->setInsertPolicy(QComboBox::NoInsert);
}

bool CustomerFields::offersArea(const QString& title) const {
    return title.trimmed().isEmpty() || area_->findText(title.trimmed()) >= 0;
}

QString CustomerFields::areaTitle() const {
    const QString title = area_->currentText().trimmed();
    return title == NoArea ? QString() : title;
}

void CustomerFields::read(CustomerRecord& r) const {
    r.name = name_->text().trimmed();
    r.sex = sex_->currentIndex() == 0;
    r.smonth = month_->currentIndex();
    r.sday = day_->currentIndex();
    r.work = work_->text().trimmed();
    r.addr = addr_->text().trimmed();
    r.areaTitle = areaTitle();
    r.tele = tele_->text().trimmed();
    r.tele2 = tele2_->text().trimmed();
    r.fax = fax_->text().trimmed();
    r.email = email_->text().trimmed();
    r.im = im_->text().trimmed();
    r.designdate = storedDate(designDate_);
    r.workdate = storedDate(workDate_);
    r.enddate = storedDate(endDate_);
    r.workerName = handler_->currentText().trimmed();
    r.memo = memo_->toPlainText().split(u'\n').join(QStringLiteral("\r\n"));
}
