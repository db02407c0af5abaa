// SPDX-License-Identifier: MIT
#pragma once

namespace quantora {

#ifdef _WIN32
// Makes quantora-cli on Windows read and write what it does on Linux: argv becomes
// the arguments in UTF-8 (read from the wide command line, whatever the ANSI code
// page), standard input and output pass bytes unchanged (no "\r\n", no end at
// Ctrl-Z), and output to a console shows its UTF-8 text through WriteConsoleW.
// Call once at the start of main, after std::ios::sync_with_stdio.
void setUpConsole(int &argc, char **&argv);
#else
// Elsewhere the arguments and the streams are bytes already.
inline void setUpConsole(int &, char **&) {}
#endif

} // namespace quantora
