// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessibleannouncer.h"
#include "directionbutton.h"
#include "groupframe.h"
#include "programicon.h"
#include "statuslabel.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace {

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

QFont windowFont(int pixels = ControlLayout::fontPixels)
{
    QFont font;
    QStringList families;
    for (const char *family : ControlLayout::fontFamilies)
        families << QString::fromUtf8(family);
    font.setFamilies(families);
    font.setPixelSize(pixels);
    return font;
}

QPixmap markerImage()
{
    QPixmap image(8, 8);
    image.fill(QColor(0x25, 0x2F, 0x1E));
    return image;
}

QWidget *createControl(const ControlLayout &control, QWidget *container)
{
    const QString caption = QString::fromUtf8(control.caption ? control.caption : "");
    switch (control.kind) {
    case ControlLayout::Kind::Frame:
        return new GroupFrame(caption, container);
    case ControlLayout::Kind::Label: {
        auto *label = control.lines() > 1 ? new StatusLabel(caption, container) : new QLabel(caption, container);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(windowFont(control.labelFontPixels()));
        return label;
    }
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
    , m_handlers(*this, *Timer1, localeNumbers(), &SteadyTimer::now)
{
    setFont(windowFont());
    setWindowTitle(QStringLiteral("Torvane"));
    setWindowIcon(programIcon());
    setFixedSize(ControlLayout::toPixels(ControlLayout::windowWidth), ControlLayout::toPixels(ControlLayout::windowHeight));
    if (const QScreen *screen = QGuiApplication::primaryScreen(); screen && screen->refreshRate() >= 1)
        m_handlers.setFrame(1000 / screen->refreshRate());

    Timer1->setObjectName(QStringLiteral("Timer1"));
    m_wakeUp.setSingleShot(true);
    m_wakeUp.setTimerType(Qt::PreciseTimer);

    m_announcer = new AccessibleAnnouncer(this);
    createControls();
    connectHandlers();
    m_handlers.Form_Load();
}

void Form1::createControls()
{
    std::map<std::string, QWidget *> controls;
    std::vector<const ControlLayout *> focusOrder;
    for (const ControlLayout &control : ControlLayout::table()) {
        QWidget *container = control.container ? controls.at(control.container) : this;
        QWidget *widget = createControl(control, container);
        widget->setObjectName(QString::fromUtf8(control.name));
        const ControlLayout::Box box = control.box();
        widget->move(box.left, box.top);
        widget->setFixedSize(box.width, box.height);
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
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i] = static_cast<QLineEdit *>(controls.at("Text" + std::to_string(i + 1)));
    Picture1 = static_cast<QLabel *>(controls.at("Picture1"));
}

void Form1::connectHandlers()
{
    for (int i = 1; i <= FormHandlers::commandCount; ++i) {
        connect(findChild<QPushButton *>(QStringLiteral("Command%1").arg(i)), &QPushButton::clicked, this,
                [this, i] { m_handlers.click(i); });
    }
    connect(Timer1, &SteadyTimer::timeout, this, [this] { m_handlers.Timer1_Timer(); });
    connect(&m_wakeUp, &QTimer::timeout, this, [this] { m_handlers.writeDue(); });
}

// No handler runs at the close, but a running timer stops with the window:
// no tick may come between the close and the end of the program.
void Form1::closeEvent(QCloseEvent *event)
{
    m_handlers.close();
    QWidget::closeEvent(event);
}

std::string Form1::boxText(int box) const
{
    return m_boxes.at(std::size_t(box - 1))->text().toStdString();
}

double Form1::textWidth(const std::string &text, int fontPixels) const
{
    auto found = m_metrics.find(fontPixels);
    if (found == m_metrics.end())
        found = m_metrics.emplace(fontPixels, QFontMetricsF(windowFont(fontPixels))).first;
    return found->second.horizontalAdvance(QString::fromStdString(text));
}

void Form1::writeMarker(const ControlLayout::Box &box)
{
    Picture1->move(box.left, box.top);
}

void Form1::writeLabel(std::size_t label, const std::string &shown, int fontPixels)
{
    QLabel *target = m_dataLabels[label];
    if (target->font().pixelSize() != fontPixels)
        target->setFont(windowFont(fontPixels));
    target->setText(QString::fromStdString(shown));
}

void Form1::writeName(std::size_t label, const std::string &caption, bool shortened)
{
    QLabel *target = m_dataLabels[label];
    const QString whole = QString::fromStdString(caption);
    target->setAccessibleName(whole);
    const QString toolTip = shortened ? whole : QString();
    if (target->toolTip() != toolTip)
        target->setToolTip(toolTip);
}

void Form1::announce(const std::string &message, const std::string &runState)
{
    m_announcer->announce(QString::fromStdString(message), QString::fromStdString(runState));
}

void Form1::writeSummary(const std::string &summary)
{
    m_dataLabels.back()->setAccessibleDescription(QString::fromStdString(summary));
}

void Form1::wakeUpIn(double milliseconds)
{
    m_wakeUp.start(std::max(0, int(std::ceil(milliseconds))));
}
