#pragma once

#include "ui/localisation.h"

#include <QApplication>

#include <functional>

using ErrorDisplay = std::function<void(const QString& message)>;

// Runs one event delivery. An engine error (or any other exception) that a handler lets
// through is shown with its message and the delivery counts as not handled.
bool deliverShowingErrors(const std::function<bool()>& deliver, const ErrorDisplay& show);

// The application object. Engine errors that no operation catches reach the event loop
// here: they are shown and the operation that raised them stops, while the program
// goes on. Its Qt part is made under the Chinese system locale (bases are made first).
class YzApplication : private ChineseSystemLocale, public QApplication {
public:
    YzApplication(int& argc, char** argv);

    // Where the messages go (the shared message box); stderr until set.
    void setErrorDisplay(ErrorDisplay display) { display_ = std::move(display); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void show(const QString& message);

    ErrorDisplay display_;
    bool showing_ = false;
};
