#include "ui/store_tab.h"

#include "platform/prompts.h"
#include "quote/setup_file.h"
#include "quote/store_choice.h"
#include "quote/store_settings.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

StoreTab::StoreTab(SetupFile& setup, Prompts& prompts, QWidget* parent)
    : QWidget(parent), setup_(setup), prompts_(prompts) {
    auto* layout = new QVBoxLayout(this);
    local_ = new QRadioButton(QStringLiteral("本机客户库文件"), this);
    server_ = new QRadioButton(QStringLiteral("PostgreSQL 服务器"), this);
    local_->setObjectName(QStringLiteral("storeLocal"));
    server_->setObjectName(QStringLiteral("storeServer"));
    layout->addWidget(local_);
    layout->addWidget(server_);

    auto* form = new QFormLayout;
    const auto field = [this, form](const char* caption, const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(name));
        form->addRow(QString::fromUtf8(caption), edit);
        return edit;
    };
    host_ = field("服务器：", "storeHost");
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("storePort"));
    port_->setRange(1, 65535);
    form->addRow(QStringLiteral("端口："), port_);
    database_ = field("数据库：", "storeDatabase");
    user_ = field("用户名：", "storeUser");
    password_ = field("密码：", "storePassword");
    password_->setEchoMode(QLineEdit::Password);
    password_->setPlaceholderText(QStringLiteral("不更改"));
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto* test = new QPushButton(QStringLiteral("测试连接"), this);
    auto* upload = new QPushButton(QStringLiteral("上传到服务器"), this);
    test->setObjectName(QStringLiteral("testConnection"));
    upload->setObjectName(QStringLiteral("uploadStore"));
    buttons->addWidget(test);
    buttons->addWidget(upload);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("更改客户库后请重新启动程序。"), this));
    layout->addStretch();

    connect(server_, &QRadioButton::toggled, this, [this] { enableServerFields(); });
    connect(test, &QPushButton::clicked, this, [this] { testConnection(); });
    connect(upload, &QPushButton::clicked, this, [this] {
        store_settings::upload(QFileInfo(setup_.path()).absolutePath(), choice().settings,
                               prompts_);
    });
}

void StoreTab::testConnection() {
    // Logging in may take up to the connection timeout; the window cannot answer meanwhile.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString result = store_settings::testConnection(choice().settings);
    QGuiApplication::restoreOverrideCursor();
    prompts_.message(result);
}

void StoreTab::load() {
    const StoreChoice stored = readStoreChoice(setup_);
    (stored.server ? server_ : local_)->setChecked(true);
    host_->setText(stored.settings.host);
    port_->setValue(stored.settings.port);
    database_->setText(stored.settings.database);
    user_->setText(stored.settings.user);
    password_->clear();
    enableServerFields();
}

bool StoreTab::save() {
    return store_settings::save(setup_, choice(), prompts_);
}

StoreChoice StoreTab::choice() const {
    StoreChoice chosen;
    chosen.server = server_->isChecked();
    chosen.settings.host = host_->text().trimmed();
    chosen.settings.port = port_->value();
    chosen.settings.database = database_->text().trimmed();
    chosen.settings.user = user_->text().trimmed();
    chosen.settings.password = password_->text();
    return chosen;
}

void StoreTab::enableServerFields() {
    for (QWidget* field : {static_cast<QWidget*>(host_), static_cast<QWidget*>(port_),
                           static_cast<QWidget*>(database_), static_cast<QWidget*>(user_),
                           static_cast<QWidget*>(password_)}) {
        field->setEnabled(server_->isChecked());
    }
}
