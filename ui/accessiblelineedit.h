// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QLineEdit>

// What assistive technology reads of a text box, on QLineEdit's public
// API, where Qt's own answer to a word or sentence question at the end of
// the text never comes back and keeps the program busy for good (seen on
// Qt 6.4; tst_qtlineedit shows it). A box holds one number: a word, a
// sentence and a line are each its whole text, which is also one run of
// attributes, in the box's language. The selection is the one the box had
// when it last had the focus: QLineEdit drops it as the focus leaves,
// before a screen reader hears of the move, which would then say
// "unselected" of the box before it names the next control.
class AccessibleLineEdit : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    static constexpr bool needed = QT_VERSION < QT_VERSION_CHECK(6, 5, 0);

    explicit AccessibleLineEdit(QLineEdit *edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return held().first < held().second ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int start, int end) override { edit()->setSelection(start, end - start); }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int start, int end) const override { return edit()->text().mid(start, end - start); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        return unit(offset, boundary, -1, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        return unit(offset, boundary, +1, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        return unit(offset, boundary, 0, start, end);
    }
    int characterCount() const override { return int(edit()->text().size()); }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override { return edit()->cursorPositionAt(edit()->mapFromGlobal(point)); }
    void scrollToSubstring(int, int endIndex) override { edit()->setCursorPosition(endIndex); }
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
    std::pair<int, int> held() const;
    // The character or the whole text at an offset, or the unit before or
    // after it (step -1, +1).
    QString unit(int offset, QAccessible::TextBoundaryType boundary, int step, int *startOffset, int *endOffset) const;

    mutable std::pair<int, int> m_selection;
};
