#include "quote/legacy_import.h"

#include "core/tpic_rec.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/prompts.h"
#include "platform/work_progress.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/project_view.h"
#include "quote/setup_file.h"
#include "quote/v5_room.h"
#include "store/v5_design_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <optional>

namespace {

// An old product as named by the old library and found (or not) in the current one.
struct NamedProduct {
    QString title;
    double oldPrice = 0;
    std::optional<ProductRow> current; // non-display items: the product with its category
    qint32 currentId = -1;             // bill lines: the product's id, -1 when missing
};

// Old ids whose product the old library does not know are left out.
std::optional<NamedProduct> nameOf(qint32 oldId, const ProductLibrary& old) {
    const std::optional<ProductRow> row = old.product(oldId);
    if (!row) {
        return std::nullopt;
    }
    return NamedProduct{row->title, row->price, std::nullopt, -1};
}

struct NamedLists {
    std::vector<std::pair<v5_design::OtherItem, NamedProduct>> items;
    std::vector<std::pair<v5_design::BillLine, NamedProduct>> lines;
};

// Every lookup of the mapping, made before anything changes, one step each; none when
// the user stopped them.
std::optional<NamedLists> nameProducts(const v5_design::Design& design, Database& oldDb,
                                       Database& library, WorkProgress& progress) {
    const ProductLibrary old(oldDb);
    const ProductLibrary current(library);
    ProgressScope work(progress, QStringLiteral("导入V5项目文件"),
                       int(design.otherItems.size() + design.billLines.size()), true);
    int step = 0;
    NamedLists named;
    for (const v5_design::OtherItem& item : design.otherItems) {
        if (!work.advance(step++)) {
            return std::nullopt;
        }
        if (std::optional<NamedProduct> p = nameOf(item.id, old)) {
            p->current = current.productByExactName(p->title);
            named.items.emplace_back(item, *p);
        }
    }
    for (const v5_design::BillLine& line : design.billLines) {
        if (!work.advance(step++)) {
            return std::nullopt;
        }
        if (std::optional<NamedProduct> p = nameOf(line.id, old)) {
            const QVariant id =
                library.scalar(QStringLiteral("select id from pic where title=?"), {p->title});
            p->currentId = id.isValid() ? id.toInt() : -1;
            named.lines.emplace_back(line, *p);
        }
    }
    work.advance(step);
    return named;
}

// The date forms a dealer's system writes; a text in none of them is not taken.
std::optional<QDateTime> dateOf(const QString& text) {
    const QString t = text.trimmed();
    for (const QString& format : {QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d"),
                                  QStringLiteral("yyyy.M.d"), QStringLiteral("yyyy年M月d日")}) {
        const QDate date = QDate::fromString(t, format);
        if (date.isValid()) {
            return date.startOfDay();
        }
    }
    const QDate local = QLocale().toDate(t, QLocale::ShortFormat);
    if (local.isValid()) {
        return local.startOfDay();
    }
    return std::nullopt;
}

void takeDate(QDateTime& field, const QString& text) {
    if (const std::optional<QDateTime> date = dateOf(text)) {
        field = *date;
    }
}

void takeCustomer(CustomerRecord& customer, const v5_design::Design& d) {
    customer.name = d.name.trimmed();
    customer.tele = d.telephone.trimmed();
    customer.addr = d.address.trimmed();
    customer.sex = d.male;
    customer.price = d.amount;
    customer.locked = true;
    takeDate(customer.designdate, d.designDate);
    takeDate(customer.workdate, d.workDate);
    takeDate(customer.enddate, d.endDate);
    customer.memo = d.remarks;
    customer.keelLength = 0;
    customer.triangleKeelLength = 0;
    customer.connectors = 0;
    customer.hangers = 0;
    customer.installationFee = 0;
    customer.shoubianPrice = 0;
    customer.shoubian = 0;
    customer.autoShoubian = 1;
}

// A product appears at most once among the non-display items: a second old item of the
// same current product adds its quantity.
void addOtherItem(QList<otherrec>& items, const NamedProduct& p, qint32 number) {
    for (otherrec& item : items) {
        if (item.id == p.current->id) {
            item.number += number;
            return;
        }
    }
    otherrec item;
    item.id = p.current->id;
    item.cailiao_id = p.current->categoryId;
    item.title = p.title;
    item.danwei = p.current->unit;
    item.number = number;
    item.style = p.current->kind;
    item.price = p.oldPrice;
    items.append(item);
}

// The project's bill holds a product once: the first old line's price stands.
void addBillLine(QList<Ppdu_id>& lines, const tpic_rec& product, double price) {
    for (const Ppdu_id& line : lines) {
        if (line.id == product.id) {
            return;
        }
    }
    Ppdu_id line;
    line.id = product.id;
    line.title = product.title;
    line.cailiao_id = product.topCategory;
    line.style = product.kind;
    line.price = price;
    line.number = 1;
    line.width = product.width;
    line.height = product.height;
    line.danwei = product.unit;
    lines.append(line);
}

QString notFound(const QString& title) {
    return u'[' + title + u']' + QStringLiteral("没找到");
}

void buildProject(const LegacyImport::Context& c, const v5_design::Design& d,
                  const NamedLists& named) {
    OpenProject& project = c.project;
    project.clearproject();
    CustomerRecord& customer = project.customer;
    customer.id = -1;
    customer.areaId = 0;
    customer.version = 1;
    customer.ming = 5;
    project.edgeTrimReady = false;

    NewRoomRequest request;
    request.name = QStringLiteral("V5房间");
    request.columnWidth = c.held.gw;
    request.rowHeight = c.held.gh;
    request.roomMode = SquarePanelRoom;
    TRoom_OBJ& room = project.CreatNewRoom(request);
    v5_room::layOut(room, d);
    takeCustomer(customer, d);

    for (const auto& [item, p] : named.items) {
        if (p.current) {
            addOtherItem(project.other_list, p, item.number);
        } else {
            c.prompts.message(notFound(p.title));
        }
    }
    room.billLines.clear();
    v5_room::IdMap mapped;
    for (const auto& [line, p] : named.lines) {
        if (p.currentId < 0) {
            c.prompts.message(notFound(p.title));
        } else if (const tpic_rec* product = room.productLookup(p.currentId, 0)) {
            addBillLine(project.price_list, *product, line.price);
        }
        mapped[line.id] = p.currentId;
    }
    v5_room::mapProducts(room, mapped);
    v5_room::rebuildStrips(room);

    room.computeActiveRange();
    room.rebuildMask();
    room.editMode = EditDesign;
    room.setTool(DesignViewTool);
    room.recount();
    room.startHistory();
    room.roomModified = false;
    c.view.customerChanged();
    project.setRoomProjectedited(false);
}

} // namespace

QString LegacyImport::oldLibraryPath() {
    const QString stored = c_.setup.read(setup::v5dbpath);
    if (!stored.isEmpty() && QFileInfo(stored).isFile()) {
        return stored;
    }
    c_.prompts.message(QStringLiteral("请选择V5版数据库所在路径"));
    const QString proposed = QFileInfo(c_.setup.path()).dir().filePath(QStringLiteral("db.data"));
    const QString chosen =
        c_.prompts.chooseOpenFile(QStringLiteral("请选择V5数据库文件,默认文件名为db.data"),
                                  proposed, QStringLiteral("V5数据库|DB.data"));
    if (!chosen.isEmpty()) {
        c_.setup.write(setup::v5dbpath, chosen);
    }
    return chosen;
}

bool LegacyImport::run(WorkProgress& progress) {
    const QString oldPath = oldLibraryPath();
    if (oldPath.isEmpty()) {
        return false;
    }
    const QString path = c_.prompts.chooseOpenFile(QStringLiteral("请选择要打开的V5版设计文件"),
                                                   QString(), QStringLiteral("V5工程文件|*.dsn"));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const v5_design::ReadResult read = v5_design::read(file.readAll());
    const QString fileName = QFileInfo(path).fileName();
    switch (read.status) {
    case v5_design::ReadStatus::NotADesignFile:
        c_.view.customerChanged();
        return false;
    case v5_design::ReadStatus::Damaged:
        c_.prompts.message(QStringLiteral("V5设计文件已损坏:") + fileName);
        return false;
    case v5_design::ReadStatus::TooManyEntries:
        c_.prompts.message(fileName + QStringLiteral("中的非显示产品或产品清单超过%1项,无法导入")
                                          .arg(v5_design::MostEntries));
        return false;
    case v5_design::ReadStatus::Read:
        break;
    }

    Database oldDb;
    if (!oldDb.openReadOnly(oldPath)) {
        // Forgotten, so that the next import asks for the library again.
        c_.setup.write(setup::v5dbpath, QString());
        c_.prompts.message(QStringLiteral("V5数据库无法打开:") + oldPath);
        return false;
    }
    std::optional<NamedLists> named;
    try {
        named = nameProducts(read.design, oldDb, c_.library, progress);
    } catch (const DatabaseError& e) {
        c_.prompts.message(QStringLiteral("V5数据库无法读取:") + QString::fromUtf8(e.what()));
        return false;
    }
    if (!named) {
        return false;
    }
    // The open project is replaced: an edited one is offered to be saved first.
    if (!c_.project.askToSave()) {
        return false;
    }
    buildProject(c_, read.design, *named);
    return true;
}
