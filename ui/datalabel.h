// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QStringList>

#include <memory>
#include <vector>

class QTextLayout;

// A label of the data panel. Its text is always the whole caption, but it
// draws only what its box can show, from the box's top-left corner: one
// line, or the given number of lines wrapped between any two characters,
// and a caption that does not fit ends in "…" so that no cut-off digits
// can be read as a whole number. It then shows the caption as its tool
// tip. However long a caption is, only what can be shown is laid out, and
// only when the label is painted or asked what it shows.
class DataLabel : public QLabel
{
    Q_OBJECT

public:
    DataLabel(const QString &caption, int lines, QWidget *parent = nullptr);
    ~DataLabel() override;

    // Hides QLabel::setText, which is not virtual: the window sets its
    // data labels through this class.
    void setText(const QString &caption);

    bool isElided();
    QStringList shownLines();

    QSize sizeHint() const override { return size(); }
    QSize minimumSizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int linePitch() const;
    void layOutCaption();
    void layOutIfChanged();

    int m_lines;
    bool m_laidOut = false;
    std::vector<std::unique_ptr<QTextLayout>> m_lineLayouts;
    bool m_elided = false;
};
