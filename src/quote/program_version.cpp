#include "quote/program_version.h"

QString applicationTitle() {
    return QStringLiteral("砚舟集成吊顶设计软件");
}

QString programVersion() {
    return QStringLiteral(YZ_VERSION_TEXT);
}

QString mainWindowCaption() {
    return applicationTitle() + QStringLiteral(" V") + programVersion();
}
