// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QWidget;

namespace quantora {

// The choice of factors on a conversion screen: the checkable "Exact Factors"
// action, which Ctrl+Shift+E triggers anywhere in the window, and the label
// that names the factors in use ("Table factors" or "Exact factors"), with
// "(not saved)" below while the settings file cannot keep the choice, and why
// in its tooltip. The choice holds for the session and, where the settings file
// allows, for the next start; only a choice the user makes is written.
class FactorChoice : public QObject {
    Q_OBJECT
public:
    FactorChoice(QWidget &window, QLabel &label);

    FactorSet factors() const { return m_factors; }
    QString name() const; // of the factors in use
    QAction *action() const { return m_action; }

signals:
    // The factors in use changed; `name` says to which, as it is spoken.
    void changed(const QString &name);

private:
    void choose(bool exact);
    void show();

    FactorSet m_factors;
    QLabel &m_label;
    QAction *m_action;
};

} // namespace quantora
