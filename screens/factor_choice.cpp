// SPDX-License-Identifier: MIT
#include "factor_choice.h"

#include <QCoreApplication>
#include <QSettings>

namespace quantora::factor_choice {

namespace {

// ~/.config/Quantora/Quantora.conf on Linux, following XDG_CONFIG_HOME.
QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quantora"),
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
