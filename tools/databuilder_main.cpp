#include "catalogue/program_data.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

// yz_databuilder PROGRAM_FOLDER: writes the delivered data into a program folder.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: yz_databuilder PROGRAM_FOLDER\n");
        return 2;
    }
    try {
        program_data::build(args[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "yz_databuilder: %s\n", e.what());
        return 1;
    }
    return 0;
}
