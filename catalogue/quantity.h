// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quantora {

// Marks a catalogue text that people read in the windows for the translation
// tools, which find it by this name and file it under the context (the field:
// "Caption", "Quantity" for a full name, "Title", "Note", "Unit", "Frame"); the windows look it up in the user's
// language. The text itself stays as written: the command line shows and matches it in English.
constexpr const char *translatable(const char * /*context*/, const char *text)
{
    return text;
}

// How a quantity converts: by the ratio of two factors, or (Temperature only)
// through the offset formulas of the temperature scales.
enum class ConversionMode { Ratio, Temperature };

// The scale of a temperature unit; it picks the formulas that take a value in
// that unit to degrees Celsius and back.
enum class TemperatureScale { Celsius, Fahrenheit, Kelvin, Rankine };

// Which factors a ratio conversion uses: the catalogue's table factors, which
// the windows and the command line use unless told otherwise, or the factors
// exact to the units' definitions.
enum class FactorSet { Table, Exact };

// One unit of a quantity. The factor text, not the computed double, is what a
// conversion by the table's factors reads back, so a factor that is not exact
// in double precision acts as its 15-digit text.
struct UnitEntry {
    std::string name;
    std::string factorText;
    // The unit's size in the same base unit as the factor text, as the unit's
    // definition gives it (1 for the temperature scales, which have none).
    double exactFactor = 1;
    // The symbols and words people also type for the unit ("inch", "psi"),
    // each naming no other unit of its quantity.
    std::vector<std::string> otherNames;
    std::optional<TemperatureScale> scale = {}; // the units of Temperature have one, no others
};

// The main-menu frame that holds a quantity's picture button.
enum class MenuFrame { Frame1, FlowRelated, Frame2, Frame3 };

// One quantity of the catalogue, with everything the main menu and the
// conversion screen need to show it.
struct QuantityDef {
    std::string button;   // objectName of its picture button on the main menu
    std::string label;    // objectName of its caption label
    std::string caption;  // the caption label's text, exactly as shown
    std::string fullName; // the quantity's name in full, as a screen reader says it and the CLI lists it
    std::vector<std::string> otherNames{}; // other words people type for the quantity
    MenuFrame frame;
    std::string titleWord; // put in front of "Conversion", trailing blank included
    std::string note;      // empty when the quantity has no note
    ConversionMode mode;
    int defaultUnit; // 0-based position selected in both unit lists
    std::vector<UnitEntry> units;
};

} // namespace quantora
