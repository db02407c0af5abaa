// SPDX-License-Identifier: MIT
// Draws every picture the windows show at a device pixel ratio of 1, at the size
// they show it, and writes the pixels out as C++ source. On such screens the
// program then shows its artwork without parsing or rasterising SVG: less work
// before the menu appears, and neither the SVG renderer's code nor the
// gradient tables of the raster engine in memory.
// Usage: bake_pictures OUTPUT.cpp
#include "picture_drawing.h"
#include "picture_list.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

using namespace quantora;

int main(int argc, char **argv)
{
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: bake_pictures OUTPUT.cpp\n", stderr);
        return 2;
    }

    QString pixels, table;
    QTextStream pixelText(&pixels), tableText(&table);
    qsizetype offset = 0;
    for (const PictureUse &use : picturesShown()) {
        const QImage image = drawPicture(use.name, use.size, 1.0);
        if (image.isNull() || image.size() != use.size) {
            std::fprintf(stderr, "bake_pictures: cannot draw %s\n", qPrintable(use.name));
            return 1;
        }
        pixelText << "    // " << use.name << ' ' << use.size.width() << " x " << use.size.height() << '\n';
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            pixelText << "   ";
            for (int x = 0; x < image.width(); ++x)
                pixelText << ' ' << Qt::hex << Qt::showbase << line[x] << "u,";
            pixelText << '\n';
        }
        tableText << "    {\"" << use.name << "\", " << use.size.width() << ", " << use.size.height() << ", pixels + "
                  << offset << "},\n";
        offset += qsizetype(use.size.width()) * use.size.height();
    }

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "bake_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Written by tools/bake_pictures from the artwork's SVG at build time.\n"
           "#include \"baked_pictures.h\"\n\n"
           "namespace quantora {\n\nnamespace {\n\n"
           "const std::uint32_t pixels[] = {\n"
        << pixels << "};\n\n"
        << "const BakedPicture pictures[] = {\n"
        << table << "};\n\n"
        << "} // namespace\n\n"
           "std::span<const BakedPicture> bakedPictures()\n{\n    return pictures;\n}\n\n"
           "} // namespace quantora\n";
    out.flush();
    return file.commit() ? 0 : 1;
}
