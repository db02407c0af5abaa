// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quantora::settings_file {

// The program's settings file: Quantora/Quantora.ini in the user's
// configuration folder, ~/.config (XDG_CONFIG_HOME) on Linux and %APPDATA% on
// Windows, where Qt's settings put it.
QString path();

// One value of the file: "[section]" then "key=value". Reading and saving
// never wait long, and touch only a regular file (or one that a link leads
// to) of at most a few kilobytes, as this program writes it: a pipe, a device
// or a folder at the path, or a file too large to be one of this program's, is
// left alone. A missing or unreadable value reads as nothing.
std::optional<QString> read(const QString &section, const QString &key);

// Saves the value, keeping the rest of the file, through a lock (as Qt's
// settings take it) and an atomic replacement. Returns why it could not, in
// the user's language and naming the file, or nothing when it was saved.
std::optional<QString> write(const QString &section, const QString &key, const QString &value);

} // namespace quantora::settings_file
