#include "ui/yz_application.h"

#include "platform/database.h"

#include <cstdio>
#include <exception>

bool deliverShowingErrors(const std::function<bool()>& deliver, const ErrorDisplay& show) {
    try {
        return deliver();
    } catch (const DatabaseError& e) {
        show(QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
        show(QString::fromStdString(e.what()));
    }
    return false;
}

YzApplication::YzApplication(int& argc, char** argv) : QApplication(argc, argv) {
    release();
}

bool YzApplication::notify(QObject* receiver, QEvent* event) {
    return deliverShowingErrors([&] { return QApplication::notify(receiver, event); },
                                [this](const QString& message) { show(message); });
}

void YzApplication::show(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    // An error raised while its message is on screen is not shown a second time.
    if (!display_ || showing_) {
        return;
    }
    showing_ = true;
    display_(message);
    showing_ = false;
}
