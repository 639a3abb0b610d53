#pragma once

#include <functional>

class QDialog;

// Runs `answer` on the next modal window as soon as it shows.
void onNextModal(std::function<void(QDialog&)> answer);
