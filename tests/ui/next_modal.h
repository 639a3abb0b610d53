#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Runs `answer` on the next modal window as soon as it shows.
inline void onNextModal(std::function<void(QDialog&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start(10);
}
