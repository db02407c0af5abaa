// SPDX-License-Identifier: MIT
// The windows in each language they are translated into: every text a person
// reads is in that language and fits its control, numbers follow the locale,
// and without a translation every text stays the English of the design.
#include "catalogue.h"
#include "constants_sheet.h"
#include "constants_sheet_painter.h"
#include "faces.h"
#include "frm_about.h"
#include "frm_constants.h"
#include "initial_screen.h"
#include "modal_helpers.h"
#include "screen_controls.h"
#include "the_display_screen.h"
#include "titled_frame.h"
#include "translations.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>

using namespace quantora;
using quantora::testing::onNextModal;
using quantora::testing::ScreenControls;

namespace {

// The texts of a window that a person reads, by control: its own title, the
// captions of its labels, buttons and frames, and the names a screen reader
// gives its controls.
using Texts = std::map<QString, QString>;

Texts textsOf(const QWidget &window)
{
    Texts texts{{QStringLiteral("window title"), window.windowTitle()}};
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (control->isHidden())
            continue;
        const QString name = control->objectName();
        if (const auto *label = qobject_cast<const QLabel *>(control))
            texts[name] = label->text();
        else if (const auto *button = qobject_cast<const QPushButton *>(control))
            texts[name] = button->text();
        else if (const auto *frame = qobject_cast<const QGroupBox *>(control))
            texts[name] = frame->title();
        if (!control->accessibleName().isEmpty())
            texts[name + QStringLiteral(" (name)")] = control->accessibleName();
        if (!control->accessibleDescription().isEmpty())
            texts[name + QStringLiteral(" (description)")] = control->accessibleDescription();
    }
    return texts;
}

bool hasLetters(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// What the design's own English texts need beyond their controls where the
// system's fonts run larger than the design's (two lines of the conversion
// screen's title under Windows' font engine): a translation may need as much,
// and its labels may overlap where the English ones do, but no more.
struct DesignTolerance {
    std::map<QString, int> extraHeight; // by control
    std::set<QString> overlapping;      // pairs of controls, "a+b"
    int captionGap = 4;                 // between the main menu's captions: 4 px, or less where the English has less
} designTolerance;

// Whether a text fits its control: within its width, and within its height
// with the control's own word wrap. A label that takes its text's size (word
// wrap off) must stay inside its parent. `overflow`, where given, gets the
// height the text needs beyond its control.
QString fitProblem(const QWidget &control, int *overflow = nullptr)
{
    QString text;
    QRect room = control.contentsRect();
    int flags = Qt::TextShowMnemonic;
    if (const auto *label = qobject_cast<const QLabel *>(&control)) {
        text = label->text();
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
    } else if (const auto *button = qobject_cast<const QPushButton *>(&control)) {
        text = button->text();
        flags |= Qt::TextWordWrap; // the program's buttons wrap their captions
        room = room.adjusted(4, 4, -4, -4);
        if (!button->icon().isNull())
            room.setTop(room.top() + button->iconSize().height() + 2);
    } else if (const auto *frame = qobject_cast<const QGroupBox *>(&control)) {
        const int width = control.fontMetrics().horizontalAdvance(frame->title());
        return width + 12 <= control.width() ? QString() : QStringLiteral("frame title %1 px wide").arg(width);
    }
    if (text.isEmpty() || !hasLetters(text))
        return {};
    // A word breaks only after a hyphen, or at a soft hyphen, which then shows.
    const QFontMetrics metrics = control.fontMetrics();
    const QChar softHyphen(0x00AD);
    QString words = text;
    words.replace(QLatin1Char('&'), QString()).replace(QLatin1Char('-'), QString(softHyphen));
    for (const QString &word : words.split(QRegularExpression(QStringLiteral("[ \n]")))) {
        const QStringList pieces = word.split(softHyphen);
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const QString piece = i + 1 < pieces.size() ? pieces[i] + QLatin1Char('-') : pieces[i];
            if (metrics.horizontalAdvance(piece) > room.width())
                return QStringLiteral("%1: \"%2\" is %3 px wide, has %4")
                    .arg(text, piece)
                    .arg(metrics.horizontalAdvance(piece))
                    .arg(room.width());
        }
    }
    const QRect needed = metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 100000)),
                                              flags | Qt::AlignLeft | Qt::AlignTop, text);
    if (overflow)
        *overflow = needed.height() - room.height();
    const int extra = designTolerance.extraHeight[control.objectName()];
    if (needed.height() > room.height() + extra)
        return QStringLiteral("%1 needs %2 px of height, has %3").arg(text).arg(needed.height()).arg(room.height());
    // A label that grows with its text must keep it inside its frame or window.
    if (const QWidget *parent = control.parentWidget();
        parent && !parent->rect()
                       .adjusted(0, 0, 0, extra)
                       .contains(QRect(control.mapTo(parent, needed.topLeft()), needed.size())))
        return QStringLiteral("%1 runs out of its frame").arg(text);
    return {};
}

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Labels whose texts run into each other: a caption that takes its text's
// width may reach the next one. `pairs`, where given, gets every pair that does.
QStringList overlaps(const QWidget &window, const QString &prefix, std::set<QString> *pairs = nullptr)
{
    QStringList problems;
    QList<QPair<const QLabel *, QRect>> inks;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->isHidden() || label->text().isEmpty())
            continue;
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect ink = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
        inks.append({label, QRect(label->mapTo(&window, ink.topLeft()), ink.size())});
    }
    for (qsizetype i = 0; i < inks.size(); ++i)
        for (qsizetype j = i + 1; j < inks.size(); ++j)
            if (pairs && inks[i].second.intersects(inks[j].second))
                pairs->insert(inks[i].first->objectName() + QLatin1Char('+') + inks[j].first->objectName());
            else if (inks[i].second.intersects(inks[j].second) &&
                     !designTolerance.overlapping.contains(inks[i].first->objectName() + QLatin1Char('+') +
                                                           inks[j].first->objectName()))
                problems +=
                    prefix + QStringLiteral("%1 and %2 overlap: %3 at %5, %4 at %6")
                                 .arg(inks[i].first->objectName(), inks[j].first->objectName(), inks[i].first->text(),
                                      inks[j].first->text(), rectText(inks[i].second), rectText(inks[j].second));
    return problems;
}

// A text with its line breaks shown, for a message of one line.
QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QChar(0x23CE));
}

// Where each line of a label's text stands in its window, as the label wraps
// and aligns it.
QList<QRect> lineInks(const QLabel &label, const QWidget &window)
{
    const QRect room = label.contentsRect();
    QString text = QString(label.text()).remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator); // as the label draws it
    QTextLayout layout(text, label.font());
    QTextOption option(label.alignment());
    option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    qreal top = room.top();
    if (label.alignment() & Qt::AlignVCenter)
        top += (room.height() - height) / 2;
    else if (label.alignment() & Qt::AlignBottom)
        top += room.height() - height;
    QList<QRect> inks;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal width = line.naturalTextWidth();
        qreal left = room.left();
        if (label.alignment() & Qt::AlignHCenter)
            left += (room.width() - width) / 2;
        else if (label.alignment() & Qt::AlignRight)
            left += room.width() - width;
        const QRect ink = QRectF(left, top + line.y(), width, line.height()).toAlignedRect();
        inks += QRect(label.mapTo(&window, ink.topLeft()), ink.size());
    }
    return inks;
}

// The lines of the main menu's captions, by caption.
QList<QPair<const QLabel *, QList<QRect>>> captionLines(const QWidget &menu)
{
    QList<QPair<const QLabel *, QList<QRect>>> captions;
    for (const QLabel *label : menu.findChildren<QLabel *>())
        if (!label->isHidden() && !label->text().isEmpty())
            captions.append({label, lineInks(*label, menu)});
    return captions;
}

// The pixels between two lines side by side, or nothing for lines one above the other.
std::optional<int> gapBetween(const QRect &a, const QRect &b)
{
    if (a.bottom() < b.top() || b.bottom() < a.top())
        return std::nullopt;
    return std::max(b.left() - a.right(), a.left() - b.right()) - 1;
}

// The main menu's captions whose lines stand closer than 4 px (8 px at 200 %)
// to a line of another beside them: the eye joins them ("mássica" and
// "volumétrica" read as one word). `closest`, where given, gets the smallest gap
// there is instead, and nothing is a problem.
QStringList captionsTooClose(const QWidget &menu, int *closest = nullptr)
{
    const int gap = designTolerance.captionGap; // in the window's own pixels, which 200 % doubles
    QStringList problems;
    const auto captions = captionLines(menu);
    for (qsizetype i = 0; i < captions.size(); ++i)
        for (qsizetype j = i + 1; j < captions.size(); ++j)
            for (const QRect &a : captions[i].second)
                for (const QRect &b : captions[j].second) {
                    const std::optional<int> between = gapBetween(a, b);
                    if (closest && between)
                        *closest = std::min(*closest, *between);
                    else if (between && *between < gap)
                        problems += QStringLiteral("menu %1 and %2 stand closer than %3 px: %4 at %5, %6 at %7")
                                        .arg(captions[i].first->objectName(), captions[j].first->objectName())
                                        .arg(gap)
                                        .arg(oneLine(captions[i].first->text()), rectText(a),
                                             oneLine(captions[j].first->text()), rectText(b));
                }
    return problems;
}

// The constants sheet's lines that run past their cell, where the painter
// would cut them off (the blanks that end every line show nothing).
QStringList sheetProblems()
{
    using namespace constants_sheet;
    QStringList problems;
    for (const SheetRow &row : rows()) {
        for (const auto *cell : {&row.left, &row.right}) {
            for (const SheetLine &line : *cell) {
                qreal x = line.x;
                qreal inkEnd = x;
                for (const TextRun &run : line.runs) {
                    x += QFontMetricsF(sheetFont(run.kind)).horizontalAdvance(run.text);
                    if (!run.text.trimmed().isEmpty())
                        inkEnd = x;
                }
                if (inkEnd > line.clip.right + 1)
                    problems += QStringLiteral("sheet: %1 ends at %2, its cell at %3")
                                    .arg(lineText(line))
                                    .arg(inkEnd)
                                    .arg(line.clip.right);
            }
        }
    }
    return problems;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        design::installFontSubstitutions();
        // The English of every window, as the design has it: no translation loaded.
        QLocale::setDefault(QLocale::c());
        QCOMPARE(installTranslations(QLocale::c()), QString());
        m_check = [](const QWidget &window, const QString &) {
            for (const QWidget *control : window.findChildren<QWidget *>()) {
                if (control->isHidden())
                    continue;
                int overflow = 0;
                fitProblem(*control, &overflow);
                int &extra = designTolerance.extraHeight[control->objectName()];
                extra = std::max(extra, overflow);
            }
            overlaps(window, QString(), &designTolerance.overlapping);
            if (window.objectName() == QStringLiteral("InitialScreen"))
                captionsTooClose(window, &designTolerance.captionGap);
        };
        m_english = allTexts();
        m_check = {};
        QVERIFY(m_english.size() > 100);
    }

    void englishStaysAsDesigned_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C";
        QTest::newRow("en_US") << "en_US";
        QTest::newRow("en_GB") << "en_GB";
    }

    void englishStaysAsDesigned()
    {
        QFETCH(QString, locale);
        QCOMPARE(installTranslations(QLocale(locale)), QString());
        QStringList problems;
        m_check = [&](const QWidget &window, const QString &prefix) {
            if (prefix == QStringLiteral("menu "))
                problems += captionsTooClose(window);
        };
        QCOMPARE(allTexts(), m_english);
        m_check = {};
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
#ifndef Q_OS_WIN
        // The design's captions stand 4 px apart or more. (Under Windows' font
        // engine "Volume FlowRate" and "Ideal Gas Volume" stand 3 px apart, and
        // the translations there may too, no closer.)
        QCOMPARE(designTolerance.captionGap, 4);
#endif
        QCOMPARE(m_english.at(QStringLiteral("menu lengthlbl")), QStringLiteral("Length"));
    }

    void everyWindowInTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("lengthCaption");
        QTest::addColumn<QString>("result");
        QTest::newRow("German") << "de_DE"
                                << "Länge"
                                << "25,";
        QTest::newRow("French") << "fr_FR"
                                << "Longueur"
                                << "25,";
        QTest::newRow("Spanish") << "es_ES"
                                 << "Longitud"
                                 << "25,";
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << "Comprimento"
                                              << "25,";
    }

    void everyWindowInTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, lengthCaption);
        QFETCH(QString, result);
        const QLocale language(locale);
        QLocale::setDefault(language);
        QVERIFY(!installTranslations(language).isEmpty());
        QTranslator translation;
        QVERIFY(translation.load(language, QStringLiteral("quantora"), QStringLiteral("_"), QStringLiteral(":/i18n")));

        QStringList problems;
        m_check = [&](const QWidget &window, const QString &prefix) {
            for (const QWidget *control : window.findChildren<QWidget *>()) {
                if (!control->isHidden())
                    if (const QString problem = fitProblem(*control); !problem.isEmpty())
                        problems += prefix + control->objectName() + QStringLiteral(": ") + problem;
            }
            problems += overlaps(window, prefix);
            if (prefix == QStringLiteral("menu "))
                problems += captionsTooClose(window);
        };
        const Texts texts = allTexts();
        m_check = {};
        problems += sheetProblems();
        QCOMPARE(texts.at(QStringLiteral("menu lengthlbl")), lengthCaption);
        for (const auto &[control, english] : m_english) {
            const auto found = texts.find(control);
            QVERIFY2(found != texts.end(), qPrintable(control));
            // An English text left as it was must be one the language writes the same.
            if (found->second == english && hasLetters(english) && !isSameInTheLanguage(translation, english))
                problems += control + QStringLiteral(" is still English: ") + english;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QCOMPARE(m_lengthResult, result);
        QLocale::setDefault(QLocale::c());
        installTranslations(QLocale::c());
    }

private:
    // Every window's texts, keyed by window and control: the main menu, the
    // conversion screen of every quantity, the constants screen and the About box.
    Texts allTexts()
    {
        Texts all;
        const auto add = [&all](const QString &prefix, const Texts &texts) {
            for (const auto &[control, text] : texts)
                all[prefix + control] = text;
        };
        InitialScreen menu;
        add(QStringLiteral("menu "), textsOf(menu));
        if (m_check)
            m_check(menu, QStringLiteral("menu "));
        for (const QuantityDef &quantity : catalogue()) {
            const QString button = QString::fromStdString(quantity.button);
            onNextModal([&](QWidget *modal) {
                add(button + QLatin1Char(' '), textsOf(*modal));
                if (m_check)
                    m_check(*modal, button + QLatin1Char(' '));
                if (quantity.button == "Lengthcmd") {
                    ScreenControls screen(modal);
                    screen.from->setCurrentRow(1); // cm
                    screen.to->setCurrentRow(0);   // mm
                    QTest::keyClicks(screen.value, QStringLiteral("\b2,5"));
                    m_lengthResult = screen.result->text();
                }
            });
            QTest::mouseClick(menu.findChild<QWidget *>(button), Qt::LeftButton);
        }
        frmConstants constants;
        add(QStringLiteral("constants "), textsOf(constants));
        if (m_check)
            m_check(constants, QStringLiteral("constants "));
        frmAbout about;
        add(QStringLiteral("about "), textsOf(about));
        if (m_check)
            m_check(about, QStringLiteral("about "));
        return all;
    }

    // Whether the translation writes this English text the same (a name such as
    // "Quantora", or a word two languages share, such as "Volume" in French).
    static bool isSameInTheLanguage(const QTranslator &translation, const QString &english)
    {
        static const QStringList names = {QStringLiteral("Quantora"), QStringLiteral("Orvandel")};
        if (names.contains(english))
            return true;
        // The one text made of a format whose translation is the same.
        if (english.startsWith(QStringLiteral("Version ")))
            return translation.translate("quantora::frmAbout", "Version %1.%2.%3") ==
                   QStringLiteral("Version %1.%2.%3");
        const QByteArray source = english.toUtf8();
        for (const char *context : {"Caption", "Quantity", "Title", "Note", "Unit", "Frame", "quantora::InitialScreen",
                                    "quantora::TheDisplayScreen", "quantora::frmAbout", "quantora::frmConstants",
                                    "quantora::ConstantsSheetWidget"}) {
            if (translation.translate(context, source.constData()) == english)
                return true;
        }
        return false;
    }

    Texts m_english;
    QString m_lengthResult;
    std::function<void(const QWidget &, const QString &)> m_check;
};

QTEST_MAIN(TranslationsTest)
#include "translations_qtest.moc"
