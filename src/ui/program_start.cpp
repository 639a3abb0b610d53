#include "ui/program_start.h"

#include "platform/chinese_fonts.h"
#include "quote/program_version.h"
#include "quote/startup_session.h"
#include "ui/localisation.h"
#include "ui/main_actions.h"
#include "ui/product_picker_panel.h"
#include "ui/qt_prompts.h"
#include "ui/splash_window.h"
#include "ui/tmainfm.h"
#include "ui/tpromanagerfm.h"
#include "ui/tsetupfm.h"
#include "ui/tskinfm.h"
#include "ui/yz_application.h"

#include <QAction>
#include <QIcon>

#include <cstdio>

void prepareApplication(YzApplication& app) {
    QCoreApplication::setOrganizationName(QStringLiteral("yanzhou"));
    QCoreApplication::setApplicationName(QStringLiteral("yanzhou"));
    QCoreApplication::setApplicationVersion(programVersion());
    // The task bar shows the desktop entry's name, the application title, and its icon.
    const QString id = QStringLiteral("cn.yanzhou_diaoding.designer");
    QGuiApplication::setDesktopFileName(id);
    const QString installedIcon = QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/../share/icons/hicolor/256x256/apps/") + id +
                                  QStringLiteral(".png");
    QApplication::setWindowIcon(QIcon::fromTheme(id, QIcon(installedIcon)));
    installChineseTranslations(app);
    useChineseFonts();
    useIconTheme();
}

ProgramStart::ProgramStart(const QString& programFolder, Prompts* prompts)
    : folder_(programFolder), windows_(std::make_unique<QtPrompts>()),
      prompts_(prompts ? prompts : windows_.get()),
      session_(std::make_unique<StartupSession>(programFolder)) {}

ProgramStart::~ProgramStart() {
    if (auto* app = dynamic_cast<YzApplication*>(QCoreApplication::instance())) {
        app->setErrorDisplay({});
    }
    // The windows parented to the main window go with it.
    main_.reset();
}

int ProgramStart::start(const QString& folderProblem) {
    splash_ = std::make_unique<SplashWindow>(folder_);
    splash_->show();
    SplashWindow* splash = splash_.get();
    // A question during start-up must not hide behind the splash window.
    windows_->setBeforeShow([splash] { splash->hide(); });
    if (auto* app = dynamic_cast<YzApplication*>(QCoreApplication::instance())) {
        app->setErrorDisplay([this](const QString& text) { prompts_->message(text); });
    }
    QCoreApplication::processEvents();
    if (!folderProblem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(folderProblem));
        prompts_->message(folderProblem);
    }

    main_ = std::make_unique<Tmainfm>(*session_, *prompts_);
    windows_->setParent(main_.get());
    if (!main_->FormCreate()) {
        splash_.reset();
        return FatalStartExitStatus;
    }
    createWindows();
    main_->show();
    splash_->finish(main_.get());
    splash_.reset();
    windows_->setBeforeShow({});
    main_->startAutosave();
    return 0;
}

void ProgramStart::createWindows() {
    windows_->msgfm();
    skin_ = new Tskinfm(folder_, main_.get());
    windows_->dialog1fm();
    windows_->inputstrfm();
    windows_->inputNumberfm();
    windows_->dlgfm2();
    Tmainfm* main = main_.get();
    Tsetupfm::Links links{session_->setup(),
                          session_->held(),
                          *prompts_,
                          main->settingsSaveHooks(),
                          [main] { main->settingsPushed(); },
                          [main] { main->showStatistics(); }};
    setup_ = new Tsetupfm(std::move(links), main);
    QObject::connect(main->actions()[QStringLiteral("setup")], &QAction::triggered, setup_,
                     [this] { setup_->exec(); });
    QObject::connect(main->actions()[QStringLiteral("skin")], &QAction::triggered, skin_,
                     [this] { skin_->exec(); });

    manager_ = new Tpromanagerfm(session_->library(), session_->setup().profile(), *prompts_,
                                 folder_, main);
    const CompanySettings& company = session_->held().company;
    manager_->scope = [&company] { return ManagerScope{company.compid, company.compstyle}; };
    // The picker offers what the manager changed.
    manager_->closed = [main] { main->productPicker()->reload(); };
    QAction* open = main->actions()[QStringLiteral("productManager")];
    open->setEnabled(true);
    QObject::connect(open, &QAction::triggered, manager_, [this] { manager_->open(); });
}
