// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessibleannouncer.h"
#include "controllayout.h"
#include "directionbutton.h"
#include "groupframe.h"
#include "programicon.h"
#include "statuslabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// While ticks come faster than the screen's frames, the labels change ten
// times a second: as fast as a number can still be read.
constexpr std::chrono::milliseconds readableInterval(100);
// Each name change costs about half a millisecond once a screen reader
// listens, and nobody can listen to numbers faster: while the point moves,
// assistive technology is told its numbers once a second.
constexpr std::chrono::seconds nameInterval(1);
const QChar ellipsis(0x2026);
constexpr int markerRing = 1;

// A caption or message as a tool tip or a screen reader takes it.
QString readable(const QString &text)
{
    constexpr int longest = 1000;
    return text.size() <= longest ? text : text.left(longest) + ellipsis;
}

// Typed numbers are read as the locale writes them, whatever its
// separator and digits.
NumberSymbols localeNumbers()
{
    const QLocale locale;
    const QList<uint> point = locale.decimalPoint().toUcs4();
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    NumberSymbols numbers;
    if (point.size() == 1)
        numbers.decimalSeparator = point.front();
    if (zero.size() == 1)
        numbers.zeroDigit = zero.front();
    return numbers;
}

int toPixels(int twips)
{
    return twips / ControlLayout::twipsPerPixel;
}

// Far outside the map, yet a position any widget can take, so that no
// float-to-integer conversion overflows however far the point has gone.
int markerPixels(float twips)
{
    constexpr float limit = 1e6f;
    return int(std::lround(std::clamp(twips / ControlLayout::twipsPerPixel, -limit, limit)));
}

std::string textOf(const QLineEdit *box)
{
    return box->text().toStdString();
}

QPixmap markerImage()
{
    QPixmap image(8, 8);
    image.fill(QColor(0x25, 0x2F, 0x1E));
    return image;
}

// A label as tall as two lines of the window's font shows two lines, in
// the largest size of that font for which both fit its box whole.
QLabel *createLabel(const QString &caption, int height, QWidget *container)
{
    const bool twoLines = height >= 2 * container->font().pixelSize();
    auto *label = twoLines ? new StatusLabel(caption, container) : new QLabel(caption, container);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (twoLines) {
        QFont font = container->font();
        while (font.pixelSize() > 6 && QFontMetrics(font).height() + height / 2 > height)
            font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
    }
    return label;
}

QString fittedNumber(std::size_t index, const std::string &caption, const QFontMetrics &metrics, int width,
                     bool &shortened)
{
    const std::string shown = DisplayContent::fitted(index, caption, [&](const std::string &text) {
        return metrics.horizontalAdvance(QString::fromStdString(text)) <= width;
    });
    shortened = shown != caption;
    return QString::fromStdString(shown);
}

// The status wraps onto the label's second line between any two
// characters, and ends in "…" where even two lines cannot hold it.
QString fittedStatus(const QString &caption, const QFont &font, int width, bool &shortened)
{
    // No character is narrower than a pixel, so no more than this can show.
    QString shown = caption.left(2 * width);
    if (!shown.isEmpty() && shown.back().isHighSurrogate())
        shown.chop(1);
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    QTextLayout layout(shown, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine first = layout.createLine();
    first.setLineWidth(width);
    layout.endLayout();
    const QString rest = shown.mid(first.textLength());
    shortened = shown.size() < caption.size();
    if (rest.isEmpty() && !shortened)
        return shown;
    const QFontMetrics metrics(font);
    QString second = metrics.elidedText(rest, Qt::ElideRight, width);
    if (second == rest && shown.size() < caption.size())
        second = metrics.elidedText(rest + ellipsis, Qt::ElideRight, width);
    shortened = shortened || second != rest;
    return shown.left(first.textLength()) + QLatin1Char('\n') + second;
}

QWidget *createControl(const ControlLayout &control, QWidget *container)
{
    const QString caption = QString::fromUtf8(control.caption ? control.caption : "");
    switch (control.kind) {
    case ControlLayout::Kind::Frame:
        return new GroupFrame(caption, container);
    case ControlLayout::Kind::Label:
        return createLabel(caption, toPixels(control.height), container);
    case ControlLayout::Kind::TextBox: {
        auto *box = new QLineEdit(caption, container);
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case ControlLayout::Kind::Button:
        return new QPushButton(caption, container);
    case ControlLayout::Kind::DirectionButton:
        return new DirectionButton(caption, container);
    case ControlLayout::Kind::Picture: {
        auto *picture = new QLabel(container);
        picture->setPixmap(markerImage());
        // A ring in the palette's text colour keeps the dark marker in
        // sight on a dark theme's map as on a light one.
        picture->setFrameStyle(QFrame::Box | QFrame::Plain);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    }
    return nullptr;
}

bool takesFocus(ControlLayout::Kind kind)
{
    return kind == ControlLayout::Kind::TextBox || kind == ControlLayout::Kind::Button
        || kind == ControlLayout::Kind::DirectionButton;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
    , Timer1(new SteadyTimer(this))
    , m_run(m_state, *Timer1, localeNumbers())
    , m_edit(m_state, localeNumbers())
{
    // The first of these a system has: Linux's CJK font, which the Debian
    // package depends on, then Windows' own Simplified Chinese UI fonts.
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("SimSun")});
    font.setPixelSize(12);
    setFont(font);
    setWindowTitle(QStringLiteral("Torvane"));
    setWindowIcon(programIcon());
    setFixedSize(toPixels(ControlLayout::windowWidth), toPixels(ControlLayout::windowHeight));

    Timer1->setObjectName(QStringLiteral("Timer1"));
    for (QTimer *write : {&m_markerWrite, &m_labelsWrite}) {
        write->setSingleShot(true);
        write->setTimerType(Qt::PreciseTimer);
    }

    m_announcer = new AccessibleAnnouncer(this);
    createControls();
    connectHandlers();
    Form_Load();
}

void Form1::createControls()
{
    std::map<std::string, QWidget *> controls;
    std::vector<const ControlLayout *> focusOrder;
    for (const ControlLayout &control : ControlLayout::table()) {
        QWidget *container = control.container ? controls.at(control.container) : this;
        QWidget *widget = createControl(control, container);
        widget->setObjectName(QString::fromUtf8(control.name));
        QRect box(toPixels(control.left), toPixels(control.top), toPixels(control.width), toPixels(control.height));
        // The marker's box is one pixel wider than its image, at the right;
        // the ring takes one more at the left, so the image stays in place.
        if (control.kind == ControlLayout::Kind::Picture)
            box.adjust(-markerRing, -markerRing, 0, 0);
        widget->move(box.topLeft());
        widget->setFixedSize(box.size());
        if (control.description)
            widget->setAccessibleName(QString::fromUtf8(control.description));
        if (control.help)
            widget->setAccessibleDescription(QString::fromUtf8(control.help));
        controls[control.name] = widget;
        if (takesFocus(control.kind))
            focusOrder.push_back(&control);
    }

    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const ControlLayout *a, const ControlLayout *b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(controls.at(focusOrder[i - 1]->name), controls.at(focusOrder[i]->name));

    for (std::size_t i = 0; i < m_dataLabels.size(); ++i)
        m_dataLabels[i] = static_cast<QLabel *>(controls.at("Label" + std::to_string(i + 1)));
    Picture1 = static_cast<QLabel *>(controls.at("Picture1"));
    QLineEdit **boxes[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7};
    for (std::size_t i = 0; i < std::size(boxes); ++i)
        *boxes[i] = static_cast<QLineEdit *>(controls.at("Text" + std::to_string(i + 1)));
}

void Form1::connectHandlers()
{
    using Handler = void (Form1::*)();
    const Handler clickHandlers[] = {
        &Form1::Command1_Click, &Form1::Command2_Click, &Form1::Command3_Click,
        &Form1::Command4_Click, &Form1::Command5_Click, &Form1::Command6_Click,
        &Form1::Command7_Click, &Form1::Command8_Click, &Form1::Command9_Click,
        &Form1::Command10_Click, &Form1::Command11_Click, &Form1::Command12_Click,
        &Form1::Command13_Click, &Form1::Command14_Click, &Form1::Command15_Click,
    };
    for (std::size_t i = 0; i < std::size(clickHandlers); ++i) {
        const auto name = QStringLiteral("Command%1").arg(i + 1);
        connect(findChild<QPushButton *>(name), &QPushButton::clicked, this, clickHandlers[i]);
    }
    connect(Timer1, &SteadyTimer::timeout, this, &Form1::Timer1_Timer);
    connect(&m_markerWrite, &QTimer::timeout, this, &Form1::writeMarker);
    connect(&m_labelsWrite, &QTimer::timeout, this, &Form1::writeLabels);
}

// No handler runs at the close, but a running timer stops with the window:
// no tick may come between the close and the end of the program.
void Form1::closeEvent(QCloseEvent *event)
{
    Timer1->setInterval(0);
    QWidget::closeEvent(event);
}

// The captions are worked out for every refresh; a caption that has not
// changed is not converted again, so a long status costs nothing on the
// ticks after it.
void Form1::UpdateDisplay()
{
    m_unwritten |= m_shown.refresh(m_state);
    if (!std::exchange(m_ticked, false) || !Timer1->isActive()) {
        m_labelsNamed = {}; // a command's numbers are named at once
        writeMarker();
        writeLabels();
        return;
    }
    const QScreen *shown = screen();
    const Clock::duration frame = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(1 / (shown && shown->refreshRate() >= 1 ? shown->refreshRate() : 60)));
    const Clock::time_point now = Clock::now();
    const bool flood = now - m_lastTick < frame;
    m_lastTick = now;
    if (markerPosition() != Picture1->pos())
        writeWhenDue(m_markerWrite, m_markerWritten, frame, &Form1::writeMarker);
    writeWhenDue(m_labelsWrite, m_labelsWritten, flood ? Clock::duration(readableInterval) : frame,
                 &Form1::writeLabels);
}

void Form1::writeWhenDue(QTimer &timer, Clock::time_point written, Clock::duration gap, void (Form1::*write)())
{
    const Clock::duration since = Clock::now() - written;
    if (since >= gap)
        (this->*write)();
    else if (!timer.isActive())
        timer.start(std::chrono::ceil<std::chrono::milliseconds>(gap - since));
}

QPoint Form1::markerPosition() const
{
    return {markerPixels(m_shown.markerLeft) - markerRing, markerPixels(m_shown.markerTop) - markerRing};
}

void Form1::writeMarker()
{
    m_markerWrite.stop();
    m_markerWritten = Clock::now();
    Picture1->move(markerPosition());
}

void Form1::writeLabels()
{
    m_labelsWrite.stop();
    m_labelsWritten = Clock::now();
    for (std::size_t i = 0; i < m_dataLabels.size(); ++i) {
        if (m_unwritten[i])
            writeLabel(i);
    }
    m_unnamed |= m_unwritten;
    if (!Timer1->isActive() || m_labelsWritten - m_labelsNamed >= nameInterval) {
        m_labelsNamed = m_labelsWritten;
        for (std::size_t i = 0; i < m_dataLabels.size(); ++i) {
            if (m_unnamed[i])
                m_dataLabels[i]->setAccessibleName(QString::fromStdString(m_shown.labels[i]));
        }
        m_unnamed.reset();
    }
    // A screen reader hears of a new status at once, and of no tick.
    if (m_unwritten[m_dataLabels.size() - 1])
        m_announcer->statusChanged(readable(QString::fromStdString(DisplayText(m_state.zt))), !IsZero(m_state.run));
    m_unwritten.reset();
}

// A label shows what its box can hold of its caption, and then the whole
// caption as its tool tip; assistive technology reads it whole.
void Form1::writeLabel(std::size_t index)
{
    QLabel *label = m_dataLabels[index];
    const QString caption = QString::fromStdString(m_shown.labels[index]);
    const int width = label->contentsRect().width();
    bool shortened = false;
    const QString shown = index == m_dataLabels.size() - 1
        ? fittedStatus(caption, label->font(), width, shortened)
        : fittedNumber(index, m_shown.labels[index], label->fontMetrics(), width, shortened);
    label->setText(shown);
    const QString toolTip = shortened ? readable(caption) : QString();
    if (label->toolTip() != toolTip)
        label->setToolTip(toolTip);
}

void Form1::Form_Load() { m_run.initialise(); UpdateDisplay(); }
void Form1::Timer1_Timer() { m_run.tick(); m_ticked = true; UpdateDisplay(); }
void Form1::Command1_Click() { m_run.startPause(); UpdateDisplay(); }
void Form1::Command2_Click() { m_edit.returnToOrigin(); UpdateDisplay(); }
void Form1::Command3_Click() { m_run.reset(); UpdateDisplay(); }
void Form1::Command4_Click() { m_edit.nudgeAcceleration(0, +1); UpdateDisplay(); }
void Form1::Command5_Click() { m_edit.nudgeAcceleration(+1, 0); UpdateDisplay(); }
void Form1::Command6_Click() { m_edit.nudgeAcceleration(-1, 0); UpdateDisplay(); }
void Form1::Command7_Click() { m_edit.nudgeAcceleration(0, -1); UpdateDisplay(); }
void Form1::Command8_Click() { m_edit.nudgeAcceleration(-1, +1); UpdateDisplay(); }
void Form1::Command9_Click() { m_edit.nudgeAcceleration(+1, +1); UpdateDisplay(); }
void Form1::Command10_Click() { m_edit.nudgeAcceleration(-1, -1); UpdateDisplay(); }
void Form1::Command11_Click() { m_edit.nudgeAcceleration(+1, -1); UpdateDisplay(); }
void Form1::Command12_Click() { m_edit.setPosition(textOf(Text1), textOf(Text2)); UpdateDisplay(); }
void Form1::Command13_Click() { m_edit.setVelocity(textOf(Text3), textOf(Text4)); UpdateDisplay(); }
void Form1::Command14_Click() { m_edit.setAcceleration(textOf(Text5), textOf(Text6)); UpdateDisplay(); }
void Form1::Command15_Click() { m_run.setTickRate(textOf(Text7)); UpdateDisplay(); }
