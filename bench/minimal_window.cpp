// SPDX-License-Identifier: MIT
// The floor of the start-up benchmark: the smallest Qt Widgets program, one
// label shown in a window of its own. Nothing of Quantora is linked in.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    label.show();
    return QApplication::exec();
}
