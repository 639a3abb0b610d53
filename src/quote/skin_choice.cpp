#include "quote/skin_choice.h"

#include <QDir>
#include <QFile>

namespace {

const QString Section = QStringLiteral("setup");
// A style sheet is small text; anything larger is not a skin.
constexpr qint64 MaxStyleSheetBytes = 1 << 20;

} // namespace

SkinChoice::SkinChoice(const QString& programFolder)
    : folder_(programFolder + QStringLiteral("/skins")),
      ini_(programFolder + QStringLiteral("/ini.ini")) {
    const QStringList files =
        QDir(folder_).entryList({QStringLiteral("*.qss")}, QDir::Files, QDir::Name);
    for (const QString& f : files) {
        skins_ << f.chopped(4);
    }
}

QString SkinChoice::styleSheetPath(int position) const {
    if (position < 1 || position > skins_.size()) {
        return {};
    }
    return folder_ + u'/' + skins_[position - 1] + QStringLiteral(".qss");
}

int SkinChoice::storedPosition() const {
    const int p = ini_.readInteger(Section, QStringLiteral("skin"), 0);
    return (p < 1 || p > skins_.size()) ? 1 : p;
}

bool SkinChoice::storedUseSkin() const {
    return ini_.readBool(Section, QStringLiteral("useskin"), true);
}

bool SkinChoice::remember(int position) {
    return ini_.writeBool(Section, QStringLiteral("useskin"), true) &&
           ini_.writeInteger(Section, QStringLiteral("skin"), position);
}

QString SkinChoice::styleSheet(int position) const {
    QFile file(styleSheetPath(position));
    if (file.fileName().isEmpty() || file.size() > MaxStyleSheetBytes ||
        !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}
