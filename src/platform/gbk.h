#pragma once

#include <QByteArray>
#include <QString>

// The GBK code page used by every binary format and by the settings files.
namespace gbk {

// Characters that GBK cannot hold become '?'.
QByteArray encode(const QString& text);

// Byte sequences that are not GBK become '?'.
QString decode(const QByteArray& bytes);

} // namespace gbk
