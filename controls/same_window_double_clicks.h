// SPDX-License-Identifier: MIT
#pragma once

namespace quantora {

// Makes a double-click count only when both of its clicks land in the same
// window. Qt pairs two quick presses wherever they land, so the click that
// opens a window and the next click, which lands on that new window, would
// make a double-click there; that second click becomes an ordinary press.
// Installs an application-wide event filter once; later calls do nothing.
void installSameWindowDoubleClicks();

} // namespace quantora
