// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblelineedit.h"

#include <QLocale>

#include <algorithm>

void *AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(t);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    return state;
}

std::pair<int, int> AccessibleLineEdit::held() const
{
    if (edit()->hasFocus())
        m_selection = edit()->hasSelectedText() ? std::pair(edit()->selectionStart(), edit()->selectionEnd()) : std::pair(0, 0);
    return m_selection;
}

void AccessibleLineEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const std::pair<int, int> selected = selectionIndex == 0 ? held() : std::pair(0, 0);
    *startOffset = selected.first;
    *endOffset = selected.second;
}

QString AccessibleLineEdit::unit(int offset, QAccessible::TextBoundaryType boundary, int step, int *startOffset,
                                 int *endOffset) const
{
    const QString all = edit()->text();
    const int size = int(all.size());
    const auto character = [&](int at) {
        at = std::clamp(at, 0, size);
        if (at > 0 && at < size && all[at].isLowSurrogate())
            --at;
        return std::pair(at, at == size ? size : at + (all[at].isHighSurrogate() && at + 1 < size ? 2 : 1));
    };
    std::pair<int, int> range{0, step == 0 ? size : 0}; // the whole text has no unit before or after it
    if (boundary == QAccessible::CharBoundary) {
        range = character(offset);
        if (step < 0)
            range = range.first == 0 ? std::pair(0, 0) : character(range.first - 1);
        else if (step > 0)
            range = character(range.second);
    }
    *startOffset = range.first;
    *endOffset = range.second;
    return all.mid(range.first, range.second - range.first);
}

QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QFontMetrics metrics = edit()->fontMetrics();
    const QString all = edit()->text();
    const QRect box = edit()->contentsRect();
    const QRect character(box.left() + metrics.horizontalAdvance(all.left(offset)), box.top(),
                          metrics.horizontalAdvance(all.mid(offset, 1)), box.height());
    return QRect(edit()->mapToGlobal(character.topLeft()), character.size());
}

QString AccessibleLineEdit::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QStringLiteral("language:%1;").arg(edit()->locale().bcp47Name());
}
