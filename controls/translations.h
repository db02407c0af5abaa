// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

#include <string>

namespace quantora {

// Shows the program's texts, and Qt's own (a line edit's menu, a message box's
// buttons), in the first of the locale's UI languages that the program has a
// translation for; with none, they stay in English. Call before any window is
// made; a later call replaces the languages an earlier one installed.
// Returns the language loaded ("de", "pt_BR"), or an empty string.
QString installTranslations(const QLocale &locale = QLocale::system());

// A text of the catalogue (a quantity's caption, name, title word or note, a
// unit's name, a frame's caption) in the user's language. `context` is the one
// the catalogue marks it with.
QString catalogueText(const char *context, const std::string &text);

} // namespace quantora
