#pragma once

#include "store/customer_query.h"

#include <vector>

class CustomerStore;
class PinyinIndex;

// The name search of the browser over loaded rows (NameSearch), so that a file and a
// server store list the same customers. The keys come from and stay in `index`.
std::vector<CustomerListRow> rowsNamed(std::vector<CustomerListRow> rows, const QString& text,
                                       PinyinIndex& index);

// Whether the query's name search is also tried as pinyin.
bool searchesPinyin(const CustomerQuery& query);

// The number of rooms of the listed customers of the company.
int roomCountOfRows(CustomerStore& store, qint32 compid, const std::vector<CustomerListRow>& rows);
