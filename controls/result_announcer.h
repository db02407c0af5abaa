// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace quantora {

// Speaks short news of a window through screen readers: a new result, or what
// was copied. Screen readers speak a change of the focused control, but on a
// unit list the focus is on a list item and the result changes elsewhere, and
// some Qt versions send name and description changes in a form that screen
// readers cannot read. A notification is spoken wherever the focus is.
namespace result_announcer {

// "result TEXT" in the user's language, as the result is spoken and described.
QString resultText(const QString &result);

// Announces "result TEXT" once, when TEXT differs from the last result of this
// window, and only while the window is the active one. The first call for a
// window only records its result.
void announceResult(QWidget &window, const QString &text);

// Announces "WHAT, result TEXT" while the window is active, whether or not
// the result changed: a change of how the window converts, with the result it
// gives now. TEXT becomes the window's last result.
void announceChange(QWidget &window, const QString &what, const QString &text);

// Announces "Copied TEXT" while the window is active.
void announceCopied(const QWidget &window, const QString &text);

// Whether Qt's bridge passes a changed description as text, so that a screen
// reader speaks it on the focused control by itself.
bool bridgeSpeaksDescriptionChanges();

} // namespace result_announcer

} // namespace quantora
