#pragma once

#include <QApplication>

#include <functional>

// The application object. Engine errors that no operation catches reach the event loop
// here: they are shown with the engine's message and the operation that raised them
// stops, while the program goes on.
class YzApplication : public QApplication {
public:
    using ErrorDisplay = std::function<void(const QString& message)>;

    YzApplication(int& argc, char** argv);

    // Where the messages go (the shared message box); stderr until set.
    void setErrorDisplay(ErrorDisplay display) { display_ = std::move(display); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void show(const QString& message);

    ErrorDisplay display_;
    bool showing_ = false;
};
