#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

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
