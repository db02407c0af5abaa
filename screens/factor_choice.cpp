// SPDX-License-Identifier: MIT
#include "factor_choice.h"

#include "settings_file.h"

#include <QCoreApplication>

#include <optional>

namespace quantora::factor_choice {

namespace {

const QString section = QStringLiteral("conversion");
const QString key = QStringLiteral("factors");
const QString exactValue = QStringLiteral("exact");
const QString tableValue = QStringLiteral("table");

// A choice the file could not keep, which holds until the program ends, and
// why it could not. A choice the file keeps is read from it.
struct Session {
    std::optional<FactorSet> unsavedChoice;
    QString unsavedReason;
};

Session &session()
{
    static Session current;
    return current;
}

} // namespace

FactorSet savedFactorSet()
{
    if (session().unsavedChoice)
        return *session().unsavedChoice;
    return settings_file::read(section, key) == exactValue ? FactorSet::Exact : FactorSet::Table;
}

void saveFactorSet(FactorSet factors)
{
    const std::optional<QString> problem =
        settings_file::write(section, key, factors == FactorSet::Exact ? exactValue : tableValue);
    session().unsavedChoice = problem ? std::optional(factors) : std::nullopt;
    session().unsavedReason = problem.value_or(QString());
}

QString unsavedReason()
{
    if (session().unsavedReason.isEmpty())
        return {};
    return QCoreApplication::translate("quantora::FactorChoice", "Not saved for the next start: %1")
        .arg(session().unsavedReason);
}

QString factorSetName(FactorSet factors)
{
    return factors == FactorSet::Exact ? QCoreApplication::translate("quantora::TheDisplayScreen", "Exact factors")
                                       : QCoreApplication::translate("quantora::TheDisplayScreen", "Table factors");
}

QString notSavedNote()
{
    if (session().unsavedReason.isEmpty())
        return {};
    return QCoreApplication::translate("quantora::FactorChoice", "(not saved)", "after the factors' name");
}

} // namespace quantora::factor_choice
