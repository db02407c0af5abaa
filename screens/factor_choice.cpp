// SPDX-License-Identifier: MIT
#include "factor_choice.h"

#include "settings_file.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

#include <optional>

namespace quantora {

namespace {

const QString section = QStringLiteral("conversion");
const QString key = QStringLiteral("factors");
const QString exactValue = QStringLiteral("exact");
const QString tableValue = QStringLiteral("table");

// A choice the file could not keep, which holds until the program ends, and
// why it could not (empty while the file keeps the choice, which is read from it).
struct Session {
    FactorSet unsavedChoice = FactorSet::Table;
    QString unsavedReason;
};

Session &session()
{
    static Session current;
    return current;
}

// Nothing saved, or anything but a value that saveFactorSet writes, is the
// table's factors.
FactorSet savedFactorSet()
{
    if (!session().unsavedReason.isEmpty())
        return session().unsavedChoice;
    return settings_file::read(section, key) == exactValue ? FactorSet::Exact : FactorSet::Table;
}

void saveFactorSet(FactorSet factors)
{
    const std::optional<QString> problem =
        settings_file::write(section, key, factors == FactorSet::Exact ? exactValue : tableValue);
    session() = {factors, problem.value_or(QString())};
}

QString factorsName(FactorSet factors)
{
    return factors == FactorSet::Exact ? QCoreApplication::translate("quantora::TheDisplayScreen", "Exact factors")
                                       : QCoreApplication::translate("quantora::TheDisplayScreen", "Table factors");
}

// The factors' name and, while the choice is not kept, "(not saved)" after it.
QString nameWithNote(FactorSet factors, QChar separator)
{
    if (session().unsavedReason.isEmpty())
        return factorsName(factors);
    return factorsName(factors) + separator +
           QCoreApplication::translate("quantora::FactorChoice", "(not saved)", "after the factors' name");
}

} // namespace

FactorChoice::FactorChoice(QWidget &window, QLabel &label)
    : QObject(&window), m_factors(savedFactorSet()), m_label(label),
      m_action(new QAction(QCoreApplication::translate("quantora::TheDisplayScreen", "Exact Factors"), &window))
{
    m_action->setObjectName(QStringLiteral("exactFactors"));
    m_action->setCheckable(true);
    m_action->setChecked(m_factors == FactorSet::Exact);
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_action->setShortcutContext(Qt::WindowShortcut);
    connect(m_action, &QAction::toggled, this, &FactorChoice::choose);
    window.addAction(m_action);
    show();
}

QString FactorChoice::name() const
{
    return factorsName(m_factors);
}

void FactorChoice::choose(bool exact)
{
    const FactorSet factors = exact ? FactorSet::Exact : FactorSet::Table;
    if (factors == m_factors)
        return;
    m_factors = factors;
    saveFactorSet(factors);
    show();
    emit changed(nameWithNote(factors, u' '));
}

void FactorChoice::show()
{
    m_label.setText(nameWithNote(m_factors, u'\n'));
    m_label.setToolTip(session().unsavedReason.isEmpty()
                           ? QString()
                           : QCoreApplication::translate("quantora::FactorChoice", "Not saved for the next start: %1")
                                 .arg(session().unsavedReason));
}

} // namespace quantora
