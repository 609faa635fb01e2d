#include "form1.h"

#include "controllayout.h"
#include "directionbutton.h"
#include "displaycontent.h"
#include "programicon.h"
#include "repaintpacer.h"

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

QWidget *createControl(const ControlLayout &control, QWidget *container)
{
    const QString caption = QString::fromUtf8(control.caption ? control.caption : "");
    switch (control.kind) {
    case ControlLayout::Kind::Frame:
        return new QGroupBox(caption, container);
    case ControlLayout::Kind::Label: {
        auto *label = new QLabel(caption, container);
        label->setTextFormat(Qt::PlainText);
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
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    setFont(font);
    setWindowTitle(QStringLiteral("Torvane"));
    setWindowIcon(programIcon());
    setFixedSize(toPixels(ControlLayout::windowWidth), toPixels(ControlLayout::windowHeight));

    Timer1->setObjectName(QStringLiteral("Timer1"));

    createControls();
    connectHandlers();
    new RepaintPacer(this);
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
        widget->setGeometry(toPixels(control.left), toPixels(control.top),
                            toPixels(control.width), toPixels(control.height));
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
}

void Form1::UpdateDisplay()
{
    const DisplayContent shown = DisplayContent::of(m_state);
    Picture1->move(markerPixels(shown.markerLeft), markerPixels(shown.markerTop));
    for (std::size_t i = 0; i < m_dataLabels.size(); ++i)
        m_dataLabels[i]->setText(QString::fromStdString(shown.labels[i]));
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
