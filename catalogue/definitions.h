// SPDX-License-Identifier: MIT
#pragma once

// The defining constants of the units, in SI units (m, kg, s, K, mol, and the
// units derived from them). Each defining number is written once here; the unit
// rows of the frame sources compose their exact factors from these names, as
// "lbf / (inch * inch)", and never retype a decimal. They are long doubles, so
// that a composition of several steps still rounds to the double nearest its
// value where long double is wider than double.
namespace quantora::defined {

// clang-format off

// ---- SI and its decimal multiples (SI Brochure, 9th edition) ---------------
inline constexpr long double metre      = 1;
inline constexpr long double centimetre = metre / 100;
inline constexpr long double millimetre = metre / 1000;
inline constexpr long double kilogram   = 1;
inline constexpr long double gram       = kilogram / 1000;
inline constexpr long double second     = 1;
inline constexpr long double minute     = 60 * second;
inline constexpr long double hour       = 60 * minute;
inline constexpr long double day        = 24 * hour;
inline constexpr long double kelvin     = 1; // also one degree Celsius, as an interval
inline constexpr long double mole       = 1;
inline constexpr long double newton     = kilogram * metre / (second * second);
inline constexpr long double joule      = newton * metre;
inline constexpr long double watt       = joule / second;
inline constexpr long double pascal     = newton / (metre * metre);
inline constexpr long double litre      = metre * metre * metre / 1000; // 1 dm³, since 1964
inline constexpr long double bar        = 100000 * pascal;              // NIST SP 811, B.9; SI Brochure, 8th ed., Table 8
inline constexpr long double dyne       = newton / 100000;              // CGS
inline constexpr long double erg        = joule / 10000000;             // CGS

// The litre of 1901, the volume of one kilogram of water at its greatest
// density: 1.000028 dm³ (SI Brochure, 8th edition, note to Table 6).
inline constexpr long double litre1901 = 1.000028L * litre;

// A mass flow "per year" takes the year as 365 days.
inline constexpr long double year365 = 365 * day;

// ---- length and mass: the international yard and pound (NIST SP 811, B.9) ---
inline constexpr long double inch   = 0.0254L * metre;
inline constexpr long double foot   = 12 * inch;
inline constexpr long double yard   = 3 * foot;
inline constexpr long double mile   = 5280 * foot;
inline constexpr long double pound  = 0.45359237L * kilogram;
inline constexpr long double ounce  = pound / 16;
inline constexpr long double stone  = 14 * pound;
inline constexpr long double ukTon  = 2240 * pound; // long ton
inline constexpr long double usTon  = 2000 * pound; // short ton
inline constexpr long double carat  = gram / 5;     // metric carat

// ---- volume (NIST SP 811, B.9) ------------------------------------------------
inline constexpr long double usGallon       = 231 * inch * inch * inch;
inline constexpr long double impGallon      = 4.54609L * litre; // UK Weights and Measures Act 1985
inline constexpr long double ukPint         = impGallon / 8;
inline constexpr long double ukFluidOunce   = impGallon / 160;
inline constexpr long double usLiquidBarrel = 31.5L * usGallon;
inline constexpr long double usOilBarrel    = 42 * usGallon;

// ---- force, and weight by standard gravity (SI Brochure; NIST SP 811) ------
inline constexpr long double standardGravity = 9.80665L * metre / (second * second); // 3rd CGPM, 1901
inline constexpr long double kgf     = kilogram * standardGravity;
inline constexpr long double lbf     = pound * standardGravity;
inline constexpr long double poundal = pound * foot / (second * second);
inline constexpr long double slug    = lbf * second * second / foot;

// ---- pressure (NIST SP 811, B.9) ----------------------------------------------
inline constexpr long double atmosphere = 101325 * pascal;      // standard atmosphere, 10th CGPM
inline constexpr long double torr       = atmosphere / 760;
inline constexpr long double mmHg       = 133.322387415L * pascal; // conventional millimetre of mercury
inline constexpr long double inHg       = (inch / millimetre) * mmHg;
// A column of water at 4 °C, as the conversion screen's note says, under standard
// gravity: 999.972 kg/m³, the density NIST SP 811 takes for the inch and foot of
// water at 39.2 °F (249.082 Pa and 2988.98 Pa).
inline constexpr long double waterDensity = 999.972L * kilogram / (metre * metre * metre);
inline constexpr long double inH2O        = inch * waterDensity * standardGravity;
inline constexpr long double ftH2O        = foot * waterDensity * standardGravity;

// ---- heat (NIST SP 811, B.8 and B.9) --------------------------------------------
// One degree Fahrenheit or Rankine as an interval.
inline constexpr long double fahrenheitDegree = kelvin / 1.8L;
inline constexpr long double calorieIT        = 4.1868L * joule; // International Table calorie
inline constexpr long double calorieTh        = 4.184L * joule;  // thermochemical calorie
inline constexpr long double calorie15        = 4.1855L * joule; // 15 °C calorie of the CIPM (1950), as the thermie takes it
// The International Table Btu: 1 Btu/lb is exactly 2326 J/kg (1055.05585262 J).
inline constexpr long double btuIT = 2326 * (joule / kilogram) * pound;
// The thermochemical Btu: the thermochemical calorie per gram and degree
// Celsius, per pound and degree Fahrenheit (1054.3502644... J).
inline constexpr long double btuTh = calorieTh / (gram * kelvin) * pound * fahrenheitDegree;
// The Celsius heat unit: one pound of water by one degree Celsius, 1.8 Btu.
inline constexpr long double chu     = btuIT * (kelvin / fahrenheitDegree);
inline constexpr long double therm   = 100000 * btuIT;
inline constexpr long double thermie = 1000000 * calorie15;

// ---- power (NIST SP 811, B.9) ---------------------------------------------------
inline constexpr long double horsepower       = 550 * foot * lbf / second; // mechanical
inline constexpr long double metricHorsepower = 75 * kgf * metre / second;
inline constexpr long double tonOfRefrigeration = 12000 * btuIT / hour;

// ---- amount of substance and the ideal gas -------------------------------------
// The Avogadro and Boltzmann constants are defining constants of the SI (SI
// Brochure, 9th edition, Table 1); the molar gas constant is their product,
// exactly 8.31446261815324 J/(mol·K) (CODATA 2018).
inline constexpr long double avogadro    = 6.02214076e23L / mole;
inline constexpr long double boltzmann   = 1.380649e-23L * joule / kelvin;
inline constexpr long double gasConstant = avogadro * boltzmann;
inline constexpr long double poundMole   = (pound / gram) * mole;
// The molar volume of an ideal gas at 0 °C and one standard atmosphere.
inline constexpr long double standardMolarVolume = gasConstant * (273.15L * kelvin) / atmosphere;

// clang-format on

} // namespace quantora::defined
