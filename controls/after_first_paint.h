// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

namespace quantora {

// Runs a piece of work once, just after the first window of a given class has
// painted itself: the work waits until the window is on screen with all its
// content, then runs before the next event. Work not yet run when this object
// is destroyed is dropped.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(const QMetaObject &windowClass, std::function<void()> work);
    ~AfterFirstPaint() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QMetaObject &m_windowClass;
    std::function<void()> m_work;
};

} // namespace quantora
