#pragma once

#include <QString>

// The user's words for a database failure whose cause the user can act on.
namespace database_problem {

// Why a login to the database server failed: the common causes (refused, unknown host,
// wrong password, timeout …) translated, followed by the client library's text as detail.
QString connection(const QString& driverText);

// "<subject>正被其他程序使用…" (busy), "<subject>只读…" (read-only) and
// "无法连接<subject>服务器 …" (unreachable), each naming the file or "host:port" and
// ending with the driver's text; `subject` is what the program calls the database
// ("客户库").
QString busy(const QString& subject, const QString& place, const QString& detail);
QString readOnly(const QString& subject, const QString& place, const QString& detail);
QString unreachable(const QString& subject, const QString& place, const QString& detail);

} // namespace database_problem
