// SPDX-License-Identifier: MIT
#pragma once

// Helpers for driving modal windows in window tests: a modal window runs its own
// event loop, so whatever the test wants to do inside it runs from a timer.

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace quantora::testing {

// Watches for the next modal window. Stays on the watch (for up to five
// seconds) also after the handle is dropped; cancel() ends it early.
struct ModalWatch {
    bool seen = false;
    QPointer<QTimer> timer;

    operator bool() const { return seen; }
    void cancel()
    {
        if (timer)
            timer->deleteLater();
    }
};

// Runs `inside` on the next modal window that opens (polling from a timer, so
// it also works when the modal loop is nested), then closes that window if
// `inside` left it open, so that a failing check never hangs the test.
// A window given as `besides` (an already open modal) is not taken.
inline std::shared_ptr<ModalWatch> onNextModal(std::function<void(QWidget *)> inside, QWidget *besides = nullptr)
{
    auto watch = std::make_shared<ModalWatch>();
    auto *timer = new QTimer(qApp);
    watch->timer = timer;
    timer->setInterval(5);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, inside, besides, started, seen = std::weak_ptr(watch)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != besides) {
            timer->stop();
            timer->deleteLater();
            if (const auto watching = seen.lock())
                watching->seen = true;
            inside(modal);
            if (modal->isVisible())
                modal->close();
        } else if (started->elapsed() > 5000) {
            timer->stop(); // give up; the caller's check of the flag fails
            timer->deleteLater();
        }
    });
    timer->start();
    return watch;
}

// Lets the event loop run until `done` or two seconds have passed.
inline void processUntil(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace quantora::testing
