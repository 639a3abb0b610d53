#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// The field a customer search looks in.
enum class SearchField { None = 0, ProjectNumber, Name, Telephone, Address };

// Which customers the browser lists: those of one company, optionally of one area and
// with a text contained in one field. Texts are matched literally, as given.
struct CustomerQuery {
    qint32 compid = 0;
    QString area;
    SearchField field = SearchField::None;
    QString text;
};

// One listed customer: the columns the browser shows and what its summary adds up.
struct CustomerListRow {
    qint32 id = -1;
    QString proid;
    QString name;
    QString tele;
    QString tele2;
    QString area;
    QString addr;
    QDate designdate; // the zero date of 1899 when none was given
    double price = 0;
    bool completed = false; // the completion date lies in the future
};

// What the browser's status bar shows of the listed customers.
struct ListSummary {
    int customers = 0;
    int rooms = 0;
    int completed = 0; // completion date later than now
    double total = 0;  // sum of the project amounts

    // "客户数：N", "房间数：N", "竣工数：N", "总金额：N元" (the total rounded, halves to even).
    QStringList texts() const;
};

// A stretch of a customer list, newest first: at most `limit` rows (0: no limit) older than
// the customer `before` (none: from the newest on).
struct ListPage {
    std::optional<qint32> before;
    int limit = 0;
};
