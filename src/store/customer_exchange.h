#pragma once

#include <QString>

#include <optional>

class CustomerStore;
class Prompts;

// Export and import of one customer with all its rooms as a project exchange file.
namespace customer_exchange {

// Writes the file of customer `id` under a temporary name that replaces `path` only when
// complete; "未发现记录!", "导出数据错误!" or "成功导出数据!". True when written.
bool exportCustomer(CustomerStore& store, qint32 id, const QString& path, Prompts& prompts);

// Imports the file as a new customer of company `compid`, in one transaction: a file
// that fails anywhere leaves the store as it was, with the message of what failed. A
// file of another company brings no products. The new customer's id, or none.
std::optional<qint32> importCustomer(CustomerStore& store, qint32 compid, const QString& path,
                                     Prompts& prompts);

} // namespace customer_exchange
