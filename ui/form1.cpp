// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessiblefactory.h"
#include "groupframe.h"
#include "programicon.h"
#include "statuslabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <cmath>
#include <limits>

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

QWidget *createWidget(ControlView::Role role, QWidget *container)
{
    switch (role) {
    case ControlView::Role::Panel:
        return new GroupFrame(container);
    case ControlView::Role::StatusBar:
    case ControlView::Role::Label: {
        QLabel *label = role == ControlView::Role::StatusBar ? new StatusLabel(container) : new QLabel(container);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlView::Role::TextBox: {
        auto *box = new QLineEdit(container);
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case ControlView::Role::Button:
        return new QPushButton(container);
    case ControlView::Role::Image: {
        auto *picture = new QLabel(container);
        QPixmap image(8, 8);
        image.fill(QColor(0x25, 0x2F, 0x1E));
        picture->setPixmap(image);
        // A ring in the palette's text colour keeps the dark marker in
        // sight on a dark theme's map as on a light one.
        picture->setFrameStyle(QFrame::Box | QFrame::Plain);
        return picture;
    }
    }
    return nullptr;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
    , m_tickTimer(this)
    , m_handlers(*this, m_tickTimer, localeNumbers(), &SteadyTimer::now)
{
    setAccessibleRole(this, QAccessible::Window);
    // The window's texts are Chinese whatever the desktop's language; typed
    // numbers still follow the desktop's locale, not the widgets'.
    setLocale(QLocale(QLocale::Chinese, QLocale::China));
    setFont(windowFont());
    setWindowTitle(QStringLiteral("Torvane"));
    setWindowIcon(programIcon());
    setFixedSize(ControlLayout::toPixels(ControlLayout::windowWidth), ControlLayout::toPixels(ControlLayout::windowHeight));
    if (const QScreen *screen = QGuiApplication::primaryScreen(); screen && screen->refreshRate() >= 1) {
        const double frame = 1000 / screen->refreshRate();
        m_handlers.setFrame(frame);
        m_tickTimer.setFrame(frame);
    }

    // Screen readers speak a notification that appears, where they pass over
    // a label whose text changes: this one of no size appears with each message.
    m_announcer = new QWidget(this);
    setAccessibleRole(m_announcer, QAccessible::Notification);
    m_announcer->setFixedSize(0, 0);
    m_announcer->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_tickTimer.setObjectName(QStringLiteral("Timer1"));
    connect(&m_tickTimer, &SteadyTimer::timeout, this, [this] { m_handlers.Timer1_Timer(); });
    m_wakeUp.setSingleShot(true);
    m_wakeUp.setTimerType(Qt::PreciseTimer);
    connect(&m_wakeUp, &QTimer::timeout, this, [this] { m_handlers.writeDue(); });
    m_handlers.createControls();
    m_handlers.Form_Load();
}

void Form1::create(const ControlView &control)
{
    QWidget *widget = createWidget(control.role, control.container < 0 ? this : m_controls.at(std::size_t(control.container)));
    if (control.role == ControlView::Role::StatusBar)
        setAccessibleRole(widget, QAccessible::StatusBar);
    widget->setObjectName(QString::fromStdString(control.id));
    m_controls.push_back(widget);
    update(m_controls.size() - 1, control, ~0u);

    if (control.takesFocus()) {
        if (m_lastInTabOrder)
            setTabOrder(m_lastInTabOrder, widget);
        m_lastInTabOrder = widget;
    }
    if (auto *button = qobject_cast<QPushButton *>(widget))
        connect(button, &QPushButton::clicked, this, [this, command = control.number] { m_handlers.click(command); });
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        m_boxes.at(std::size_t(control.number - 1)) = box;
}

void Form1::update(std::size_t control, const ControlView &view, unsigned parts)
{
    QWidget *widget = m_controls[control];
    if (parts & ControlView::Place) {
        widget->move(view.box.left, view.box.top);
        widget->setFixedSize(view.box.width, view.box.height);
    }
    if ((parts & ControlView::Font) && widget->font().pixelSize() != view.fontPixels)
        widget->setFont(windowFont(view.fontPixels));
    if ((parts & ControlView::Text) && view.role != ControlView::Role::Image)
        widget->setProperty(view.role == ControlView::Role::Panel ? "title" : "text", QString::fromStdString(view.text));
    if (parts & ControlView::Name)
        widget->setAccessibleName(QString::fromStdString(view.name));
    if (parts & ControlView::Description)
        widget->setAccessibleDescription(QString::fromStdString(view.description));
    if (parts & ControlView::ToolTip)
        widget->setToolTip(QString::fromStdString(view.toolTip));
}

void Form1::announce(const std::string &words)
{
    m_announcer->setAccessibleName(QString::fromStdString(words));
    m_announcer->hide();
    m_announcer->show();
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

void Form1::wakeUpIn(double milliseconds)
{
    m_wakeUp.start(std::max(0, int(std::ceil(milliseconds))));
}
