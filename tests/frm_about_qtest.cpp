// SPDX-License-Identifier: MIT
#include "faces.h"
#include "frm_about.h"
#include "path_registry.h"
#include "picture_widgets.h"
#include "registry.h"
#include "start_sys_info.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace quantora;

namespace {

const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");
#ifdef Q_OS_WIN
const QString sysInfoProgram =
    QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
#else
const QString sysInfoProgram = QStringLiteral("/usr/bin/hardinfo");
#endif

// Stands in for the system: records what the About box asks of it.
struct FakeSystem {
    std::shared_ptr<const sysinfo::Registry> registry = std::make_shared<sysinfo::InMemoryRegistry>();
    bool startSucceeds = true;
    QStringList started;
    struct Message {
        QWidget *parent;
        QString caption;
        QString text;
        QString informative;
    };
    QList<Message> messages;

#ifdef Q_OS_WIN
    // The registry names the system-information program.
    void installSysInfoProgram()
    {
        auto named = std::make_shared<sysinfo::InMemoryRegistry>();
        named->setText(sysinfo::hkeyLocalMachine, std::string(sysinfo::programPathKey),
                       std::string(sysinfo::programPathValue), sysInfoProgram.toStdString());
        registry = named;
    }
#else
    // hardinfo is installed in /usr/bin and nothing else.
    void installSysInfoProgram()
    {
        registry = std::make_shared<sysinfo::PathRegistry>(
            "/usr/local/bin:/usr/bin", [](const std::string &file) { return file == "/usr/bin/hardinfo"; });
    }
#endif

    // The operations; with realMessageBox, the real message box is shown.
    SysInfoOperations operations(bool realMessageBox = false)
    {
        SysInfoOperations ops;
        ops.registry = registry;
        ops.fileExists = [](const QString &) { return false; };
        ops.startProgram = [this](const QString &program) {
            started << program;
            return startSucceeds;
        };
        if (!realMessageBox)
            ops.showMessage = [this](QWidget *parent, const QString &caption, const QString &text,
                                     const QString &informative) {
                messages.push_back({parent, caption, text, informative});
            };
        return ops;
    }
};

template <typename T> T *control(const QWidget &box, const char *name)
{
    auto *widget = box.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("control %s missing", name);
    return widget;
}

enum class CloseBy { enter, keypadEnter, escape, titleBar };

} // namespace

Q_DECLARE_METATYPE(CloseBy)

class FrmAboutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { design::installFontSubstitutions(); }

    void captionsAndTexts()
    {
        FakeSystem system;
        frmAbout box(system.operations());
        QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(box.windowTitle(), QStringLiteral("About Quantora"));
        QCOMPARE(control<QLabel>(box, "lblTitle")->text(), QStringLiteral("Quantora"));
        QCOMPARE(control<QLabel>(box, "lblVersion")->text(), QStringLiteral("Version 2.0.0"));
        QCOMPARE(control<QLabel>(box, "Label1")->text(), QStringLiteral("Orvandel"));
        QCOMPARE(control<QLabel>(box, "lblDescription")->text(),
                 QStringLiteral("A Quantora that  makes conversion between various engineering units easy .  The "
                                "program is constructed in such away that it gives the equivalent measurement  by "
                                "moving the pointer to the required unit...."));
        QCOMPARE(control<QPushButton>(box, "cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(control<QPushButton>(box, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
        QVERIFY(control<QPushButton>(box, "cmdOK")->isDefault());
        QVERIFY(control<QLabel>(box, "lblDescription")->wordWrap());
        QCOMPARE(control<QLabel>(box, "lblTitle")->font().pointSizeF(), 24.0);
        QCOMPARE(control<QLabel>(box, "lblVersion")->font().pointSizeF(), 9.75);
        QCOMPARE(box.palette().color(QPalette::Window), QColor(128, 128, 255));
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        // Design twips divided by 15.
        QTest::newRow("picIcon") << "picIcon" << QRect(24, 16, 87, 86);
        QTest::newRow("cmdOK") << "cmdOK" << QRect(184, 200, 84, 31);
        QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(284, 200, 83, 31);
        QTest::newRow("Label1") << "Label1" << QRect(240, 168, 123, 15);
        QTest::newRow("lblDescription") << "lblDescription" << QRect(16, 104, 339, 86);
        QTest::newRow("lblVersion") << "lblVersion" << QRect(176, 80, 163, 15);
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        FakeSystem system;
        frmAbout box(system.operations());
        QCOMPARE(control<QWidget>(box, name.toLatin1().constData())->geometry(), pixels);
    }

    void captionsKeepTheirPadding_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("OK") << "cmdOK";
        QTest::newRow("System Info...") << "cmdSysInfo";
    }

    void captionsKeepTheirPadding()
    {
        // Also run at 200 %. The caption's ink, found as its dark pixels, keeps
        // clear of the button's edges by more than the bevel.
        QFETCH(QString, name);
        FakeSystem system;
        frmAbout box(system.operations());
        const QImage image = control<QWidget>(box, name.toLatin1().constData())->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        int left = image.width();
        int right = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 64) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        QVERIFY2(right >= 0, "no caption drawn");
        QVERIFY2(left / ratio >= 4, qPrintable(QStringLiteral("caption %1 px from the left edge").arg(left / ratio)));
        QVERIFY2(
            (image.width() - 1 - right) / ratio >= 4,
            qPrintable(QStringLiteral("caption %1 px from the right edge").arg((image.width() - 1 - right) / ratio)));
    }

    void windowFrameAndTitleWidth()
    {
        FakeSystem system;
        frmAbout box(system.operations());
        QCOMPARE(box.size(), QSize(382, 237));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(box.geometry().topLeft(), QPoint(156, 129));

        // The title keeps its left edge and height and takes the width of its text.
        const QLabel *title = control<QLabel>(box, "lblTitle");
        QCOMPARE(title->pos(), QPoint(208, 24));
        QCOMPARE(title->height(), 37);
        QVERIFY(title->width() >= title->fontMetrics().horizontalAdvance(QStringLiteral("Quantora")));
        QVERIFY(title->geometry().right() < box.width());

        // The logo's top-left corner, all the box shows of it, is empty: only the background shows.
        const QImage icon = control<PictureBox>(box, "picIcon")->grab().toImage();
        int otherPixels = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                otherPixels += icon.pixelColor(x, y) != QColor(128, 128, 255);
        QCOMPARE(otherPixels, 0);
    }

    // The control that a click at x, y reaches ("frmAbout" for the box itself).
    static QString nameAt(const QWidget &box, int x, int y)
    {
        const QWidget *child = box.childAt(x, y);
        return child ? child->objectName() : box.objectName();
    }

    void stacking()
    {
        FakeSystem system;
        frmAbout box(system.operations());
        // The description covers Label1 except for its right-most 120 twips.
        QCOMPARE(nameAt(box, 250, 170), QStringLiteral("lblDescription"));
        QCOMPARE(nameAt(box, 354, 170), QStringLiteral("lblDescription"));
        QCOMPARE(nameAt(box, 356, 170), QStringLiteral("Label1"));
        // The etched separator: the white line (from 105 twips, 2 pixels high) over
        // the grey one (from 90 twips, 1 pixel high) on the same row; the grey shows
        // at its left end. Read from their places and order, not by childAt: from
        // Qt 6.8 on, childAt finds no widget one pixel high.
        const auto *grey = control<QWidget>(box, "Line1_1");
        const auto *white = control<QWidget>(box, "Line1_0");
        QCOMPARE(grey->geometry(), QRect(6, 192, 372, 1));
        QCOMPARE(white->geometry(), QRect(7, 192, 371, 2));
        QVERIFY(box.children().indexOf(white) > box.children().indexOf(grey)); // drawn over it
        QCOMPARE(nameAt(box, 100, 194), QStringLiteral("frmAbout"));
    }

    void tabOrder()
    {
        FakeSystem system;
        frmAbout box(system.operations());
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        // The empty picture box takes no focus.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSysInfo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
    }

    void closesThroughOk_data()
    {
        QTest::addColumn<CloseBy>("how");
        QTest::newRow("Enter") << CloseBy::enter;
        QTest::newRow("keypad Enter") << CloseBy::keypadEnter;
        QTest::newRow("Esc") << CloseBy::escape;
        QTest::newRow("title bar") << CloseBy::titleBar;
    }

    // Enter presses the button with the focus, not the default one.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(int, key);
        FakeSystem system;
        system.installSysInfoProgram();
        frmAbout box(system.operations());
        QSignalSpy okClicks(control<QPushButton>(box, "cmdOK"), &QPushButton::clicked);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        control<QPushButton>(box, "cmdSysInfo")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(system.started, QStringList{sysInfoProgram});
        QCOMPARE(okClicks.count(), 0);
        QVERIFY(box.isVisible());
    }

    void closesThroughOk()
    {
        QFETCH(CloseBy, how);
        FakeSystem system;
        frmAbout box(system.operations());
        QSignalSpy okClicks(control<QPushButton>(box, "cmdOK"), &QPushButton::clicked);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));

        QWidget *focus = QApplication::focusWidget();
        switch (how) {
        case CloseBy::enter:
            QTest::keyClick(focus, Qt::Key_Return);
            break;
        case CloseBy::keypadEnter:
            QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case CloseBy::escape:
            QTest::keyClick(focus, Qt::Key_Escape);
            break;
        case CloseBy::titleBar:
            box.close();
            break;
        }
        QTRY_VERIFY(!box.isVisible());
        QCOMPARE(okClicks.count(), 1);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(system.started.isEmpty());
    }

    void altSPressesSystemInfo()
    {
        FakeSystem system;
        system.installSysInfoProgram();
        frmAbout box(system.operations());
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QTest::keyClick(&box, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(system.started, QStringList{sysInfoProgram});
        QVERIFY(system.messages.isEmpty());
        QVERIFY(box.isVisible());
    }

    void messageBoxWhenNothingFound()
    {
        FakeSystem system;
        frmAbout box(system.operations(true));
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));

        QString caption, text, informative;
        QMessageBox::Icon icon = QMessageBox::Critical;
        QMessageBox::StandardButtons buttons;
        QWidget *parent = nullptr;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *message = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                caption = message->windowTitle();
                text = message->text();
                informative = message->informativeText();
                icon = message->icon();
                buttons = message->standardButtons();
                parent = message->parentWidget();
                message->button(QMessageBox::Ok)->click();
            }
        });
        closer.start(20);
        control<QPushButton>(box, "cmdSysInfo")->click();
        closer.stop();

        QCOMPARE(caption, QStringLiteral("Quantora"));
        QCOMPARE(text, unavailable);
#ifndef Q_OS_WIN
        // What to install to make the button work.
        QCOMPARE(
            informative,
            QStringLiteral("Quantora looks for one of these programs on the PATH: hardinfo2, hardinfo, kinfocenter."));
#endif
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(parent, &box);
        QVERIFY(system.started.isEmpty());
        QVERIFY(box.isVisible()); // the About box stays open
        // With no window manager to do it, the About box takes the keys back.
        QTRY_COMPARE(QApplication::activeWindow(), &box);
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == &box);
    }

    void failedStartShowsMessage()
    {
        FakeSystem system;
        system.installSysInfoProgram();
        system.startSucceeds = false;
        frmAbout box(system.operations());
        control<QPushButton>(box, "cmdSysInfo")->click();
        QCOMPARE(system.started, QStringList{sysInfoProgram});
        QCOMPARE(system.messages.size(), 1);
        QCOMPARE(system.messages.front().caption, QStringLiteral("Quantora"));
        QCOMPARE(system.messages.front().text, unavailable);
        QCOMPARE(system.messages.front().parent, &box);
    }

    void showModalRunsUntilClosed()
    {
        QString title;
        bool wasModal = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == QLatin1String("frmAbout")) {
                title = modal->windowTitle();
                wasModal = modal->isModal();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        closer.start(20);
        frmAbout::showModal();
        closer.stop();
        QCOMPARE(title, QStringLiteral("About Quantora"));
        QVERIFY(wasModal);
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(window->objectName() != QLatin1String("frmAbout"));
    }
};

QTEST_MAIN(FrmAboutTest)
#include "frm_about_qtest.moc"
