// SPDX-License-Identifier: MIT
// Fuzzes the value box's accessible text and editable-text interfaces, which
// any program on the accessibility bus may call with any offsets, on an
// offscreen window. Input: operations of four bytes each (which operation, two
// offsets, a text's length) followed by that text's bytes, each byte standing
// for one character of those a person types in the box. Copy, cut and paste
// go as Qt's AT-SPI bridge makes them: text() for the range, then deleteText()
// or insertText().
// Properties:
//  - the program lives, and AddressSanitizer sees no read or write outside
//    the text;
//  - the box only ever holds characters that it was given, never memory from
//    elsewhere, and never more than its maximum length;
//  - a range in order and within the text is obeyed as a keyboard edit would.
#include "accessibility.h"
#include "fuzz_support.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

#include <climits>
#include <cstdint>

using quantora::fuzz::require;

namespace {

const QString typed = QStringLiteral("0123456789.,-+eEF &HhOo xyzµ²");

QLineEdit &valueBox()
{
    static QLineEdit *box = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_value_box";
        static char *argv[] = {name, nullptr};
        new QApplication(argc, argv);
        quantora::installAccessibleInterfaces();
        auto *made = new QLineEdit(QStringLiteral("1"));
        made->show();
        return made;
    }();
    return *box;
}

// Mostly offsets in and around a short text, now and then one far outside it.
int offsetFrom(std::uint8_t byte)
{
    static constexpr int far[] = {INT_MIN, INT_MIN + 1, -100000, -50000, -1000, -2, 32767, 32768, 100000, INT_MAX};
    if (byte >= 246)
        return far[byte - 246];
    return byte % 48 - 3;
}

struct Input {
    const std::uint8_t *data;
    std::size_t size;

    std::uint8_t next()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    QString text(std::size_t length)
    {
        QString text;
        for (; length > 0 && size > 0; --length)
            text += typed[next() % typed.size()];
        return text;
    }
};

bool onlyTyped(const QString &text)
{
    for (const QChar c : text)
        if (!typed.contains(c))
            return false;
    return true;
}

} // namespace

// Fontconfig keeps its parsed configuration to the end of the process, where
// LeakSanitizer would report it; nothing of this program is on those stacks.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QLineEdit &box = valueBox();
    box.setText(QStringLiteral("1"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&box);
    QAccessibleTextInterface *text = accessible->textInterface();
    QAccessibleEditableTextInterface *edit = accessible->editableTextInterface();
    require(text && edit, "the value box is editable text", "no interface");

    Input input{data, size};
    QString clipboard;
    while (input.size > 0) {
        const int operation = input.next() % 14;
        const int a = offsetFrom(input.next());
        const int b = offsetFrom(input.next());
        const QString given = input.text(input.next() % 24);
        const QString before = box.text();
        int start = 0;
        int end = 0;
        switch (operation) {
        case 0:
            accessible->setText(QAccessible::Value, given);
            break;
        case 1:
            edit->insertText(a, given);
            break;
        case 2:
            edit->deleteText(a, b);
            if (a >= 0 && a <= b && b <= before.size())
                require(box.text() == before.left(a) + before.mid(b), "a range in order is deleted", "");
            break;
        case 3:
            edit->replaceText(a, b, given);
            break;
        case 4: // cut
            clipboard = text->text(a, b);
            edit->deleteText(a, b);
            break;
        case 5: // copy
            clipboard = text->text(a, b);
            if (a >= 0 && a <= b && b <= before.size())
                require(clipboard == before.mid(a, b - a), "a range in order is copied", "");
            break;
        case 6: // paste
            edit->insertText(a, clipboard);
            break;
        case 7:
            text->setCursorPosition(a);
            require(box.cursorPosition() >= 0 && box.cursorPosition() <= box.text().size(), "the caret is in the text",
                    "");
            break;
        case 8:
            text->setSelection(0, a, b);
            text->selection(0, &start, &end);
            require(start >= 0 && start <= end && end <= box.text().size(), "the selection is in the text", "");
            break;
        case 9:
            text->removeSelection(0);
            break;
        case 10:
            text->characterRect(a);
            break;
        case 11: {
            const auto boundary = static_cast<QAccessible::TextBoundaryType>(b & 7);
            require(onlyTyped(text->textAtOffset(a, boundary, &start, &end)) &&
                        onlyTyped(text->textBeforeOffset(a, boundary, &start, &end)) &&
                        onlyTyped(text->textAfterOffset(a, boundary, &start, &end)),
                    "text around an offset is the box's", "");
            break;
        }
        case 12:
            text->scrollToSubstring(a, b);
            break;
        default:
            text->attributes(a, &start, &end);
            break;
        }
        require(onlyTyped(box.text()) && onlyTyped(clipboard), "the box holds only what it was given",
                box.text().toStdString());
        require(box.text().size() <= box.maxLength(), "the box keeps to its maximum length", "too long");
        require(text->characterCount() == box.text().size(), "the interface counts the box's text", "miscounted");
    }
    return 0;
}
