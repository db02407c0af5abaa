// SPDX-License-Identifier: MIT
// The controls of an open conversion screen, found by their names as a user
// finds them by their places.
#pragma once

#include "the_display_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace quantora::testing {

struct ScreenControls {
    TheDisplayScreen *window;
    QLineEdit *value;
    QListWidget *from;
    QListWidget *to;
    QLabel *result;
    QPushButton *back;
    QLabel *title;

    explicit ScreenControls(QWidget *modal)
        : window(qobject_cast<TheDisplayScreen *>(modal)), value(modal->findChild<QLineEdit *>("InitialValueTxt")),
          from(modal->findChild<QListWidget *>("InitialValueList")),
          to(modal->findChild<QListWidget *>("FinalValueList")), result(modal->findChild<QLabel *>("LblEqualTo")),
          back(modal->findChild<QPushButton *>("HideLengthScreen")), title(modal->findChild<QLabel *>("lblTitle"))
    {
    }
    bool complete() const { return window && value && from && to && result && back && title; }
};

} // namespace quantora::testing
