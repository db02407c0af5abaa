// SPDX-License-Identifier: MIT
// The constants screen: its layout, its one button, and a window that is kept
// and shown again unchanged.
#include "constants_sheet_widget.h"
#include "faces.h"
#include "frm_constants.h"

#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace quantora;

namespace {

const QRect designPlace(103, 129, 647, 516); // client area at 1545, 1935, 9705 × 7740 twips

// Opens the window modally and runs whileShown inside the modal display. A
// watchdog hides the window if the step did not, so a fault fails the test
// instead of hanging it. True when the step itself ended the display.
bool runModal(frmConstants &window, const std::function<void()> &whileShown)
{
    bool watchdogFired = false;
    QTimer::singleShot(0, &window, whileShown);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &window, [&] {
        watchdogFired = true;
        window.hide();
    });
    watchdog.start(5000);
    window.showModal();
    return !watchdogFired;
}

QPushButton *okButton(frmConstants &window)
{
    return window.findChild<QPushButton *>(QStringLiteral("OKButton"));
}

// A key as the keyboard delivers it: to the window's focused control.
void pressKey(frmConstants &window, Qt::Key key)
{
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, key);
}

} // namespace

class FrmConstantsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { design::installFontSubstitutions(); }

    void windowAsDesigned()
    {
        frmConstants window;
        QCOMPARE(window.objectName(), QStringLiteral("frmConstants"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Constants Screen - Quantora  2.0.0"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(128, 128, 255));
        QCOMPARE(window.minimumSize(), designPlace.size());
        QCOMPARE(window.maximumSize(), designPlace.size());
        QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        // The sheet stretched over the window colour: the column divider at
        // sheet x 1853..1860 lands on pixel 354; right of the table and outside
        // Image1 the window colour shows.
        QVERIFY(qobject_cast<ConstantsSheetWidget *>(window.findChild<QWidget *>(QStringLiteral("Image1"))));
        const QImage look = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(look.pixel(354, 280), qRgb(0, 0, 255));
        QCOMPARE(look.pixel(640, 300), qRgb(128, 128, 255));
        QCOMPARE(look.pixel(646, 515), qRgb(128, 128, 255));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QPoint>("probe"); // a point where the control must be on top
        QTest::newRow("Image1, the sheet") << "Image1" << QRect(0, 0, 644, 511) << QPoint(300, 300);
        QTest::newRow("Image2, the logo, above the sheet") << "Image2" << QRect(0, 0, 127, 80) << QPoint(63, 40);
        QTest::newRow("OKButton, above both") << "OKButton" << QRect(480, 8, 153, 73) << QPoint(556, 44);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QPoint, probe);
        frmConstants window;
        QWidget *control = window.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
        QWidget *hit = window.childAt(probe);
        QVERIFY(hit == control || control->isAncestorOf(hit));
    }

    void okButtonAsDesigned()
    {
        frmConstants window;
        QPushButton *button = okButton(window);
        QCOMPARE(button->text(), QStringLiteral("Back To Main Menu"));
        QCOMPARE(button->font().family(), QStringLiteral("Arial"));
        QCOMPARE(button->font().pointSizeF(), 12.0);
        QVERIFY(button->font().bold());
        QCOMPARE(button->iconSize(), QSize(32, 32));
        QVERIFY(button->isDefault());
        QCOMPARE(window.focusWidget(), button); // first in the tab order

        // The yellow diamond centred above a one-line caption, on the design's
        // button colour itself rather than a style's tint of it.
        const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QRect picture, caption;
        for (int y = 3; y < image.height() - 3; ++y)
            for (int x = 3; x < image.width() - 3; ++x) {
                const QRgb p = image.pixel(x, y);
                if (qRed(p) > 200 && qGreen(p) > 170 && qBlue(p) < 120)
                    picture |= QRect(x, y, 1, 1);
                else if (qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80 && y > picture.bottom())
                    caption |= QRect(x, y, 1, 1);
            }
        QVERIFY(!picture.isEmpty() && picture.width() <= 32 && picture.height() <= 32);
        QVERIFY(std::abs(picture.center().x() - image.width() / 2) <= 3);
        QVERIFY(caption.top() > picture.bottom() + 1);
        QVERIFY(caption.width() > 100 && caption.height() < 20);
        QVERIFY(std::abs(caption.center().x() - image.width() / 2) <= 4);
        QCOMPARE(image.pixel(10, image.height() / 2), qRgb(192, 192, 255));
    }

    void keyPressesBackAndHidesTheWindow_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Enter on the keypad") << Qt::Key_Enter;
    }

    void keyPressesBackAndHidesTheWindow()
    {
        QFETCH(Qt::Key, key);
        auto *window = new frmConstants;
        QPointer<frmConstants> alive(window);
        QSignalSpy clicks(okButton(*window), &QPushButton::clicked);
        QVERIFY(runModal(*window, [&] { pressKey(*window, key); }));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!window->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(alive); // hidden, not destroyed
        delete window;
    }

    // Back (or the title bar's close button), then open again: the same window,
    // at the same place, showing the same.
    void reopeningShowsTheSameWindowUnchanged()
    {
        frmConstants window;
        QPointer<frmConstants> alive(&window);
        QList<QRect> places;
        QList<QImage> looks;
        const auto look = [&] {
            places << window.geometry();
            looks << window.grab().toImage();
        };
        QVERIFY(runModal(window, [&] {
            look();
            QTest::mouseClick(okButton(window), Qt::LeftButton);
        }));
        QVERIFY(runModal(window, [&] {
            look();
            window.close();
        }));
        QCoreApplication::processEvents();
        QVERIFY(alive);
        QVERIFY(runModal(window, [&] {
            look();
            pressKey(window, Qt::Key_Return);
        }));
        QCOMPARE(places, QList<QRect>(3, designPlace));
        QCOMPARE(looks[1], looks[0]);
        QCOMPARE(looks[2], looks[0]);
    }
};

QTEST_MAIN(FrmConstantsTest)
#include "frm_constants_qtest.moc"
