// SPDX-License-Identifier: MIT
#include "factor_choice.h"

#include <QCoreApplication>
#include <QSettings>

namespace quantora::factor_choice {

namespace {

// Quantora.ini in the user's configuration folder, the same file on every system:
// ~/.config/Quantora on Linux (following XDG_CONFIG_HOME), %APPDATA%\Quantora on
// Windows, rather than the registry.
QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quantora"),
                     QStringLiteral("Quantora"));
}

const QString key = QStringLiteral("conversion/factors");
const QString exactValue = QStringLiteral("exact");
const QString tableValue = QStringLiteral("table");

} // namespace

FactorSet savedFactorSet()
{
    return settings().value(key).toString() == exactValue ? FactorSet::Exact : FactorSet::Table;
}

void saveFactorSet(FactorSet factors)
{
    settings().setValue(key, factors == FactorSet::Exact ? exactValue : tableValue);
}

QString factorSetName(FactorSet factors)
{
    return factors == FactorSet::Exact ? QCoreApplication::translate("quantora::TheDisplayScreen", "Exact factors")
                                       : QCoreApplication::translate("quantora::TheDisplayScreen", "Table factors");
}

} // namespace quantora::factor_choice
