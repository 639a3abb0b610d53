#pragma once

#include "core/otherrec.h"
#include "core/ppdu_id.h"
#include "platform/pinyin_keys.h"
#include "store/customer_list_model.h"
#include "store/customer_record.h"
#include "store/project_summary.h"

#include <QList>
#include <QStringList>

#include <vector>

class CustomerStore;
class ProductLibrary;
class Prompts;

// The customer browser without its window: the list of the company's customers with the
// query that produced it and its summary, the area filter and the search with its
// history, and the selected customer's bill lines, non-display items, project summary
// and rooms. Engine errors are thrown (DatabaseError).
class CustomerBrowser {
public:
    CustomerBrowser(CustomerStore& store, ProductLibrary& library, Prompts& prompts, qint32 compid);

    CustomerListModel& list() { return list_; }
    const CustomerQuery& query() const { return query_; }
    // The status bar's counts and sums of the list, from one aggregate statement made when
    // first asked for after the list changed: the list's first screen does not wait for it.
    const ListSummary& summary();
    const QStringList& history() const { return history_; }

    // The company whose customers are listed from the next query on.
    void setCompany(qint32 compid) { query_.compid = compid; }
    // Runs the query, lists its customers and sums them up.
    void rebuild();
    // The unfiltered query (the company's customers), rebuilt.
    void showAll();
    // An entry of the area panel: "全部小区" lists all, any other (trimmed) area name the
    // customers of that area.
    void filterArea(const QString& entry);
    // The search bar: the trimmed text in the field (none: no text condition) and the
    // trimmed area name (empty: any area). Names also match the pinyin they are spelled in. A text
    // that found customers goes to the top of the history unless it is there already.
    void search(const QString& text, SearchField field, const QString& area);

    // --- Changes of single customers.
    // A customer just created goes to the top of the list.
    void listNew(qint32 id);
    // The stored row shows again in place (after an edit).
    void relist(qint32 id);
    // Deletes the customer with its rooms in one transaction and takes it off the list;
    // the summary stays as it was (as does a new customer's).
    void deleteCustomer(qint32 id);

    // --- The selected customer; -1 for none.
    void select(qint32 id);
    qint32 selected() const { return selected_; }
    const QList<Ppdu_id>& billLines() const { return billLines_; }
    const QList<otherrec>& otherItems() const { return otherItems_; }
    const std::vector<SummaryRow>& projectSummary() const { return projectSummary_; }
    const std::vector<RoomRecord>& rooms() const { return rooms_; }
    // Renames a room of the selected customer (the text is trimmed; empty is accepted).
    void renameRoom(qint32 roomId, const QString& title);

private:
    CustomerListRow listRowOf(qint32 id);

    CustomerStore& store_;
    ProductLibrary& library_;
    Prompts& prompts_;
    CustomerQuery query_;
    CustomerListModel list_;
    // The pinyin of the listed names, kept for the next name searches.
    PinyinIndex pinyin_;
    std::optional<ListSummary> summary_;
    QStringList history_;
    qint32 selected_ = -1;
    QList<Ppdu_id> billLines_;
    QList<otherrec> otherItems_;
    std::vector<SummaryRow> projectSummary_;
    std::vector<RoomRecord> rooms_;
};
