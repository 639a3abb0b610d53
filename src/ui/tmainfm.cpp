#include "ui/tmainfm.h"

#include "platform/default_opener.h"
#include "quote/program_version.h"
#include "quote/startup_session.h"
#include "ui/main_actions.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

Tmainfm::Tmainfm(StartupSession& session, Prompts& prompts, ClosingSequence::Clock clock)
    : session_(session), prompts_(prompts), closing_(session.setup(), prompts, std::move(clock)),
      actions_(std::make_unique<MainActions>(*this)) {
    setObjectName(QStringLiteral("mainfm"));
    setWindowTitle(applicationTitle());
    resize(1280, 860);
    buildWorkArea();
    buildStatusBar();
    buildFixedLength();
    connect((*actions_)[QStringLiteral("exit")], &QAction::triggered, this, &QWidget::close);
    connect((*actions_)[QStringLiteral("statistics")], &QAction::triggered, this,
            [this] { showStatistics(); });
}

Tmainfm::~Tmainfm() {
    FormDestroy();
}

QLabel* Tmainfm::statusPanel(int index) const {
    return (index >= 0 && index < StatusPanels) ? panels_[index] : nullptr;
}

void Tmainfm::buildWorkArea() {
    workArea_ = new QStackedWidget(this);
    workArea_->setObjectName(QStringLiteral("workArea"));
    startPanel_ = buildStartPanel();
    pages_ = new QTabWidget(workArea_);
    pages_->setObjectName(QStringLiteral("sPageControl1"));
    pages_->setDocumentMode(true);
    auto* customerPage = new QWidget(pages_);
    customerPage->setObjectName(QStringLiteral("customerPage"));
    pages_->addTab(customerPage, QStringLiteral("客户信息"));
    connect(pages_, &QTabWidget::currentChanged, this, [this] { sPageControl1Change(); });
    workArea_->addWidget(startPanel_);
    workArea_->addWidget(pages_);
    setCentralWidget(workArea_);
}

// The start panel in place of the web pane: the program and the vendor's address.
QWidget* Tmainfm::buildStartPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("startPanel"));
    auto* layout = new QVBoxLayout(panel);
    layout->addStretch(2);
    auto* title = new QLabel(applicationTitle(), panel);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("V") + programVersion(), panel);
    version->setAlignment(Qt::AlignCenter);
    auto* link = new QLabel(panel);
    homeLink_ = link;
    link->setObjectName(QStringLiteral("homeLink"));
    link->setTextFormat(Qt::RichText);
    link->setAlignment(Qt::AlignCenter);
    connect(link, &QLabel::linkActivated, this,
            [](const QString& address) { opener::openWithDefaultHandler(address); });
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(link);
    layout->addStretch(3);
    return panel;
}

void Tmainfm::buildStatusBar() {
    // 0 hint, 1..4 the picker's product, 5 the tool's text, 6 the zoom, 7 the wall note.
    const int widths[StatusPanels] = {0, 160, 110, 90, 90, 120, 70, 160};
    for (int i = 0; i < StatusPanels; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panels_[i] = panel;
        if (i == 0) {
            statusBar()->addWidget(panel, 1);
        } else {
            statusBar()->addPermanentWidget(panel);
        }
    }
}

// "固定长度": the wall tools' fixed length, kept in the settings at exit.
void Tmainfm::buildFixedLength() {
    QToolBar* bar = actions_->wallToolBar();
    bar->addSeparator();
    auto* box = new QCheckBox(QStringLiteral("固定长度"), bar);
    box->setObjectName(QStringLiteral("sCheckBox1"));
    box->setEnabled(false); // switched by the wall tools of the active room
    fixedLength_ = new QSpinBox(bar);
    fixedLength_->setObjectName(QStringLiteral("sSpinEdit1"));
    fixedLength_->setRange(5, 100);
    fixedLength_->setSuffix(QStringLiteral(" 厘米"));
    fixedLength_->setValue(session_.held().glen);
    connect(fixedLength_, &QSpinBox::valueChanged, this,
            [this](int value) { session_.held().glen = value; });
    bar->addWidget(box);
    bar->addWidget(fixedLength_);
}

bool Tmainfm::initDB() {
    return session_.initDB(prompts_);
}

bool Tmainfm::FormCreate() {
    setWindowTitle(mainWindowCaption());
    if (!initDB()) {
        return false;
    }
    (*actions_)[QStringLiteral("savebt")]->setEnabled(false);
    const QString url = session_.held().company.url.toHtmlEscaped();
    homeLink_->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(url));
    if (session_.held().runIE) {
        workArea_->setCurrentWidget(startPanel_);
    } else {
        showProjectArea();
    }
    pages_->setCurrentIndex(0);
    sPageControl1Change();
    started_ = true;
    return true;
}

void Tmainfm::showProjectArea() {
    workArea_->setCurrentWidget(pages_);
}

void Tmainfm::FormDestroy() {
    if (!started_ || destroyed_) {
        return;
    }
    destroyed_ = true;
    const HeldSettings& held = session_.held();
    closing_.writeExitSettings(held.glen, held.searchHistory);
}

void Tmainfm::settingsPushed() {
    fixedLength_->setValue(session_.held().glen);
}

void Tmainfm::showStatistics() {
    showProjectArea();
    pages_->setCurrentIndex(0);
}

void Tmainfm::sPageControl1Change() {
    const bool roomActive = pages_->currentIndex() > 0;
    actions_->wallToolBar()->setVisible(true);
    actions_->designToolBar()->setVisible(false);
    panels_[6]->setText(roomActive ? panels_[6]->text() : QString());
}

void Tmainfm::closeEvent(QCloseEvent* event) {
    if (closing_.FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}
