#pragma once

#include "platform/cautious_prompts.h"

// The prompts of a command line run: nobody answers, so every question is declined, and
// a file to save is the one named on the command line (none: the save is cancelled).
// Messages are kept for the command to report, and so are the questions declined, so that
// a command stopped by one can say which. With `confirmed` set (an option that answers the
// command's one question beforehand) a yes/no question is answered yes.
class BatchPrompts : public CautiousPrompts {
public:
    QString savePath;
    bool confirmed = false;
    QStringList declined;

    bool confirm(const QString& question) override {
        if (!confirmed) {
            declined.append(question);
        }
        return confirmed;
    }
    ThreeWay askThreeWay(const QString& question) override {
        declined.append(question);
        return Cancel;
    }

    QString chooseSaveFile(const QString&, const QString&, const QString&) override {
        return savePath;
    }
};
