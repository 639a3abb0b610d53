#include "platform/program_folder.h"
#include "ui/program_start.h"
#include "ui/yz_application.h"

#include <cstdio>

int main(int argc, char** argv) {
    YzApplication app(argc, argv);
    prepareApplication(app);
    QString error;
    const QString home =
        program_folder::resolve(program_folder::currentCandidates(app.arguments()), &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
    }
    ProgramStart program(home);
    if (const int status = program.start()) {
        return status;
    }
    return app.exec();
}
