// SPDX-License-Identifier: MIT
#include "quantity_pictures.h"

#include <QHash>

namespace quantora {

namespace {

const QSize icon{32, 32};

// clang-format off
const QHash<QString, QuantityPicture> &pictures()
{
    static const QHash<QString, QuantityPicture> table = {
        {"Lengthcmd",                  {"length", icon}},
        {"VolumeCmd",                  {"volume", icon}},
        {"MassCmd",                    {"mass", icon}},
        {"PressureCmd",                {"pressure", icon}},
        {"TemperatureCmd",             {"temperature", {32, 32}}},
        {"AreaCmd",                    {"area", icon}},
        {"VelocityCmd",                {"velocity", icon}},
        {"MassFlowRateCmd",            {"mass-flow-rate", icon}},
        {"CmdVolumeFlowRate",          {"volume-flow-rate", icon}},
        {"IdealGasVolumeCmd",          {"ideal-gas-volume", icon}},
        {"DensityCmd",                 {"density", {35, 40}}},
        {"DynamicViscosityCmd",        {"dynamic-viscosity", icon}},
        {"CmdKinematicViscosity",      {"kinematic-viscosity", icon}},
        {"CmdDensityOfHeatFlowRate",   {"density-of-heat-flow-rate", {42, 64}}},
        {"ConcentrationCmd",           {"concentration", icon}},
        {"MolarConcentrationCmd",      {"molar-concentration", icon}},
        {"IdealGasConstantCmd",        {"ideal-gas-constant", icon}},
        {"ArrheniusConstantCmd",       {"arrhenius-constant", icon}},
        {"ActivationEnergyCmd",        {"activation-energy", icon}},
        {"CmdSpecificEnergy",          {"specific-energy", icon}},
        {"EnergyCmd",                  {"energy", {36, 43}}},
        {"PowerCmd",                   {"power", {32, 32}}},
        {"ForceCmd",                   {"force", icon}},
        {"cmdTorque",                  {"torque", icon}},
        {"CmdStress",                  {"stress", icon}},
        {"SurfaceTensionCmd",          {"surface-tension", {64, 64}}},
        {"CmdCalorificValue",          {"calorific-value", icon}},
        {"SpecificHeatCapacityCmd",    {"specific-heat-capacity", icon}},
        {"ThermalConductivityCmd",     {"thermal-conductivity", icon}},
        {"HeatTransferCoefficientCmd", {"heat-transfer-coefficient", icon}},
        {"EnthalpyCmd",                {"enthalpy", icon}},
    };
    return table;
}
// clang-format on

} // namespace

QuantityPicture quantityPicture(const QString &button)
{
    return pictures().value(button);
}

QList<QuantityPicture> quantityPictures()
{
    return pictures().values();
}

} // namespace quantora
