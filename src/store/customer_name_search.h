#pragma once

#include "store/customer_query.h"

#include <vector>

class CustomerStore;
class PinyinIndex;

// The name search of the browser over loaded rows, so that a file and a server store list
// the same customers: a name matches when it contains the text, Latin letters case-blind as
// the store compares them, or, for a text of Latin letters, when the text spells the
// name's pinyin (full, initials or a mix). The keys come from and stay in `index`.
std::vector<CustomerListRow> rowsNamed(std::vector<CustomerListRow> rows, const QString& text,
                                       PinyinIndex& index);

// Whether the query's name search is also tried as pinyin.
bool searchesPinyin(const CustomerQuery& query);

// The number of rooms of the listed customers of the company.
int roomCountOfRows(CustomerStore& store, qint32 compid, const std::vector<CustomerListRow>& rows);
