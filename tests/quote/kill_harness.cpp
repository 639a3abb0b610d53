#include "kill_harness.h"

#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

void stampVersion(OpenProject& project, int version) {
    project.customer.name = QStringLiteral("v%1").arg(version);
    for (std::size_t i = 0; i < project.room_list.size(); ++i) {
        project.room_list[i].room->setName(QStringLiteral("v%1-%2").arg(version).arg(i));
    }
    project.fieldChanged();
}

void runAndKill(const std::function<void(int readyFd)>& work, int runMs) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        work(ready[1]);
        _exit(5);
    }
    close(ready[1]);
    char byte = 0;
    const bool started = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    int status = 0;
    if (started) {
        QThread::msleep(runMs);
        EXPECT_EQ(waitpid(child, &status, WNOHANG), 0) << "the child ended by itself";
    }
    ::kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(started) << "the child could not start";
}
