// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

#include <span>

namespace quantora {

struct QuantityDef;

// A rectangle in twips.
struct TwipsRect {
    int left, top, width, height;
};

// How a caption label under a picture lays out its text: one line with the box
// fitted to it, or a fixed box with the text centred or left-aligned and wrapped.
enum class CaptionLayout { AutoSize, Centred, Left };

// The colour of a caption's text: the desktop's window-text colour, or black.
enum class CaptionColour { Desktop, Black };

// How one quantity looks on the main menu: its picture (the artwork's name and
// the size it is drawn at), where its picture button and caption label stand,
// the button's tab stop, and how the caption is laid out and coloured. The
// quantity's identity, names and caption text are the catalogue's.
struct MenuEntryLayout {
    const char *picture;
    QSize pictureSize;
    TwipsRect buttonRect;
    int tabIndex;
    TwipsRect labelRect;
    CaptionLayout layout;
    CaptionColour colour;
};

// One entry for each catalogue quantity, at the quantity's position in catalogue().
std::span<const MenuEntryLayout> menuEntryLayouts();

// The entry of a catalogue quantity; nullptr for a record not in the catalogue.
const MenuEntryLayout *menuEntryLayout(const QuantityDef &quantity);

} // namespace quantora
