// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessibilitypacer.h"
#include "controllayout.h"
#include "datalabel.h"
#include "directionbutton.h"
#include "framestyle.h"
#include "programicon.h"
#include "repaintpacer.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace {

char localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.front().unicode() < 0x80 ? char(point.front().unicode()) : '.';
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

// A label as tall as two lines of the window's font wraps onto a second
// line, in the largest size of that font for which both lines, a fixed
// pitch apart, fit its box whole.
DataLabel *createLabel(const QString &caption, int height, QWidget *container)
{
    const int lines = std::max(1, height / container->font().pixelSize());
    auto *label = new DataLabel(caption, lines, container);
    if (lines > 1) {
        QFont font = container->font();
        const int pitch = height / lines;
        while (font.pixelSize() > 6) {
            const QFontMetrics metrics(font);
            if (metrics.ascent() + metrics.descent() + (lines - 1) * pitch <= height)
                break;
            font.setPixelSize(font.pixelSize() - 1);
        }
        label->setFont(font);
    }
    return label;
}

QWidget *createControl(const ControlLayout &control, QWidget *container, QStyle *frameStyle)
{
    const QString caption = QString::fromUtf8(control.caption ? control.caption : "");
    switch (control.kind) {
    case ControlLayout::Kind::Frame: {
        auto *frame = new QGroupBox(caption, container);
        frame->setStyle(frameStyle);
        return frame;
    }
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
    , m_run(m_state, *Timer1, localeDecimalSeparator())
    , m_edit(m_state, localeDecimalSeparator())
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

    m_frameStyle = new FrameStyle(QApplication::style()->name());
    m_frameStyle->setParent(this);
    createControls();
    connectHandlers();
    m_repaintPacer = new RepaintPacer(this);
    new AccessibilityPacer(this, {m_dataLabels.begin(), m_dataLabels.end()});
    Form_Load();
}

void Form1::createControls()
{
    std::map<std::string, QWidget *> controls;
    std::vector<const ControlLayout *> focusOrder;
    for (const ControlLayout &control : ControlLayout::table()) {
        QWidget *container = control.container ? controls.at(control.container) : this;
        QWidget *widget = createControl(control, container, m_frameStyle);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->move(toPixels(control.left), toPixels(control.top));
        widget->setFixedSize(toPixels(control.width), toPixels(control.height));
        if (control.description)
            widget->setAccessibleName(QString::fromUtf8(control.description));
        controls[control.name] = widget;
        if (takesFocus(control.kind))
            focusOrder.push_back(&control);
    }

    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const ControlLayout *a, const ControlLayout *b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(controls.at(focusOrder[i - 1]->name), controls.at(focusOrder[i]->name));

    for (std::size_t i = 0; i < m_dataLabels.size(); ++i)
        m_dataLabels[i] = static_cast<DataLabel *>(controls.at("Label" + std::to_string(i + 1)));
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
}

// No handler runs at the close, but a running timer stops with the window:
// no tick may come between the close and the end of the program.
void Form1::closeEvent(QCloseEvent *event)
{
    Timer1->setInterval(0);
    QWidget::closeEvent(event);
}

// Every label is set each time; a caption that has not changed is not
// converted again, so a long status costs nothing on the ticks after it.
void Form1::UpdateDisplay()
{
    m_repaintPacer->aboutToChange();
    const std::bitset<9> changed = m_shown.refresh(m_state);
    Picture1->move(markerPixels(m_shown.markerLeft), markerPixels(m_shown.markerTop));
    for (std::size_t i = 0; i < m_dataLabels.size(); ++i) {
        if (changed[i])
            m_captions[i] = QString::fromStdString(m_shown.labels[i]);
        m_dataLabels[i]->setText(m_captions[i]);
    }
}

void Form1::Form_Load() { m_run.initialise(); UpdateDisplay(); }
void Form1::Timer1_Timer() { m_run.tick(); UpdateDisplay(); }
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
