// SPDX-License-Identifier: MIT
#include "accessible_text_box.h"

#include "modal_gate.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace quantora {

std::optional<TextRange> clientRange(int start, int end, int length)
{
    if (end == -1)
        end = length;
    if (start > end)
        std::swap(start, end);
    if (start < 0 || end > length)
        return std::nullopt;
    return TextRange{start, end};
}

std::optional<int> clientPosition(int position, int length)
{
    if (position == -1)
        return length;
    if (position < 0 || position > length)
        return std::nullopt;
    return position;
}

namespace {

// What a person could have typed or pasted: the text without control
// characters, unassigned or private code points, lone surrogates and the
// replacement character. Qt's bridge pads a text whose given length exceeds
// it with whatever memory follows; little of that survives this.
QString typeable(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        if (QChar::isPrint(c) && c != QChar::ReplacementCharacter)
            kept += QStringView(QChar::fromUcs4(c));
    return kept;
}

class AccessibleTextBox : public GatedAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextBox(QWidget *box) : GatedAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::setText(t, text);
        if (editable())
            box()->setText(typeable(text));
    }

    // The text interface
    QString text(int startOffset, int endOffset) const override
    {
        const auto range = clientRange(startOffset, endOffset, characterCount());
        return range ? box()->text().mid(range->start, range->end - range->start) : QString();
    }
    int characterCount() const override { return int(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override
    {
        const auto at = clientPosition(position, characterCount());
        if (at && !blockedByModalWindow(*box()))
            box()->setCursorPosition(*at);
    }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0 && !blockedByModalWindow(*box()))
            box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        const auto range = clientRange(startOffset, endOffset, characterCount());
        if (selectionIndex == 0 && range && !blockedByModalWindow(*box()))
            box()->setSelection(range->start, range->end - range->start);
    }
    QRect characterRect(int offset) const override
    {
        const QString text = box()->text();
        if (offset < 0 || offset >= text.size())
            return {};
        // From the caret's place, which the box knows, to the character's.
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics = box()->fontMetrics();
        const int x = caret.x() + metrics.horizontalAdvance(text.left(offset)) -
                      metrics.horizontalAdvance(text.left(box()->cursorPosition()));
        const QRect rect(x, caret.y(), metrics.horizontalAdvance(text.mid(offset, 1)), caret.height());
        return QRect(box()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        if (const auto range = clientRange(startIndex, endIndex, characterCount()))
            setCursorPosition(range->start);
    }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    // Text around an offset: -2 is the caret, in Qt's convention, and -1 the end.
    // Worked out here: Qt's own versions loop for ever on some texts ("&H1F"
    // by words), and a screen reader asks for words as the caret moves.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                             int *endOffset) const override
    {
        return piece(offset, type, -1, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                            int *endOffset) const override
    {
        return piece(offset, type, 1, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                         int *endOffset) const override
    {
        return piece(offset, type, 0, startOffset, endOffset);
    }

    // The editable text interface
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString &text) override
    {
        if (const auto at = clientPosition(offset, characterCount()))
            replaceText(*at, *at, text);
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        const QString old = box()->text();
        const auto range = clientRange(startOffset, endOffset, int(old.size()));
        if (range && editable())
            box()->setText(old.left(range->start) + typeable(text) + old.mid(range->end));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
    bool editable() const { return !box()->isReadOnly() && !blockedByModalWindow(*box()); }

    // The piece of the text (a character, a word, or the whole line) at the
    // offset, or the one before or after it (step -1 or 1).
    QString piece(int offset, QAccessible::TextBoundaryType type, int step, int *startOffset, int *endOffset) const
    {
        const QString text = box()->text();
        *startOffset = *endOffset = -1;
        if (offset == -2)
            offset = box()->cursorPosition();
        const auto at = clientPosition(offset, int(text.size()));
        if (!at)
            return {};
        const std::vector<int> bounds = boundaries(text, type);
        // The piece that begins at or before the offset. At the end of the
        // text that is none for characters, and the last one for the others.
        auto index =
            static_cast<std::ptrdiff_t>(std::upper_bound(bounds.begin(), bounds.end(), *at) - bounds.begin()) - 1;
        if (*at == text.size() && type != QAccessible::CharBoundary)
            index = std::max<std::ptrdiff_t>(index - 1, 0);
        const std::ptrdiff_t wanted = index + step;
        if (wanted < 0 || wanted + 1 >= static_cast<std::ptrdiff_t>(bounds.size())) {
            if (step == 0)
                *startOffset = *endOffset = *at;
            return {};
        }
        *startOffset = bounds[static_cast<std::size_t>(wanted)];
        *endOffset = bounds[static_cast<std::size_t>(wanted) + 1];
        return text.mid(*startOffset, *endOffset - *startOffset);
    }

    // Where the pieces of a one-line text begin and end, from 0 to its length.
    static std::vector<int> boundaries(const QString &text, QAccessible::TextBoundaryType type)
    {
        std::vector<int> bounds{0};
        if (type == QAccessible::CharBoundary || type == QAccessible::WordBoundary) {
            QTextBoundaryFinder finder(
                type == QAccessible::CharBoundary ? QTextBoundaryFinder::Grapheme : QTextBoundaryFinder::Word, text);
            for (qsizetype next; (next = finder.toNextBoundary()) > bounds.back();)
                bounds.push_back(int(next));
        }
        if (bounds.back() != text.size())
            bounds.push_back(int(text.size()));
        return bounds;
    }
};

} // namespace

QAccessibleInterface *accessibleTextBox(QWidget *box)
{
    return new AccessibleTextBox(box);
}

} // namespace quantora
