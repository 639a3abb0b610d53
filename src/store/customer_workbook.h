#pragma once

#include <QString>

class CustomerListModel;
class Prompts;

// The customer list as an Excel workbook (.xlsx): a first row with the column captions,
// then one row per listed customer with its caption and column values in the order of
// the list. The running number and the project amount are numbers, the design date a
// date (blank for the zero date). False when the file cannot be written.
bool writeCustomerWorkbook(const CustomerListModel& list, const QString& path);

// "导出全部客户信息": asks for the file (filter "Excel文件(*.xlsx)|*.xlsx", starting in
// `folder`), appends ".xlsx" when the name lacks it, asks before replacing an existing
// file, writes every listed customer (also those not yet shown) and says whether that
// worked.
void exportCustomerList(CustomerListModel& list, Prompts& prompts, const QString& folder);
