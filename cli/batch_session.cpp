#include "batch_session.h"

#include "core/troom_obj.h"

namespace {

MaintainedDatabase maintained(Database& db, const StartupSession& session, const char* file) {
    return {db, session.path(QStringLiteral("数据文件/") + QString::fromUtf8(file))};
}

} // namespace

BatchSession::BatchSession(const QString& programFolder, BatchPrompts& prompts, Progress& progress)
    : prompts_(prompts), progress_(progress), startup_(programFolder), store_(startup_.store()),
      view_(startup_.library(), prompts, progress),
      project_(store_, startup_.held(), startup_.setup(), prompts, view_),
      bill_(project_, startup_.library(), prompts, view_),
      reports_({project_, bill_, startup_.library(), startup_.held(), startup_.setup(), prompts,
                programFolder}),
      maintenance_(maintained(startup_.library(), startup_, "db.data"),
                   maintained(startup_.store(), startup_, "Userdb.data"), prompts) {}

bool BatchSession::start() {
    return startup_.initDB(prompts_) && prompts_.messages.isEmpty();
}

qint32 BatchSession::company() {
    return startup_.held().company.compid;
}

bool BatchSession::companyCustomer(qint32 id) {
    const std::optional<CustomerRecord> customer = store_.customer(id);
    if (!customer || customer->compid != company()) {
        prompts_.message(QStringLiteral("未发现记录!"));
        return false;
    }
    return true;
}

bool BatchSession::open(qint32 id) {
    if (!companyCustomer(id)) {
        return false;
    }
    // A damaged stored list or room is reported while loading: nothing is written from
    // a project that did not load whole.
    return project_.openproject(id) && prompts_.messages.isEmpty();
}

TRoom_OBJ* BatchSession::shownRoom() {
    const int index = view_.active();
    if (index < 0 || index >= int(project_.room_list.size())) {
        return nullptr;
    }
    return project_.room_list[std::size_t(index)].room.get();
}
