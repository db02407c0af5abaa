// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace quantora {

// A rectangle in twips.
struct TwipsRect {
    int left, top, width, height;
};

// How a caption label under a picture lays out its text: one line with the box
// fitted to it, or a fixed box with the text centred or left-aligned and wrapped.
enum class CaptionLayout { AutoSize, Centred, Left };

// Where a quantity's picture button and caption label stand on the main menu.
struct MenuEntryLayout {
    const char *button;
    TwipsRect buttonRect;
    int tabIndex;
    const char *label;
    TwipsRect labelRect;
    CaptionLayout layout;
};

// The 31 quantity entries of the main menu, in catalogue order.
std::span<const MenuEntryLayout> menuEntryLayouts();

} // namespace quantora
