#include "quote/startup_session.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/program_start.h"

#include <gtest/gtest.h>

// Why the program folder could not be filled is the first thing the user reads; the
// start then ends as it does for any folder without a product library.
TEST(ProgramStartProblem, TheFolderProblemIsShownBeforeTheLibraryMessage) {
    TempFolder empty;
    ScriptedPrompts prompts;
    ProgramStart program(empty.path(), &prompts);
    const QString problem = QStringLiteral("程序文件夹 %1 中没有产品库").arg(empty.path());
    EXPECT_EQ(program.start(problem), FatalStartExitStatus);
    EXPECT_EQ(prompts.messages(), QStringList({problem, QString::fromUtf8(LibraryBrokenMessage)}));
}
