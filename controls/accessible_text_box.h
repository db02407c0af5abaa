// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

class QAccessibleInterface;
class QWidget;

namespace quantora {

// A one-line text box as an accessibility client reads and edits it: its text
// can be read, and set, edited, selected and given the caret as the keyboard
// does, but not while a modal window blocks it, and only within the text.
QAccessibleInterface *accessibleTextBox(QWidget *box);

// Offsets into a text of `length` characters as a client gives them, in
// AT-SPI's conventions: an end of -1 is the end of the text, and a range given
// end first is put in order. Anything else outside the text is no range.
struct TextRange {
    int start = 0;
    int end = 0;
};
std::optional<TextRange> clientRange(int start, int end, int length);

// A place between two characters (a caret, an insertion point), 0 to length;
// -1 is the end of the text.
std::optional<int> clientPosition(int position, int length);

} // namespace quantora
