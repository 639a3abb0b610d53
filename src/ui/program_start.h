#pragma once

#include <QString>

#include <memory>

class Prompts;
class QtPrompts;
class SplashWindow;
class StartupSession;
class Tmainfm;
class Tpromanagerfm;
class Tsetupfm;
class Tskinfm;
class YzApplication;

// The program start: splash window, main window, then every other window once in a
// fixed order. Owns them for the run.
class ProgramStart {
public:
    // `prompts` replaces the shared modal windows (tests); null uses them.
    explicit ProgramStart(const QString& programFolder, Prompts* prompts = nullptr);
    ~ProgramStart();

    // 0 when the main window is up and the event loop may run; otherwise the exit status.
    // `folderProblem` (why the program folder could not be filled) is shown first.
    int start(const QString& folderProblem = {});

    Tmainfm* mainWindow() const { return main_.get(); }
    Tsetupfm* settingsWindow() const { return setup_; }
    Tskinfm* skinWindow() const { return skin_; }
    Tpromanagerfm* productManager() const { return manager_; }

private:
    void createWindows();

    QString folder_;
    std::unique_ptr<QtPrompts> windows_;
    Prompts* prompts_;
    std::unique_ptr<StartupSession> session_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<Tmainfm> main_;
    Tsetupfm* setup_ = nullptr;
    Tskinfm* skin_ = nullptr;
    Tpromanagerfm* manager_ = nullptr;
};

// Application-wide set-up before any window: names, translations, fonts.
void prepareApplication(YzApplication& app);
