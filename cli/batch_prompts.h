#pragma once

#include "platform/cautious_prompts.h"

// The prompts of a command line run: nobody answers, so every question is declined, and
// a file to save is the one named on the command line (none: the save is cancelled).
// Messages are kept for the command to report. With `confirmed` set (an option that
// answers the command's one question beforehand) a yes/no question is answered yes.
class BatchPrompts : public CautiousPrompts {
public:
    QString savePath;
    bool confirmed = false;

    bool confirm(const QString& question) override {
        return confirmed || CautiousPrompts::confirm(question);
    }

    QString chooseSaveFile(const QString&, const QString&, const QString&) override {
        return savePath;
    }
};
