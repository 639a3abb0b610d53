#pragma once

#include "support/temp_folder.h"

// A program folder in a temporary folder with both delivered databases and a
// "setup.ini" holding `setupIni` (GBK is not needed for ASCII text).
class StagedProgram {
public:
    explicit StagedProgram(const QByteArray& setupIni = {});
    const TempFolder& home() const { return home_; }
    QString path() const { return home_.path(); }

private:
    TempFolder home_;
};
