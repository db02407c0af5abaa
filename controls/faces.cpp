// SPDX-License-Identifier: MIT
#include "faces.h"

#include <QFontDatabase>

namespace quantora::design {

QFont font(const QString &family, qreal pointSize, int weight)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

void installFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                                         QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(
        QStringLiteral("Comic Sans MS"),
        {QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
#ifdef Q_OS_WIN
    // The URW Bookman Light that the program brings, under a Windows family of its
    // own: as plain "URW Bookman" Windows may take its Demi face.
    QFont::insertSubstitution(QStringLiteral("Bookman Old Style"), QStringLiteral("URW Bookman Light"));
#endif
    QFont::insertSubstitutions(QStringLiteral("Bookman Old Style"),
                               {QStringLiteral("URW Bookman"), QStringLiteral("URW Bookman L"),
                                QStringLiteral("Bookman"), QStringLiteral("DejaVu Serif")});
#ifdef Q_OS_WIN
    // Linux's font configuration knows "Sans Serif" as its default sans-serif
    // face; Windows knows no such family, and the program brings DejaVu Sans.
    QFont::insertSubstitutions(QStringLiteral("Sans Serif"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")});
#endif
}

QFont defaultFont()
{
    QFont face = font(QStringLiteral("Sans Serif"), 9);
    face.setStyleHint(QFont::SansSerif);
    face.setStyle(QFont::StyleNormal);
    return face;
}

void addBundledFaces([[maybe_unused]] const QString &folder)
{
#ifdef Q_OS_WIN
    // The design's families and the free faces that stand in for them; only
    // the faces of families the system lacks are read.
    const struct {
        const char *family;
        const char *file;
    } faces[] = {
        {"Bookman Old Style", "URWBookman-Light.otf"},
        {"Sans Serif", "DejaVuSans.ttf"},
    };
    for (const auto &face : faces) {
        if (!QFontDatabase::hasFamily(QLatin1String(face.family)))
            QFontDatabase::addApplicationFont(folder + u'/' + QLatin1String(face.file));
    }
#endif
}

} // namespace quantora::design
