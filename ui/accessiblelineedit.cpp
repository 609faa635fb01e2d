// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblelineedit.h"

#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace {

// The character, word or line at an offset, as a range [start, end). A
// word is a run of anything but blanks, with the blanks after it, so that
// a typed number such as -12.5 is one word; a box holds one line, which is
// also its one sentence. At the end of the text, the last word or line.
std::pair<int, int> unitAt(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const int size = int(text.size());
    offset = std::clamp(offset, 0, size);
    if (boundary == QAccessible::CharBoundary) {
        if (offset == size)
            return {size, size};
        const bool pair = text[offset].isHighSurrogate() && offset + 1 < size;
        return {offset, offset + (pair ? 2 : 1)};
    }
    if (boundary != QAccessible::WordBoundary || size == 0)
        return {0, size};
    int start = std::min(offset, size - 1);
    while (start > 0 && text[start].isSpace())
        --start;
    while (start > 0 && !text[start - 1].isSpace())
        --start;
    int end = start;
    while (end < size && !text[end].isSpace())
        ++end;
    while (end < size && text[end].isSpace())
        ++end;
    return {start, end};
}

} // namespace

AccessibleLineEdit::AccessibleLineEdit(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
}

QLineEdit *AccessibleLineEdit::edit() const
{
    return static_cast<QLineEdit *>(widget());
}

void *AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(t);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !edit()->isReadOnly();
    state.readOnly = edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void AccessibleLineEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
}

int AccessibleLineEdit::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const
{
    return edit()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

QString AccessibleLineEdit::unit(std::pair<int, int> range, int *startOffset, int *endOffset) const
{
    *startOffset = range.first;
    *endOffset = range.second;
    return text(range.first, range.second);
}

QString AccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                                         int *endOffset) const
{
    return unit(unitAt(edit()->text(), offset, boundary), startOffset, endOffset);
}

QString AccessibleLineEdit::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                             int *startOffset, int *endOffset) const
{
    const QString all = edit()->text();
    const int start = boundary == QAccessible::CharBoundary ? std::clamp(offset, 0, int(all.size()))
                                                            : unitAt(all, offset, boundary).first;
    return unit(start == 0 ? std::pair{0, 0} : unitAt(all, start - 1, boundary), startOffset, endOffset);
}

QString AccessibleLineEdit::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                            int *startOffset, int *endOffset) const
{
    const QString all = edit()->text();
    const int end = unitAt(all, offset, boundary).second;
    const int size = int(all.size());
    return unit(end >= size ? std::pair{size, size} : unitAt(all, end, boundary), startOffset, endOffset);
}

int AccessibleLineEdit::characterCount() const
{
    return int(edit()->text().size());
}

QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QFontMetrics metrics = edit()->fontMetrics();
    const QString all = edit()->text();
    const QRect box = edit()->contentsRect();
    const int left = box.left() + metrics.horizontalAdvance(all.left(offset));
    const QRect character(left, box.top(), metrics.horizontalAdvance(all.mid(offset, 1)), box.height());
    return QRect(edit()->mapToGlobal(character.topLeft()), character.size());
}

int AccessibleLineEdit::offsetAtPoint(const QPoint &point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void AccessibleLineEdit::scrollToSubstring(int, int endIndex)
{
    edit()->setCursorPosition(endIndex);
}

// The language is the box's own, so that a screen reader on a desktop in
// another language can choose a voice for the program's.
QString AccessibleLineEdit::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QStringLiteral("language:%1;").arg(edit()->locale().bcp47Name());
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void AccessibleLineEdit::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

// As typing does it: over a selection, so that the box's undo and its
// signals work as for the keyboard.
void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    edit()->setSelection(startOffset, endOffset - startOffset);
    edit()->insert(text);
}
