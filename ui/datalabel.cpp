// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datalabel.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

namespace {

// No character is narrower than a pixel, so no more than this can show.
QString visiblePart(const QString &caption, int characters)
{
    QString part = caption.left(characters);
    if (!part.isEmpty() && part.back().isHighSurrogate())
        part.chop(1);
    for (QChar &c : part) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return part;
}

constexpr int longestToolTip = 1000;

// Shaping text is most of what drawing a label costs; a line laid out to
// be measured is kept to be drawn.
std::unique_ptr<QTextLayout> oneLine(const QString &text, const QFont &font)
{
    auto layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->beginLayout();
    layout->createLine();
    layout->endLayout();
    return layout;
}

} // namespace

DataLabel::DataLabel(const QString &caption, int lines, QWidget *parent)
    : QLabel(caption, parent)
    , m_lines(lines)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Opaque, so that a new caption repaints the label alone and not the
    // frame and window behind it.
    setAutoFillBackground(true);
}

DataLabel::~DataLabel() = default;

void DataLabel::setText(const QString &caption)
{
    const QString current = text();
    if (caption.isSharedWith(current) || caption == current)
        return;
    QLabel::setText(caption);
    m_laidOut = false;
}

bool DataLabel::isElided()
{
    layOutIfChanged();
    return m_elided;
}

QStringList DataLabel::shownLines()
{
    layOutIfChanged();
    QStringList lines;
    for (const auto &line : m_lineLayouts)
        lines << line->text();
    return lines;
}

void DataLabel::layOutIfChanged()
{
    if (!m_laidOut)
        layOutCaption();
}

// Lines sit a fixed pitch apart so that all of them fit the box's height.
int DataLabel::linePitch() const
{
    return std::min(fontMetrics().lineSpacing(), height() / std::max(m_lines, 1));
}

void DataLabel::layOutCaption()
{
    m_laidOut = true;
    const QString caption = text();
    const int width = std::max(contentsRect().width(), 1);
    const QString shown = visiblePart(caption, m_lines * width);
    const QFontMetrics metrics = fontMetrics();

    m_lineLayouts.clear();
    bool elided = shown.size() < caption.size();
    std::unique_ptr<QTextLayout> whole = elided ? nullptr : oneLine(shown, font());
    if (whole && whole->lineAt(0).naturalTextWidth() <= width) {
        m_lineLayouts.push_back(std::move(whole));
    } else {
        QStringList lines;
        QTextLayout layout(shown, font());
        QTextOption option;
        option.setWrapMode(m_lines > 1 ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        int start = 0;
        while (start < shown.size() && lines.size() < m_lines - 1) {
            QTextLine line = layout.createLine();
            line.setLineWidth(width);
            lines << shown.mid(start, line.textLength());
            start += line.textLength();
        }
        layout.endLayout();
        const QString rest = shown.mid(start);
        QString last = metrics.elidedText(rest, Qt::ElideRight, width);
        // A caption that goes on beyond what was laid out ends in "…" even
        // where its shown part would fit.
        if (elided && last == rest)
            last = metrics.elidedText(rest + QChar(0x2026), Qt::ElideRight, width);
        elided = elided || last != rest;
        lines << last;
        for (const QString &line : std::as_const(lines))
            m_lineLayouts.push_back(oneLine(line, font()));
    }
    if (elided || m_elided) {
        m_elided = elided;
        setToolTip(!elided ? QString()
                   : caption.size() <= longestToolTip ? caption
                                                      : caption.left(longestToolTip) + QChar(0x2026));
    }
}

void DataLabel::paintEvent(QPaintEvent *)
{
    layOutIfChanged();
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect box = contentsRect();
    const int ascent = fontMetrics().ascent();
    const int pitch = linePitch();
    for (std::size_t i = 0; i < m_lineLayouts.size(); ++i) {
        const qreal baseline = box.top() + ascent + int(i) * pitch;
        m_lineLayouts[i]->draw(&painter, QPointF(box.left(), baseline - m_lineLayouts[i]->lineAt(0).ascent()));
    }
}

void DataLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    m_laidOut = false;
}

void DataLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_laidOut = false;
}
