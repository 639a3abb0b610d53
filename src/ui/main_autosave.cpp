#include "ui/main_autosave.h"

#include "quote/left_copies.h"
#include "quote/open_project.h"
#include "quote/startup_session.h"
#include "ui/tmainfm.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

MainAutosave::MainAutosave(Tmainfm& window, const HeldSettings& held, const QString& folder)
    : window_(window), autosaver_(window.project(), held, folder), status_(new QLabel(&window)) {
    status_->setObjectName(QStringLiteral("autosaveStatus"));
    window.statusBar()->addPermanentWidget(status_);
    autosaver_.activeRoom = [this] { return window_.getActiveOBJ(); };
    autosaver_.onCopied = [this](const QDateTime& when) { status_->setText(autosavedText(when)); };
    autosaver_.onFailed = [this](const QString& reason) {
        status_->setText(autosaveFailedText(reason));
    };
    qApp->installEventFilter(this);
}

MainAutosave::~MainAutosave() {
    qApp->removeEventFilter(this);
}

bool MainAutosave::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        autosaver_.userInput(window_.getActiveOBJ());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void Tmainfm::startAutosave() {
    autosave_ = std::make_unique<MainAutosave>(*this, session_.held(),
                                               session_.path(QStringLiteral("数据文件/恢复")));
    Autosaver& autosaver = autosave_->autosaver();
    if (left_copies::offer(session_.path(QStringLiteral("数据文件/恢复")),
                           session_.path(QStringLiteral("备份文件")), *project_, prompts_,
                           autosaver)) {
        showProjectArea();
        setCustomerCommands(project_->customer.id >= 0);
        refreshWorkspace();
    }
    autosaver.start();
}
