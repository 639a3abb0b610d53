#include "ui/program_start.h"
#include "ui/yz_application.h"

#include <gtest/gtest.h>

// These tests run under the program's own application object, prepared as the program
// prepares it, on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    YzApplication app(argc, argv);
    prepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
