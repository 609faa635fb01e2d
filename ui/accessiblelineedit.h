// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// What assistive technology reads of a text box, on QLineEdit's public
// API, where Qt's own answer to a word or sentence question at the end of
// the text never comes back and keeps the program busy for good (seen on
// Qt 6.4; tst_qtlineedit shows it). A box holds one number: a word, a
// sentence and a line are each its whole text, which is also one run of
// attributes, in the box's language.
class AccessibleLineEdit : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    static constexpr bool needed = QT_VERSION < QT_VERSION_CHECK(6, 5, 0);

    explicit AccessibleLineEdit(QLineEdit *edit);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QLineEdit *edit() const;
    // The character or the whole text at an offset, and the unit before
    // or after it (step -1, +1).
    QString unit(int offset, QAccessible::TextBoundaryType boundary, int step, int *startOffset, int *endOffset) const;
};
