// SPDX-License-Identifier: MIT
// The conversion screen's live result, driven through the keyboard and mouse
// on a screen opened from the main menu.
#include "accessibility.h"
#include "faces.h"
#include "frm_about.h"
#include "initial_screen.h"
#include "modal_helpers.h"
#include "picture_widgets.h"
#include "screen_controls.h"
#include "the_display_screen.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

using namespace quantora;
using quantora::testing::onNextModal;

namespace {

// An open conversion screen, and what the user does on it.
struct Screen : quantora::testing::ScreenControls {
    using ScreenControls::ScreenControls;

    // Selects a unit as the user does, with a click on its row.
    static void pick(QListWidget *list, int row)
    {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    void retype(const QString &text) const
    {
        value->selectAll();
        QTest::keyClick(value, Qt::Key_Delete);
        QTest::keyClicks(value, text);
    }
};

} // namespace

class TheDisplayScreenTest : public QObject {
    Q_OBJECT

public:
    // The choice of factors is kept in a configuration folder of the test's own.
    static void initMain();

private slots:
    void initTestCase();
    void init();
    void everyKeystrokeRecomputes_data();
    void everyKeystrokeRecomputes();
    void changingOneUnitKeepsTheOther();
    void outOfRangeAndBackAgain();
    void resultStaysAsTheFocusMoves();
    void keyboardSelectsUnitsAndEscDoesNotClose();
    void theUnitInUseStaysHighlighted();
    void doubleClickOnControlsDoesNotOpenTheAboutBox();
    void resultAndValueFollowTheLocale();
    void resultShowsWhatThePatternRoundsAway();
    void longUnitNamesShowWholeInATooltip_data();
    void longUnitNamesShowWholeInATooltip();
    void resultIsSelectedAndCopiedLeavingCtrlCToTheValueBox();
    void accessibilityEditsWaitForTheWindowOnTop_data();
    void accessibilityEditsWaitForTheWindowOnTop();
    void exactFactorsSwitchAtOnceAndAreKept();
    void unreadableFactorSettingMeansTheTable_data();
    void unreadableFactorSettingMeansTheTable();
    void aSettingsFileThatCannotKeepTheChoiceSaysSo_data();
    void aSettingsFileThatCannotKeepTheChoiceSaysSo();

private:
    // Opens a quantity by its picture and runs `inside` on its screen.
    void withQuantity(const char *button, const std::function<void(Screen &)> &inside)
    {
        const auto seen = onNextModal([&](QWidget *modal) {
            Screen screen(modal);
            QVERIFY(screen.complete());
            inside(screen);
        });
        QTest::mouseClick(m_menu->findChild<PictureBox *>(QString::fromLatin1(button)), Qt::LeftButton);
        QVERIFY2(*seen, button);
    }

    std::unique_ptr<InitialScreen> m_menu;
};

QTemporaryDir &configFolder()
{
    static QTemporaryDir folder;
    return folder;
}

// Where the program keeps the choice, as a new start reads it.
QString settingsFile()
{
    return configFolder().filePath(QStringLiteral("Quantora/Quantora.ini"));
}

void TheDisplayScreenTest::initMain()
{
    // The user's configuration folder: XDG_CONFIG_HOME on Linux, %APPDATA% on Windows.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configFolder().path()));
    qputenv("APPDATA", QFile::encodeName(QDir::toNativeSeparators(configFolder().path())));
}

void TheDisplayScreenTest::init()
{
    QLocale::setDefault(QLocale::c());
    QFile::remove(settingsFile()); // every test starts as a first start does
}

void TheDisplayScreenTest::initTestCase()
{
    design::installFontSubstitutions();
    m_menu = std::make_unique<InitialScreen>();
    m_menu->show();
}

void TheDisplayScreenTest::everyKeystrokeRecomputes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("results"); // after each keystroke

    QTest::newRow("cm to in") << "Lengthcmd" << 1 << 5 << "2.54"
                              << QStringList{"0.7874015748", "0.7874015748", "0.9842519685", "1."};
    QTest::newRow("negative m to cm") << "Lengthcmd" << 3 << 1 << "-5" << QStringList{"0.", "-500."};
    QTest::newRow("blank and comma") << "Lengthcmd" << 1 << 1 << "1 0,5"
                                     << QStringList{"1.", "1.", "10.", "10.", "10."};
    QTest::newRow("no number") << "MassCmd" << 0 << 5 << "abc" << QStringList{"0.", "0.", "0."};
    QTest::newRow("exponent") << "EnergyCmd" << 12 << 0 << "1e3" << QStringList{"0.0000001", "0.0000001", "0.0001"};
    QTest::newRow("C to F") << "TemperatureCmd" << 0 << 1 << "100" << QStringList{"33.8", "50", "212"};
    QTest::newRow("F to C") << "TemperatureCmd" << 1 << 0 << "0" << QStringList{"-17.7777777777778"};
    QTest::newRow("C to R") << "TemperatureCmd" << 0 << 3 << "0" << QStringList{"491.67"};
    QTest::newRow("R to R") << "TemperatureCmd" << 3 << 3 << "1.5" << QStringList{"1", "1", "1.5"};
}

void TheDisplayScreenTest::everyKeystrokeRecomputes()
{
    QFETCH(QString, button);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, typed);
    QFETCH(QStringList, results);
    QStringList shown;
    withQuantity(button.toLatin1(), [&](Screen &screen) {
        Screen::pick(screen.from, from);
        Screen::pick(screen.to, to);
        screen.value->setFocus();
        screen.value->selectAll();
        QTest::keyClick(screen.value, Qt::Key_Delete);
        for (const QChar c : typed) {
            QTest::keyClicks(screen.value, QString(c));
            shown << screen.result->text();
        }
    });
    QCOMPARE(shown, results);
}

void TheDisplayScreenTest::changingOneUnitKeepsTheOther()
{
    QStringList shown;
    withQuantity("Lengthcmd", [&](Screen &screen) {
        Screen::pick(screen.from, 5); // in
        shown << screen.result->text();
        Screen::pick(screen.to, 3); // m
        shown << screen.result->text();
        Screen::pick(screen.from, 6); // ft
        shown << screen.result->text();
        screen.retype("3");
        shown << screen.result->text();
        Screen::pick(screen.from, 7); // mile, in km next
        Screen::pick(screen.to, 4);
        screen.retype("1");
        shown << screen.result->text();
    });
    QCOMPARE(shown, (QStringList{"2.54", "0.0254", "0.3048", "0.9144", "1.609344"}));
}

void TheDisplayScreenTest::outOfRangeAndBackAgain()
{
    QStringList shown;
    withQuantity("AreaCmd", [&](Screen &screen) {
        Screen::pick(screen.from, 4); // km²
        Screen::pick(screen.to, 0);   // mm²
        screen.retype("1e308");
        shown << screen.result->text();
        QTest::keyClick(screen.value, Qt::Key_Backspace); // 1e30
        shown << screen.result->text();
        screen.retype("1e400");
        shown << screen.result->text();
        screen.retype("2");
        shown << screen.result->text();
    });
    QCOMPARE(shown, (QStringList{"Out of range", "1" + QString(42, '0') + ".", "Out of range", "2000000000000."}));

    withQuantity("TemperatureCmd", [&](Screen &screen) {
        screen.retype("1e400");
        shown << screen.result->text();
        screen.retype("-40");
        Screen::pick(screen.to, 1);
        shown << screen.result->text();
    });
    QCOMPARE(shown.mid(4), (QStringList{"Out of range", "-40"}));
}

void TheDisplayScreenTest::resultStaysAsTheFocusMoves()
{
    QStringList shown;
    withQuantity("Lengthcmd", [&](Screen &screen) {
        Screen::pick(screen.to, 5); // cm to in
        // Focus moves, and focus-out events come, only in the active window.
        screen.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen.window));
        screen.value->setFocus();
        shown << screen.result->text();
        screen.to->setFocus();
        shown << screen.result->text();
        Screen::pick(screen.from, 3); // m to in
        shown << screen.result->text();
    });
    QCOMPARE(shown, (QStringList{"0.3937007874", "0.3937007874", "39.3700787402"}));
}

void TheDisplayScreenTest::keyboardSelectsUnitsAndEscDoesNotClose()
{
    QStringList shown;
    bool openAfterKeys = false;
    withQuantity("VelocityCmd", [&](Screen &screen) {
        screen.to->setFocus();
        QTest::keyClick(screen.to, Qt::Key_Down); // cm/s
        shown << screen.result->text();
        QTest::keyClick(screen.to, Qt::Key_End); // yard/s
        shown << screen.result->text();
        QTest::keyClick(screen.window, Qt::Key_Escape);
        QTest::keyClick(screen.value, Qt::Key_Return);
        openAfterKeys = screen.window->isVisible();
    });
    QCOMPARE(shown, (QStringList{"27.7777777778", "0.3037814718"}));
    QVERIFY(openAfterKeys);
}

void TheDisplayScreenTest::theUnitInUseStaysHighlighted()
{
    // Ways a list could lose its highlight while the result still converts by
    // its current unit: Ctrl+click on the highlighted unit, Ctrl+Space, and a
    // click on the empty space below the last unit.
    QStringList lost;
    withQuantity("SurfaceTensionCmd", [&](Screen &screen) {
        const auto check = [&](const QListWidget *list, const char *how) {
            const auto selected = list->selectedItems();
            if (selected.size() != 1 || list->row(selected.front()) != list->currentRow())
                lost << QString::fromLatin1(how);
        };
        Screen::pick(screen.from, 2);
        const QRect row = screen.from->visualItemRect(screen.from->item(2));
        QTest::mouseClick(screen.from->viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
        check(screen.from, "Ctrl+click");

        screen.to->setFocus();
        QTest::keyClick(screen.to, Qt::Key_Space, Qt::ControlModifier);
        check(screen.to, "Ctrl+Space");

        const QRect last = screen.to->visualItemRect(screen.to->item(screen.to->count() - 1));
        QVERIFY(last.bottom() + 3 < screen.to->viewport()->height()); // three units leave room below
        QTest::mouseClick(screen.to->viewport(), Qt::LeftButton, {}, QPoint(5, last.bottom() + 2));
        check(screen.to, "click below the last unit");
    });
    QCOMPARE(lost, QStringList());
}

void TheDisplayScreenTest::doubleClickOnControlsDoesNotOpenTheAboutBox()
{
    QStringList opened;
    withQuantity("MassCmd", [&](Screen &screen) {
        for (const char *name : {"InitialValueTxt", "InitialValueList", "LblEqualTo", "lblTitle", "ConversionPcr"}) {
            auto *control = screen.window->findChild<QWidget *>(QString::fromLatin1(name));
            const auto about = onNextModal([](QWidget *) {}, screen.window);
            QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(3, 3));
            QTest::qWait(20);
            about->cancel();
            if (about->seen)
                opened << name;
        }
    });
    QCOMPARE(opened, QStringList());
}

void TheDisplayScreenTest::resultAndValueFollowTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QStringList shown;
    withQuantity("Lengthcmd", [&](Screen &screen) {
        Screen::pick(screen.from, 5); // in
        shown << screen.result->text();
        screen.retype("2,5"); // the locale's decimal comma: 2.5
        shown << screen.result->text();
        screen.retype("0.5");
        shown << screen.result->text();
    });
    withQuantity("TemperatureCmd", [&](Screen &screen) {
        Screen::pick(screen.from, 1);
        screen.retype("0");
        shown << screen.result->text();
    });
    QCOMPARE(shown, (QStringList{"2,54", "6,35", "1,27", "-17,7777777777778"}));
}

void TheDisplayScreenTest::resultShowsWhatThePatternRoundsAway()
{
    QString text, tooltip;
    QColor border;
    int redPixels = 0;
    withQuantity("Lengthcmd", [&](Screen &screen) {
        Screen::pick(screen.from, 10); // A (ångström)
        Screen::pick(screen.to, 4);    // km
        text = screen.result->text();
        // The tooltip the pointer resting on the result brings up.
        const QPoint middle = screen.result->rect().center();
        QHelpEvent help(QEvent::ToolTip, middle, screen.result->mapToGlobal(middle));
        QApplication::sendEvent(screen.result, &help);
        tooltip = QToolTip::text();
        const QImage image = screen.result->grab().toImage();
        border = image.pixelColor(0, image.height() / 2);
        for (int y = 1; y < image.height() - 1; ++y)
            for (int x = 1; x < image.width() - 1; ++x)
                redPixels += image.pixelColor(x, y) == QColor(255, 0, 0);
    });
    QCOMPARE(text, QStringLiteral("0."));
    QCOMPARE(tooltip, QStringLiteral("1E-13\nTable factors"));
    // The border in the window-frame colour, the text in red.
    QCOMPARE(border, QColor(Qt::black));
    QVERIFY(redPixels > 0);
}

void TheDisplayScreenTest::longUnitNamesShowWholeInATooltip_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Ideal Gas Constant") << "IdealGasConstantCmd";
    QTest::newRow("Power") << "PowerCmd";
}

void TheDisplayScreenTest::longUnitNamesShowWholeInATooltip()
{
    QFETCH(QString, button);
    QStringList problems;
    int tooltips = 0;
    withQuantity(button.toLatin1(), [&](Screen &screen) {
        for (QListWidget *list : {screen.from, screen.to}) {
            const QString which = list->objectName() + QLatin1Char(' ');
            if (list->horizontalScrollBar()->isVisible())
                problems << which + "scrolls sideways";
            for (int row = 0; row < list->count(); ++row) {
                list->scrollToItem(list->item(row));
                const QRect rect = list->visualItemRect(list->item(row));
                if (rect.left() < 0 || rect.right() >= list->viewport()->width())
                    problems << which + list->item(row)->text() + " runs past the list";
                // The view takes a help event for which it shows a tooltip.
                QHelpEvent help(QEvent::ToolTip, rect.center(), list->viewport()->mapToGlobal(rect.center()));
                QApplication::sendEvent(list->viewport(), &help);
                const bool shown = help.isAccepted();
                if (shown && QToolTip::text() != list->item(row)->text())
                    problems << which + "tooltip " + QToolTip::text();
                tooltips += shown;
                if (row == 0 && shown)
                    problems << which + "tooltip on a short name";
            }
        }
    });
#ifndef Q_OS_WIN
    // The longest names do not fit the narrower list. (Text on Windows is laid out
    // narrower, with the same faces, and every Ideal Gas Constant unit fits there.)
    QVERIFY(tooltips > 0);
#endif
    QCOMPARE(problems.join(QStringLiteral("; ")), QString());
}

void TheDisplayScreenTest::resultIsSelectedAndCopiedLeavingCtrlCToTheValueBox()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    QString byShortcut, byCtrlC, byMenu, selected;
    withQuantity("Lengthcmd", [&](Screen &screen) {
        // The shortcut and the focus need the screen to be the active window.
        QVERIFY(QTest::qWaitForWindowActive(screen.value->window()));
        Screen::pick(screen.to, 5); // cm to in
        // The window's shortcuts and the focus work only in the active window.
        screen.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen.window));
        screen.value->setFocus();
        screen.retype(QStringLiteral("254"));
        QCOMPARE(screen.result->text(), QStringLiteral("100."));

        clipboard->clear();
        QTest::keyClick(screen.value, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        byShortcut = clipboard->text();
        screen.value->selectAll();
        QTest::keyClick(screen.value, Qt::Key_C, Qt::ControlModifier);
        byCtrlC = clipboard->text();

        // The context menu's first entry copies the whole result.
        clipboard->clear();
        QCOMPARE(screen.result->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(screen.result->actions().size(), 2);
        QCOMPARE(screen.result->actions().constFirst()->text(), QStringLiteral("Copy"));
        screen.result->actions().constFirst()->trigger();
        byMenu = clipboard->text();

        // A drag across the result selects it.
        const int middle = screen.result->height() / 2;
        QTest::mousePress(screen.result, Qt::LeftButton, {}, QPoint(1, middle));
        QTest::mouseMove(screen.result, QPoint(screen.result->width() - 2, middle));
        QTest::mouseRelease(screen.result, Qt::LeftButton, {}, QPoint(screen.result->width() - 2, middle));
        selected = screen.result->selectedText();
        QCOMPARE(QApplication::focusWidget(), screen.value);
        screen.back->click();
    });
    QCOMPARE(byShortcut, QStringLiteral("100."));
    QCOMPARE(byCtrlC, QStringLiteral("254"));
    QCOMPARE(byMenu, QStringLiteral("100."));
    QCOMPARE(selected, QStringLiteral("100."));
}

void TheDisplayScreenTest::accessibilityEditsWaitForTheWindowOnTop_data()
{
    // What an accessibility client (a screen reader, voice control) may do to
    // the screen's controls, and the result it gives from 1 cm in cm.
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("result");
    QTest::newRow("set the value") << 0 << "25.";
    QTest::newRow("replace the text") << 1 << "25.";
    QTest::newRow("insert text") << 2 << "31.";
    QTest::newRow("pick a to-unit") << 3 << "10.";
    QTest::newRow("move the caret") << 4 << "1.";
    QTest::newRow("delete to far before the start") << 5 << "1."; // refused, not read out of the text
}

void TheDisplayScreenTest::accessibilityEditsWaitForTheWindowOnTop()
{
    QFETCH(int, edit);
    QFETCH(QString, result);
    installAccessibleInterfaces();
    const auto apply = [edit](Screen &screen) {
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(screen.value);
        QVERIFY(box && box->textInterface() && box->editableTextInterface());
        switch (edit) {
        case 0:
            box->setText(QAccessible::Value, QStringLiteral("25"));
            break;
        case 1:
            box->editableTextInterface()->replaceText(0, 1, QStringLiteral("25"));
            break;
        case 2:
            box->editableTextInterface()->insertText(0, QStringLiteral("3"));
            break;
        case 3: {
            QAccessibleInterface *list = QAccessible::queryAccessibleInterface(screen.to);
            QAccessibleInterface *mm = list->tableInterface()->cellAt(0, 0);
            QVERIFY(mm && mm->actionInterface());
            mm->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            break;
        }
        case 4:
            box->textInterface()->setCursorPosition(0);
            QCOMPARE(screen.value->cursorPosition(), 0);
            break;
        case 5:
            box->editableTextInterface()->deleteText(0, -100000);
            QCOMPARE(screen.value->text(), QStringLiteral("1"));
            break;
        }
    };
    withQuantity("Lengthcmd", [&](Screen &screen) {
        screen.value->setCursorPosition(1);
        // Behind the About box (a double-click on the background opens it) the
        // screen takes none of it.
        bool aboutSeen = false;
        const auto seen = onNextModal(
            [&](QWidget *) {
                aboutSeen = true;
                QAccessibleInterface *box = QAccessible::queryAccessibleInterface(screen.value);
                box->setText(QAccessible::Value, QStringLiteral("25"));
                box->editableTextInterface()->replaceText(0, 1, QStringLiteral("25"));
                box->editableTextInterface()->insertText(0, QStringLiteral("3"));
                box->textInterface()->setCursorPosition(0);
                QAccessibleInterface *list = QAccessible::queryAccessibleInterface(screen.to);
                list->tableInterface()->cellAt(0, 0)->actionInterface()->doAction(
                    QAccessibleActionInterface::toggleAction());
                QCOMPARE(screen.value->text(), QStringLiteral("1"));
                QCOMPARE(screen.value->cursorPosition(), 1);
                QCOMPARE(screen.to->currentRow(), 1);
                QCOMPARE(screen.to->selectedItems(), QList{screen.to->item(1)});
                QCOMPARE(screen.result->text(), QStringLiteral("1."));
            },
            screen.window);
        frmAbout::showModal();
        QVERIFY(aboutSeen);
        // On top again, it does.
        apply(screen);
        QCOMPARE(screen.result->text(), result);
    });
}

void TheDisplayScreenTest::exactFactorsSwitchAtOnceAndAreKept()
{
    QStringList shown;
    QStringList tooltips;
    withQuantity("PressureCmd", [&](Screen &screen) {
        auto *factors = screen.window->findChild<QLabel *>(QStringLiteral("lblFactors"));
        auto *exact = screen.window->findChild<QAction *>(QStringLiteral("exactFactors"));
        QVERIFY(factors && exact);
        const auto see = [&] {
            shown << screen.result->text() + QStringLiteral(" / ") + factors->text() + QStringLiteral(" / ") +
                         (exact->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"));
            const QPoint middle = screen.result->rect().center();
            QHelpEvent help(QEvent::ToolTip, middle, screen.result->mapToGlobal(middle));
            QApplication::sendEvent(screen.result, &help);
            tooltips << QToolTip::text();
        };
        Screen::pick(screen.from, 15); // torr
        Screen::pick(screen.to, 11);   // atm
        screen.retype(QStringLiteral("760"));
        see();
        // The shortcut works in the active window, wherever the focus is.
        screen.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen.window));
        screen.to->setFocus();
        QTest::keyClick(screen.to, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        see();
        // The value box's own menu, with the choice at its end.
        screen.value->setFocus();
        emit screen.value->customContextMenuRequested(QPoint(5, 5));
        auto *menu = screen.value->findChild<QMenu *>(QStringLiteral("valueBoxMenu"));
        QVERIFY(menu);
        QVERIFY(menu->actions().size() > 2); // undo, cut, copy, paste... kept
        QCOMPARE(menu->actions().constLast(), exact);
        menu->actions().constLast()->trigger();
        menu->close();
        see();
        // The result's menu.
        QVERIFY(screen.result->actions().contains(exact));
        exact->trigger();
        see();
    });
    QCOMPARE(shown, (QStringList{"1.0000789733 / Table factors / unchecked", "1. / Exact factors / checked",
                                 "1.0000789733 / Table factors / unchecked", "1. / Exact factors / checked"}));
    QCOMPARE(tooltips, (QStringList{"1.0000789733465\nTable factors", "1\nExact factors",
                                    "1.0000789733465\nTable factors", "1\nExact factors"}));

    // The next screen, and the next start, which reads the choice back from the
    // user's configuration folder, convert by the exact factors.
    QString next;
    withQuantity("PressureCmd", [&](Screen &screen) {
        Screen::pick(screen.from, 4); // mm Hg
        Screen::pick(screen.to, 11);  // atm
        screen.retype(QStringLiteral("760"));
        next = screen.result->text() + QStringLiteral(" / ") +
               screen.window->findChild<QLabel *>(QStringLiteral("lblFactors"))->text();
    });
    QCOMPARE(next, QStringLiteral("1.0000001425 / Exact factors"));
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(file.readAll().contains("factors=exact"), qPrintable(settingsFile()));
}

void TheDisplayScreenTest::unreadableFactorSettingMeansTheTable_data()
{
    // The settings file as found at start. (Each of a size other than the one
    // before it: Qt reads a settings file again when its size or time differ.)
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("unknown word") << QByteArray("[conversion]\nfactors=exactly\n");
    QTest::newRow("a number") << QByteArray("[conversion]\nfactors=1\n");
    QTest::newRow("a list") << QByteArray("[conversion]\nfactors=exact, exact\n");
    QTest::newRow("empty") << QByteArray("[conversion]\nfactors=\n");
    QTest::newRow("not a settings file") << QByteArray::fromHex("00fffe5b0a3d3d0aff");
}

void TheDisplayScreenTest::unreadableFactorSettingMeansTheTable()
{
    QFETCH(QByteArray, file);
    QVERIFY(QDir().mkpath(QFileInfo(settingsFile()).path()));
    QFile settings(settingsFile());
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(file);
    settings.close();
    QString shown;
    withQuantity("PressureCmd", [&](Screen &screen) {
        Screen::pick(screen.from, 15); // torr
        Screen::pick(screen.to, 11);   // atm
        screen.retype(QStringLiteral("760"));
        shown = screen.result->text() + QStringLiteral(" / ") +
                screen.window->findChild<QLabel *>(QStringLiteral("lblFactors"))->text();
    });
    // No message box came up: withQuantity's screen was the only modal window.
    QCOMPARE(shown, QStringLiteral("1.0000789733 / Table factors"));
}

// What may stand where the settings file or its lock belongs.
enum class Obstacle {
    StaleLock,
    FolderAsLock,
    Fifo,
    DeviceLink,
    Folder,
    ReadOnlyFolder,
    HugeFile,
    DanglingLink,
    FileLink
};

void TheDisplayScreenTest::aSettingsFileThatCannotKeepTheChoiceSaysSo_data()
{
    // What the label says; what Orca says of it, orca_speech hears with a folder as the lock.
    QTest::addColumn<int>("obstacleRow");
    QTest::addColumn<bool>("saved");
    QTest::newRow("a stale lock") << int(Obstacle::StaleLock) << true;
    QTest::newRow("a folder as the lock") << int(Obstacle::FolderAsLock) << false;
    QTest::newRow("a FIFO") << int(Obstacle::Fifo) << false;
    QTest::newRow("a link to a device") << int(Obstacle::DeviceLink) << false;
    QTest::newRow("a folder") << int(Obstacle::Folder) << false;
    QTest::newRow("a read-only folder") << int(Obstacle::ReadOnlyFolder) << false;
    QTest::newRow("a huge file") << int(Obstacle::HugeFile) << false;
    QTest::newRow("a dangling link") << int(Obstacle::DanglingLink) << false;
    QTest::newRow("a link to a file") << int(Obstacle::FileLink) << true;
}

// What a folder holds, kind and size of each entry, for "nothing else was written".
QStringList folderListing(const QString &folder)
{
    QStringList entries;
    for (const QFileInfo &entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
        entries << entry.fileName() + (entry.isSymLink() ? QStringLiteral(" link") : QString()) +
                       (entry.isDir() ? QStringLiteral(" folder") : QString::number(entry.size()));
    return entries;
}

void TheDisplayScreenTest::aSettingsFileThatCannotKeepTheChoiceSaysSo()
{
    QFETCH(int, obstacleRow);
    QFETCH(bool, saved);
    const auto obstacle = Obstacle(obstacleRow);
    const QString file = settingsFile();
    const QString folder = QFileInfo(file).path();
    QVERIFY(QDir(folder).removeRecursively() && QDir().mkpath(folder));
    const auto writeFile = [](const QString &at, const QByteArray &content) {
        QFile out(at);
        return out.open(QIODevice::WriteOnly) && out.write(content) == content.size();
    };
    const QString elsewhere = configFolder().filePath(QStringLiteral("elsewhere.ini"));
    QFile::remove(elsewhere);
    switch (obstacle) {
    case Obstacle::StaleLock: { // left an hour ago by a program that was killed while it saved
        const QString lock = file + QStringLiteral(".lock");
        QVERIFY(writeFile(lock, "2147483000\nquantora\n" + QSysInfo::machineHostName().toUtf8() + '\n'));
        QFile old(lock);
        QVERIFY(old.open(QIODevice::ReadWrite) &&
                old.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
        break;
    }
    case Obstacle::FolderAsLock:
        QVERIFY(QDir().mkdir(file + QStringLiteral(".lock")));
        break;
    case Obstacle::Fifo:
#ifdef Q_OS_WIN
        QSKIP("Windows has no FIFOs in its file system");
#else
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {file}), 0);
#endif
        break;
    case Obstacle::DeviceLink:
#ifdef Q_OS_WIN
        QSKIP("Windows has no device files");
#else
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), file));
#endif
        break;
    case Obstacle::Folder:
        QVERIFY(QDir().mkdir(file));
        break;
    case Obstacle::ReadOnlyFolder:
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFileInfo(folder).isWritable() || QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly)) {
            QFile::remove(folder + QStringLiteral("/probe"));
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("this user writes into read-only folders (root)");
        }
        break;
    case Obstacle::HugeFile: // someone else's file, larger than any this program writes
        QVERIFY(writeFile(file, "[conversion]\nfactors=exact\n" + QByteArray(100 * 1024, ';')));
        break;
    case Obstacle::DanglingLink:
    case Obstacle::FileLink: // as a dotfile manager keeps it
#ifdef Q_OS_WIN
        QSKIP("QFile::link makes a shortcut on Windows, which is no link to the file system");
#endif
        if (obstacle == Obstacle::FileLink)
            QVERIFY(writeFile(elsewhere, "[other]\nkept=yes\n"));
        QVERIFY(QFile::link(elsewhere, file));
        break;
    }
    const QStringList before = folderListing(folder);

    qint64 took = 0;
    QString label;
    QString tip;
    withQuantity("PressureCmd", [&](Screen &screen) {
        Screen::pick(screen.from, 15); // torr
        Screen::pick(screen.to, 11);   // atm
        screen.retype(QStringLiteral("760"));
        screen.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen.window));
        auto *factors = screen.window->findChild<QLabel *>(QStringLiteral("lblFactors"));
        QCOMPARE(factors->text(), QStringLiteral("Table factors"));
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(screen.value, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        took = timer.elapsed();
        label = factors->text();
        tip = factors->toolTip();
    });

    const QStringList after = folderListing(folder);

    // The choice holds for the rest of the session; mended, the file keeps the next one.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // (Qt's own settings would wait for ever on a FIFO: only a file that was saved is read.)
    const QString written =
        saved ? QSettings(file, QSettings::IniFormat).value(QStringLiteral("conversion/factors")).toString()
              : QString();
    const bool linkKept = QFileInfo(file).isSymLink();
    const QString otherKept = QSettings(elsewhere, QSettings::IniFormat).value(QStringLiteral("other/kept")).toString();
    QVERIFY(QDir(folder).removeRecursively() && QDir().mkpath(folder));
    QString nextLabel;
    QString mendedLabel;
    withQuantity("PressureCmd", [&](Screen &screen) {
        auto *factors = screen.window->findChild<QLabel *>(QStringLiteral("lblFactors"));
        nextLabel = factors->text();
        screen.window->findChild<QAction *>(QStringLiteral("exactFactors"))->setChecked(false);
        mendedLabel = factors->text();
    });

    QVERIFY2(took < 2000, qPrintable(QString::number(took)));
    if (saved) {
        QCOMPARE(label, QStringLiteral("Exact factors"));
        QVERIFY(tip.isEmpty());
        QCOMPARE(written, QStringLiteral("exact"));
        QCOMPARE(nextLabel, QStringLiteral("Table factors"));
        if (obstacle == Obstacle::FileLink) {
            QVERIFY(linkKept);
            QCOMPARE(otherKept, QStringLiteral("yes"));
        }
    } else {
        QCOMPARE(label, QStringLiteral("Exact factors\n(not saved)"));
        QVERIFY2(tip.contains(QDir::toNativeSeparators(file)), qPrintable(tip));
        QCOMPARE(after, before);
        QCOMPARE(nextLabel, label);
    }
    QCOMPARE(mendedLabel, QStringLiteral("Table factors"));
}

QTEST_MAIN(TheDisplayScreenTest)
#include "the_display_screen_qtest.moc"
