#pragma once

#include "quote/open_project.h"

#include <functional>

// Marks every part of a project with its version: the customer "v7" and the rooms "v7-0",
// "v7-1", and so on, and marks the project edited.
void stampVersion(OpenProject& project, int version);

// Forks a child that runs `work`, which never returns and writes one byte to the file
// descriptor it is given once it is under way; waits for that byte, lets the child run for
// `runMs` more and kills it (SIGKILL). Fails the test when the child could not start or
// ended by itself.
void runAndKill(const std::function<void(int readyFd)>& work, int runMs);
