#include "platform/program_folder.h"
#include "ui/program_start.h"
#include "ui/yz_application.h"

int main(int argc, char** argv) {
    YzApplication app(argc, argv);
    prepareApplication(app);
    const program_folder::Resolution home = program_folder::resolve(
        program_folder::currentCandidates(app.arguments(), QStringLiteral(YZ_BUILD_DATA_DIR)));
    ProgramStart program(home.folder);
    if (const int status = program.start(home.problem)) {
        return status;
    }
    return app.exec();
}
