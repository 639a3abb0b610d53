#pragma once

// In builds with the address sanitizer's leak check: loads Mesa's software OpenGL driver
// for good. Mesa unloads it when the last display goes, and the leak check at exit then
// cannot name the allocations the driver keeps to the end (tests/lsan.supp suppresses them
// by the driver's name). Does nothing in other builds.
void keepGraphicsDriverForLeakCheck();
