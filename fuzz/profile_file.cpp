#include "platform/profile_file.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Parses arbitrary bytes as a settings file, reads, writes and serialises again: no
// input may crash, and a written value must read back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ProfileDocument doc = ProfileDocument::parse(bytes);
    for (const QString& key : doc.keys(QStringLiteral("setup"))) {
        (void)doc.value(QStringLiteral("setup"), key);
    }
    doc.setValue(QStringLiteral("Reg"), QStringLiteral("url"), QStringLiteral("x"));
    ProfileDocument again = ProfileDocument::parse(doc.serialize());
    if (again.value(QStringLiteral("reg"), QStringLiteral("URL")) != QStringLiteral("x")) {
        __builtin_trap();
    }
    return 0;
}
