#include "platform/default_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

opener::Handler& currentHandler() {
    static opener::Handler handler;
    return handler;
}

bool openWithDesktop(const QString& pathOrAddress) {
    QUrl url = QUrl::fromUserInput(pathOrAddress);
    if (QFileInfo::exists(pathOrAddress)) {
        url = QUrl::fromLocalFile(QFileInfo(pathOrAddress).absoluteFilePath());
    }
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace

namespace opener {

bool openWithDefaultHandler(const QString& pathOrAddress) {
    if (currentHandler()) {
        return currentHandler()(pathOrAddress);
    }
    return openWithDesktop(pathOrAddress);
}

void setHandler(Handler handler) {
    currentHandler() = std::move(handler);
}

} // namespace opener
