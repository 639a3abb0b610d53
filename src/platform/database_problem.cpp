#include "platform/database_problem.h"

#include <QDir>

namespace {

struct Cause {
    // Words of the client library that name the cause; the first cause matched wins.
    std::initializer_list<const char*> words;
    const char* text;
};

const Cause causes[] = {
    {{"password authentication failed", "no password supplied", "fe_sendauth"}, "用户名或密码错误"},
    {{"could not translate host name", "Name or service not known",
      "Temporary failure in name resolution", "nodename nor servname"},
     "找不到服务器,请检查服务器名称"},
    {{"timeout expired", "timed out"}, "连接超时,服务器没有应答"},
    {{"Connection refused", "No such file or directory"},
     "服务器拒绝连接,请检查服务器是否运行、地址和端口是否正确"},
    {{"No route to host", "Network is unreachable"}, "网络不通,无法到达服务器"},
    {{"role \""}, "服务器上没有这个用户"},
    {{"database \""}, "服务器上没有这个数据库"},
    {{"server closed the connection", "no connection to the server", "terminating connection",
      "could not receive data", "could not send data"},
     "与服务器的连接已断开"},
};

bool mentions(const QString& text, const Cause& cause) {
    for (const char* words : cause.words) {
        if (text.contains(QLatin1String(words), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

QString detailLine(const QString& detail) {
    return detail.isEmpty() ? QString() : QStringLiteral("\n(") + detail.simplified() + u')';
}

} // namespace

namespace database_problem {

QString connection(const QString& driverText) {
    const QString detail = driverText.simplified();
    for (const Cause& cause : causes) {
        if (mentions(detail, cause)) {
            return QString::fromUtf8(cause.text) + detailLine(detail);
        }
    }
    return QStringLiteral("连接失败") + detailLine(detail);
}

QString busy(const QString& subject, const QString& place, const QString& detail) {
    return subject + QStringLiteral("正被其他程序使用,请稍后再试: ") +
           QDir::toNativeSeparators(place) + detailLine(detail);
}

QString readOnly(const QString& subject, const QString& place, const QString& detail) {
    return subject + QStringLiteral("只读,不能写入: ") + QDir::toNativeSeparators(place) +
           detailLine(detail);
}

QString unreachable(const QString& subject, const QString& place, const QString& detail) {
    return QStringLiteral("无法连接") + subject + QStringLiteral("服务器 ") + place +
           QStringLiteral(": ") + connection(detail);
}

} // namespace database_problem
