#pragma once

#include "platform/prompts.h"

#include <QStringList>

// Prompts for work without a user: messages are kept, every question gets the cautious
// answer (no, cancel, nothing chosen).
class CautiousPrompts : public Prompts {
public:
    QStringList messages;

    void message(const QString& text) override { messages.append(text); }
    bool confirm(const QString&) override { return false; }
    ThreeWay askThreeWay(const QString&) override { return Cancel; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<double> inputNumber(const QString&, const QString&, double, double, double,
                                      int) override {
        return std::nullopt;
    }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};
