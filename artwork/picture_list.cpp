// SPDX-License-Identifier: MIT
#include "picture_list.h"

#include "main_menu_layout.h"
#include "twips.h"

#include <algorithm>
#include <tuple>

namespace quantora {

QList<PictureUse> picturesShown()
{
    QList<PictureUse> uses;
    for (const MenuEntryLayout &entry : menuEntryLayouts())
        uses.append({QLatin1String(entry.picture), entry.pictureSize});
    const QSize icon{32, 32};
    // The constants entry, the buttons' icons and the window icon's two images.
    for (const char *name : {"constants", "exit", "back", "window-icon"})
        uses.append({QLatin1String(name), icon});
    uses.append({QStringLiteral("window-icon"), {16, 16}});
    // The logo, stretched over its boxes on the main menu and the constants screen.
    uses.append({QStringLiteral("logo"), design::size(3600, 3360)});
    uses.append({QStringLiteral("logo"), design::size(1905, 1200)});

    // In a fixed order, so that the build writes the same file every time.
    const auto key = [](const PictureUse &use) { return std::tuple(use.name, use.size.width(), use.size.height()); };
    std::sort(uses.begin(), uses.end(), [&](const auto &a, const auto &b) { return key(a) < key(b); });
    uses.erase(std::unique(uses.begin(), uses.end(), [&](const auto &a, const auto &b) { return key(a) == key(b); }),
               uses.end());
    return uses;
}

} // namespace quantora
