#include "ui/window_geometry.h"

#include "platform/profile_file.h"

#include <QByteArray>
#include <QWidget>

namespace {

const QString Section = QStringLiteral("window");

} // namespace

namespace window_geometry {

bool restore(QWidget& window, const ProfileFile& profile, const QString& key) {
    const QByteArray kept = QByteArray::fromBase64(profile.readString(Section, key).toLatin1());
    return !kept.isEmpty() && window.restoreGeometry(kept);
}

void keep(const QWidget& window, ProfileFile& profile, const QString& key) {
    profile.writeString(Section, key, QString::fromLatin1(window.saveGeometry().toBase64()));
}

} // namespace window_geometry
