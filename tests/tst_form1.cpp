// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "offscreenplatform.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

namespace {
const QStringList initialLabels = {"TPS: 20", "坐标x: 0", "坐标y: 0", "速度x: 0", "速度y: 0",
                                   "加速度x: 0", "加速度y: 0", "当前时间刻: 0", "当前状态:就绪"};
const QPoint markerOrigin(268, 268);
}

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUp();
    void layout_data();
    void layout();
    void markerRing_data();
    void markerRing();
    void keyboard();
    void accessibleNames();
    void textBoxesAnswerEveryQuestion();
    void runJourney();
    void directionPad_data();
    void directionPad();
    void typedPositionMovesMarker();
    void badEntries_data();
    void badEntries();
    void tickRateTakesEffectAtNextStart();
    void veryHighTickRateStillTicks();
    void resetWhileRunning();
    void markerFarOutsideMap();
    void overflowPausesTicking();
    void inertClicks();
    void closingWhileTicking();
    void bigNumbers_data();
    void bigNumbers();
    void longStatus();
    void pacedWrites();
    void commaLocale();
    void arabicLocale();

private:
    template<class T> T *control(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QStringList labels() const;
    // A label's whole caption, as assistive technology reads it; what it
    // shows may be shortened.
    QString label(int number) const
    {
        return QAccessible::queryAccessibleInterface(control<QLabel>(QStringLiteral("Label%1").arg(number)))
            ->text(QAccessible::Name);
    }
    SteadyTimer *timer() const { return control<SteadyTimer>("Timer1"); }
    // Where the marker's image lies in the map, inside its ring.
    QPoint marker() const
    {
        const auto *box = control<QLabel>("Picture1");
        return box->mapToParent(box->contentsRect().topLeft());
    }
    void click(const QString &button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void type(const QString &box, const QString &text);
    // A new window, made while the given locale is the default.
    void openIn(const QLocale &locale)
    {
        QLocale::setDefault(locale);
        m_window = std::make_unique<Form1>();
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    std::unique_ptr<Form1> m_window;
    QList<std::shared_ptr<QSignalSpy>> m_textWrites; // changed, edited: pairs per box
};

QStringList TestForm1::labels() const
{
    QStringList texts;
    for (int i = 1; i <= 9; ++i)
        texts << label(i);
    return texts;
}

// As a user does it: select what the box holds and type over it, the
// Chinese through an input method.
void TestForm1::type(const QString &box, const QString &text)
{
    QLineEdit *edit = control<QLineEdit>(box);
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(edit, c.toLatin1());
        } else {
            QInputMethodEvent composed;
            composed.setCommitString(c);
            QApplication::sendEvent(edit, &composed);
        }
    }
    QCOMPARE(edit->text(), text);
}

void TestForm1::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    m_window = std::make_unique<Form1>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    // The program never writes a text box: only typing may change one.
    m_textWrites.clear();
    for (int i = 1; i <= 7; ++i) {
        auto *box = control<QLineEdit>(QStringLiteral("Text%1").arg(i));
        m_textWrites << std::make_shared<QSignalSpy>(box, &QLineEdit::textChanged)
                     << std::make_shared<QSignalSpy>(box, &QLineEdit::textEdited);
    }
}

void TestForm1::cleanup()
{
    for (qsizetype i = 0; i < m_textWrites.size(); i += 2)
        QCOMPARE(m_textWrites[i]->size(), m_textWrites[i + 1]->size());
    m_textWrites.clear();
    m_window.reset();
}

void TestForm1::startUp()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Torvane"));
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->size(), QSize(737, 553));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(control<QGroupBox>("Frame1")->title(), QStringLiteral("地图"));
    QCOMPARE(control<QGroupBox>("Frame2")->title(), QStringLiteral("数据"));
    QCOMPARE(control<QGroupBox>("Frame3")->title(), QStringLiteral("操作"));
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(control<QLineEdit>(QStringLiteral("Text%1").arg(i))->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>("Text7")->text(), QStringLiteral("20"));
    QCOMPARE(labels(), initialLabels);
    QCOMPARE(marker(), markerOrigin);
    QVERIFY(!timer()->isActive());
    QCOMPARE(m_window->findChildren<QPushButton *>().size(), 15);
    QCOMPARE(m_window->findChildren<QLineEdit *>().size(), 7);
}

void TestForm1::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Frame1") << "Frame1" << "" << QRect(192, 8, 537, 537);
    QTest::newRow("Frame2") << "Frame2" << "" << QRect(8, 8, 177, 129);
    QTest::newRow("Frame3") << "Frame3" << "" << QRect(8, 144, 177, 289);
    QTest::newRow("Label1") << "Label1" << "Frame2" << QRect(8, 16, 161, 17);
    QTest::newRow("Label7") << "Label7" << "Frame2" << QRect(88, 64, 81, 17);
    QTest::newRow("Label9") << "Label9" << "Frame2" << QRect(8, 96, 161, 25);
    QTest::newRow("Command1") << "Command1" << "Frame3" << QRect(8, 16, 161, 41);
    QTest::newRow("Command3") << "Command3" << "Frame3" << QRect(88, 56, 81, 33);
    QTest::newRow("Command8") << "Command8" << "Frame3" << QRect(40, 96, 33, 33);
    QTest::newRow("Command11") << "Command11" << "Frame3" << QRect(104, 160, 33, 33);
    QTest::newRow("Label13") << "Label13" << "Frame3" << QRect(128, 200, 41, 17);
    QTest::newRow("Text6") << "Text6" << "Frame3" << QRect(128, 248, 41, 18);
    QTest::newRow("Command15") << "Command15" << "Frame3" << QRect(8, 264, 81, 17);
    QTest::newRow("Text7") << "Text7" << "Frame3" << QRect(88, 264, 81, 18);
    // The marker's 9 × 9 box, and the ring's pixel at the left and top.
    QTest::newRow("Picture1") << "Picture1" << "Frame1" << QRect(267, 267, 10, 10);
}

void TestForm1::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);

    QWidget *widget = control<QWidget>(name);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->parentWidget()->objectName(), container);
}

void TestForm1::markerRing_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light") << QColor(0xEF, 0xEF, 0xEF) << QColor(Qt::black);
    QTest::newRow("Adwaita dark") << QColor(0x32, 0x32, 0x32) << QColor(0xEE, 0xEE, 0xEC);
    QTest::newRow("darker") << QColor(0x20, 0x20, 0x20) << QColor(0xD0, 0xD0, 0xD0);
}

// The marker's image keeps its pixels, and the ring around it stands out
// from the map by at least WCAG's 3:1 for what is not text.
void TestForm1::markerRing()
{
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    m_window->setPalette(palette);

    const auto luminance = [](QColor c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const QImage map = control<QWidget>("Frame1")->grab().toImage();
    const QRect image(marker(), QSize(8, 8));
    const double background = luminance(map.pixelColor(image.topLeft() - QPoint(4, 4)));
    for (int y = image.top() - 1; y <= image.bottom() + 1; ++y) {
        for (int x = image.left() - 1; x <= image.right() + 1; ++x) {
            const QColor pixel = map.pixelColor(x, y);
            if (image.contains(x, y)) {
                QCOMPARE(pixel, QColor(0x25, 0x2F, 0x1E));
                continue;
            }
            const double ring = luminance(pixel);
            const double contrast = (std::max(ring, background) + 0.05) / (std::min(ring, background) + 0.05);
            QVERIFY2(contrast >= 3, qPrintable(QStringLiteral("%1 at %2,%3: %4:1").arg(pixel.name()).arg(x).arg(y).arg(contrast)));
        }
    }
}

void TestForm1::keyboard()
{
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    control<QPushButton>("Command1")->setFocus();
    const QStringList expected = {"Command1", "Command2", "Command3", "Command4", "Command5",
                                  "Command6", "Command7", "Command8", "Command9", "Command10",
                                  "Command11", "Command12", "Text1", "Text2", "Command13",
                                  "Text3", "Text4", "Command14", "Text5", "Text6", "Command15",
                                  "Text7", "Command1"};
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    for (QWidget *widget : m_window->findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(widget) || qobject_cast<QGroupBox *>(widget))
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    }
    for (QPushButton *button : m_window->findChildren<QPushButton *>()) {
        QVERIFY(!button->isDefault() && !button->autoDefault());
        QVERIFY(!button->text().contains(QLatin1Char('&')));
    }
}

void TestForm1::accessibleNames()
{
    const auto name = [this](const QString &control) {
        return QAccessible::queryAccessibleInterface(this->control<QWidget>(control))->text(QAccessible::Name);
    };
    QCOMPARE(name("Command8"), QStringLiteral("ax-1ay+1"));
    QCOMPARE(name("Command12"), QStringLiteral("将坐标设置为"));
    QCOMPARE(name("Text1"), QStringLiteral("坐标x"));
    QCOMPARE(name("Text6"), QStringLiteral("加速度y"));
    QCOMPARE(name("Text7"), QStringLiteral("TPS"));
    QVERIFY(!name("Picture1").isEmpty());
    click("Command5");
    QCOMPARE(name("Label6"), QStringLiteral("加速度x: 1"));

    // The window is a frame, the status its status bar; a new status is
    // announced, and the buttons say in words what they do.
    const auto role = [this](const QString &control) {
        return QAccessible::queryAccessibleInterface(this->control<QWidget>(control))->role();
    };
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window.get())->role(), QAccessible::Window);
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window.get())->text(QAccessible::Name), QStringLiteral("Torvane"));
    QCOMPARE(role("Label9"), QAccessible::StatusBar);
    const auto description = [this](const QString &control) {
        return QAccessible::queryAccessibleInterface(this->control<QWidget>(control))->text(QAccessible::Description);
    };
    QCOMPARE(description("Command8"), QStringLiteral("加速度 x 减 1，y 加 1，向左上"));
    QCOMPARE(name("Command1"), QStringLiteral("开始或暂停"));
    QCOMPARE(description("Command1"), QStringLiteral("已暂停"));
    type("Text2", "y");
    click("Command12");
    const QList<QWidget *> notices = m_window->findChildren<QWidget *>();
    const auto notice = std::find_if(notices.begin(), notices.end(), [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->role() == QAccessible::Notification;
    });
    QVERIFY(notice != notices.end() && (*notice)->isVisible() && (*notice)->size().isEmpty());
    const auto told = [&] { return QAccessible::queryAccessibleInterface(*notice)->text(QAccessible::Name); };
    QCOMPARE(told(), QStringLiteral("坐标y无效，坐标 x 0，y 0"));
    type("Text3", "-5");
    type("Text4", "+3");
    click("Command13");
    QCOMPARE(told(), QStringLiteral("将速度设置为x 负 5y 正 3，速度 x 负 5，y 3"));
    click("Command6");
    QCOMPARE(told(), QStringLiteral("ax 减 1，加速度 x 0，y 0"));
    type("Text7", "100");
    click("Command15");
    QCOMPARE(told(), QStringLiteral("TPS 设为 100"));
    QCOMPARE(description("Label9"), QStringLiteral("当前状态 ax 减 1，TPS 100，坐标 x 0，y 0，速度 x 负 5，y 3，"
                                                   "加速度 x 0，y 0，当前时间刻 0"));
    click("Command1");
    QCOMPARE(description("Command1"), QStringLiteral("运行中"));
    QCOMPARE(told(), QStringLiteral("运行中"));
}

// Word and line questions at the end of a box's text are the ones Qt's own
// answer never returns from; the whole text is one run of attributes.
void TestForm1::textBoxesAnswerEveryQuestion()
{
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(control<QLineEdit>("Text7"))->textInterface();
    int start = -1, end = -1;
    QCOMPARE(text->textAtOffset(2, QAccessible::WordBoundary, &start, &end), QStringLiteral("20"));
    QCOMPARE(std::pair(start, end), std::pair(0, 2));
    QCOMPARE(text->textAtOffset(2, QAccessible::CharBoundary, &start, &end), QString());
    QCOMPARE(text->textBeforeOffset(2, QAccessible::CharBoundary, &start, &end), QStringLiteral("0"));
    QCOMPARE(text->textAtOffset(2, QAccessible::SentenceBoundary, &start, &end), QStringLiteral("20"));
    QCOMPARE(text->textAfterOffset(0, QAccessible::WordBoundary, &start, &end), QString());
    type("Text7", "-1 25");
    QCOMPARE(text->textAtOffset(2, QAccessible::WordBoundary, &start, &end), QStringLiteral("-1 "));
    QCOMPARE(text->textAfterOffset(1, QAccessible::WordBoundary, &start, &end), QStringLiteral("25"));
    QCOMPARE(text->textBeforeOffset(5, QAccessible::WordBoundary, &start, &end), QStringLiteral("-1 "));
    QCOMPARE(text->textAtOffset(1, QAccessible::SentenceBoundary, &start, &end), QStringLiteral("-1 25"));
    QCOMPARE(text->attributes(3, &start, &end), QStringLiteral("language:zh;"));
    QCOMPARE(std::pair(start, end), std::pair(0, 5));
}

void TestForm1::runJourney()
{
    click("Command5");
    click("Command1");
    QVERIFY(timer()->isActive());
    QCOMPARE(timer()->interval(), 50);
    QCOMPARE(label(9), QStringLiteral("当前状态:运行中"));
    QTRY_VERIFY(label(8) != QStringLiteral("当前时间刻: 0") && label(8) != QStringLiteral("当前时间刻: 1")
                && label(8) != QStringLiteral("当前时间刻: 2"));

    click("Command1");
    QVERIFY(!timer()->isActive());
    QCOMPARE(label(9), QStringLiteral("当前状态:已暂停"));
    const int n = label(8).section(QLatin1Char(':'), 1).toInt();
    const int x = n * (n + 1) / 2;
    QCOMPARE(label(2), QStringLiteral("坐标x: %1").arg(x));
    QCOMPARE(label(4), QStringLiteral("速度x: %1").arg(n));
    QCOMPARE(marker(), markerOrigin + QPoint(int(std::lround(x / 15.0)), 0));

    const QStringList paused = labels();
    QTest::qWait(120);
    QCOMPARE(labels(), paused);
}

void TestForm1::directionPad_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("ax");
    QTest::addColumn<QString>("ay");
    QTest::addColumn<QString>("status");

    QTest::newRow("Command4") << "Command4" << " 0" << " 1" << "ay+1";
    QTest::newRow("Command5") << "Command5" << " 1" << " 0" << "ax+1";
    QTest::newRow("Command6") << "Command6" << "-1" << " 0" << "ax-1";
    QTest::newRow("Command7") << "Command7" << " 0" << "-1" << "ay-1";
    QTest::newRow("Command8") << "Command8" << "-1" << " 1" << "ay+1 ax-1";
    QTest::newRow("Command9") << "Command9" << " 1" << " 1" << "ay+1 ax+1";
    QTest::newRow("Command10") << "Command10" << "-1" << "-1" << "ay-1 ax-1";
    QTest::newRow("Command11") << "Command11" << " 1" << "-1" << "ay-1 ax+1";
}

void TestForm1::directionPad()
{
    QFETCH(QString, button);
    QFETCH(QString, ax);
    QFETCH(QString, ay);
    QFETCH(QString, status);

    click(button);
    QCOMPARE(label(6), "加速度x:" + ax);
    QCOMPARE(label(7), "加速度y:" + ay);
    QCOMPARE(label(9), "当前状态:" + status);
    QCOMPARE(marker(), markerOrigin);
}

void TestForm1::typedPositionMovesMarker()
{
    type("Text1", "150.9");
    type("Text2", "-300");
    click("Command12");
    QCOMPARE(label(2), QStringLiteral("坐标x: 150"));
    QCOMPARE(label(3), QStringLiteral("坐标y:-300"));
    QCOMPARE(label(9), QStringLiteral("当前状态:将坐标设置为x150.9y-300"));
    QCOMPARE(marker(), markerOrigin + QPoint(10, 20));

    type("Text3", " 10 ");
    type("Text4", "－２０");
    click("Command13");
    QCOMPARE(label(4), QStringLiteral("速度x: 10"));
    QCOMPARE(label(5), QStringLiteral("速度y:-20"));
    QCOMPARE(label(9), QStringLiteral("当前状态:将速度设置为x 10 y－２０"));

    click("Command2");
    QCOMPARE(marker(), markerOrigin);
    QCOMPARE(label(4), QStringLiteral("速度x: 10"));
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("150.9"));
}

void TestForm1::badEntries_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("status");

    QTest::newRow("tick rate not a number") << "Text7" << "快" << "Command15" << "TPS无效";
    QTest::newRow("tick rate zero") << "Text7" << "0" << "Command15" << "TPS须大于0";
    QTest::newRow("tick rate negative") << "Text7" << "-20" << "Command15" << "TPS须大于0";
    QTest::newRow("tick rate empty") << "Text7" << "" << "Command15" << "TPS无效";
    QTest::newRow("position y word") << "Text2" << "abc" << "Command12" << "坐标y无效";
    QTest::newRow("velocity x infinity") << "Text3" << "inf" << "Command13" << "速度x无效";
    QTest::newRow("acceleration y too large") << "Text6" << "1e999" << "Command14" << "加速度y无效";
    QTest::newRow("full-width digits and a letter") << "Text5" << "１２a" << "Command14" << "加速度x无效";
}

void TestForm1::badEntries()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, status);

    type("Text1", "7");
    type("Text5", "3");
    click("Command12");
    click("Command14");
    QStringList expected = labels();
    expected[8] = "当前状态:" + status;

    type(box, typed);
    click(button);
    QCOMPARE(labels(), expected);
    QCOMPARE(control<QLineEdit>(box)->text(), typed);
}

void TestForm1::tickRateTakesEffectAtNextStart()
{
    click("Command1");
    type("Text7", "10");
    click("Command15");
    QCOMPARE(label(1), QStringLiteral("TPS: 10"));
    QCOMPARE(label(9), QStringLiteral("当前状态:运行中"));
    QCOMPARE(timer()->interval(), 50);

    click("Command1");
    click("Command1");
    QCOMPARE(timer()->interval(), 100);
    QVERIFY(timer()->isActive());
}

void TestForm1::veryHighTickRateStillTicks()
{
    type("Text7", "2000");
    click("Command15");
    click("Command1");
    QVERIFY(timer()->isActive());
    QCOMPARE(timer()->interval(), 1);
    QTRY_VERIFY(label(8) != QStringLiteral("当前时间刻: 0"));
}

void TestForm1::resetWhileRunning()
{
    type("Text7", "7.9");
    click("Command15");
    click("Command9");
    click("Command1");
    QTRY_VERIFY(label(8) != QStringLiteral("当前时间刻: 0"));

    click("Command3");
    QVERIFY(!timer()->isActive());
    QStringList expected = initialLabels;
    expected[8] = QStringLiteral("当前状态:已重置");
    QCOMPARE(labels(), expected);
    QCOMPARE(marker(), markerOrigin);
    QCOMPARE(control<QLineEdit>("Text7")->text(), QStringLiteral("7.9"));

    click("Command1");
    QCOMPARE(timer()->interval(), 50);
}

void TestForm1::markerFarOutsideMap()
{
    const QRect map = control<QWidget>("Frame1")->rect();
    for (const auto &[x, y] : {std::pair{"100000", "0"}, {"1e300", "-1e300"}, {"-1e300", "1e300"}}) {
        type("Text1", x);
        type("Text2", y);
        click("Command12");
        QVERIFY(!map.intersects(control<QWidget>("Picture1")->geometry()));
        click("Command2");
        QCOMPARE(marker(), markerOrigin);
    }
}

void TestForm1::overflowPausesTicking()
{
    type("Text3", "1e308");
    type("Text5", "1e308");
    click("Command13");
    click("Command14");
    click("Command1");
    QTRY_VERIFY(!timer()->isActive());
    QCOMPARE(label(9), QStringLiteral("当前状态:数值溢出，已暂停"));
    QCOMPARE(label(4), QStringLiteral("速度x: 1E+308"));
    QCOMPARE(label(8), QStringLiteral("当前时间刻: 0"));
}

void TestForm1::inertClicks()
{
    const QStringList before = labels();
    QWidget *operations = control<QWidget>("Frame3");
    QTest::mouseClick(operations, Qt::LeftButton, {}, QPoint(72 + 16, 128 + 16)); // centre of the pad
    QTest::mouseClick(control<QWidget>("Label2"), Qt::LeftButton);
    QTest::mouseClick(control<QWidget>("Frame1"), Qt::LeftButton);
    QTest::mouseClick(control<QWidget>("Picture1"), Qt::LeftButton);
    QCOMPARE(labels(), before);
    QCOMPARE(marker(), markerOrigin);
}

// The window closes while ticking fast: the event loop ends, by the close
// and not by the fallback, and no tick runs after the close.
void TestForm1::closingWhileTicking()
{
    type("Text7", "1000");
    click("Command15");
    int ticks = 0;
    connect(timer(), &SteadyTimer::timeout, this, [&] { ++ticks; });
    click("Command1");
    QTRY_VERIFY(ticks > 0);
    int ticksAtClose = -1;
    QTimer::singleShot(10, m_window.get(), [&] {
        ticksAtClose = ticks;
        m_window->close();
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QApplication::setQuitOnLastWindowClosed(true);
    const int exitCode = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(false);
    QCOMPARE(exitCode, 0);
    QVERIFY(m_window->isHidden());
    QTest::qWait(50);
    QCOMPARE(ticks, ticksAtClose);
}

void TestForm1::bigNumbers_data()
{
    QTest::addColumn<double>("value");
    for (const double value : {12345678.0, 1.8e12, 1.23456789012345e300})
        QTest::newRow(qPrintable(QString::number(value))) << value;
    for (const double value : {-12345678.0, -1.8e12, -1.23456789012345e300})
        QTest::newRow(qPrintable(QString::number(value))) << value;
    QTest::newRow("1e10") << 1e10;
}

// Every narrow label shows a big number's sign, exponent and two digits
// correctly rounded at least, "≈" where digits were dropped, and keeps
// three pixels from the next label; the name and tool tip hold it whole.
void TestForm1::bigNumbers()
{
    QFETCH(double, value);
    const QString typed = QString::number(value, 'g', 17);
    for (int row = 0; row < 3; ++row) {
        type(QStringLiteral("Text%1").arg(2 * row + 1), typed);
        type(QStringLiteral("Text%1").arg(2 * row + 2), typed);
        click(QStringLiteral("Command%1").arg(12 + row));
    }
    const QRegularExpression number(QStringLiteral("^(≈?)([ -]?)(\\d+)(?:\\.(\\d+))?(?:E\\+?(\\d+))?$"));
    for (int n = 2; n <= 7; ++n) {
        auto *box = control<QLabel>(QStringLiteral("Label%1").arg(n));
        const QString whole = label(n);
        const QString prefix = whole.section(QLatin1Char(':'), 0, 0) + ':';
        const QString shown = box->text();
        QVERIFY2(shown.startsWith(prefix), qPrintable(shown));
        const QRegularExpressionMatch parts = number.match(shown.mid(prefix.size()));
        QVERIFY2(parts.hasMatch(), qPrintable(shown));
        QCOMPARE(parts.captured(2) == QStringLiteral("-"), value < 0);
        const double read = shown.mid(prefix.size()).remove(QChar(0x2248)).toDouble();
        if (parts.captured(1).isEmpty()) {
            QCOMPARE(read, value);
        } else {
            const int digits = int(parts.captured(3).size() + parts.captured(4).size());
            QVERIFY2(digits >= 2, qPrintable(shown));
            QVERIFY2(std::abs(read - value) <= 0.5 * std::pow(10, std::floor(std::log10(std::abs(value))) - digits + 1) * 1.000001,
                     qPrintable(shown));
        }
        const int right = box->x() + int(std::ceil(QFontMetricsF(box->font()).horizontalAdvance(shown)));
        QVERIFY2(n % 2 == 1 || right + 3 <= control<QLabel>(QStringLiteral("Label%1").arg(n + 1))->x(), qPrintable(shown));
        QVERIFY(right <= box->x() + box->width());
        QCOMPARE(box->toolTip(), shown == whole ? QString() : whole);
    }
}

// The status wraps onto its second line, and then ends in "…"; the tool
// tip holds the first thousand characters, assistive technology all of it.
void TestForm1::longStatus()
{
    auto *status = control<QLabel>("Label9");
    const auto fits = [](QLabel *label) {
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        return std::all_of(lines.begin(), lines.end(), [&](const QString &line) {
            return label->fontMetrics().horizontalAdvance(line) <= label->width();
        });
    };
    type("Text1", "12345678");
    type("Text2", "-1.5e300");
    click("Command12");
    const QString caption = QStringLiteral("当前状态:将坐标设置为x12345678y-1.5e300");
    QCOMPARE(status->text().count(QLatin1Char('\n')), 1);
    QCOMPARE(status->text().remove(QLatin1Char('\n')), caption);
    QVERIFY(status->toolTip().isEmpty());
    QCOMPARE(label(9), caption);
    QVERIFY(fits(status));

    const QString longEntry = "1." + QString(2000, '0');
    type("Text1", longEntry);
    click("Command12");
    QCOMPARE(status->text().count(QLatin1Char('\n')), 1);
    QVERIFY(status->text().endsWith(QChar(0x2026)));
    QVERIFY(fits(status));
    QCOMPARE(status->toolTip().size(), 1001);
    QCOMPARE(label(9), "当前状态:将坐标设置为x" + longEntry.left(1000 - 12) + QChar(0x2026));

    type("Text1", "5");
    type("Text2", "5");
    click("Command12");
    QCOMPARE(status->text(), QStringLiteral("当前状态:将坐标设置为x5y5"));
    QVERIFY(status->toolTip().isEmpty());
}

// Ticks a thousand a second, their writes paced: the last write shows the
// last tick once ticking stops, and a click writes everything at once.
void TestForm1::pacedWrites()
{
    type("Text3", "15");
    click("Command13");
    type("Text7", "1000");
    click("Command15");
    int ticks = 0;
    connect(timer(), &SteadyTimer::timeout, this, [&] { ++ticks; });
    const auto shownTicks = [&] { return QStringLiteral("当前时间刻: %1").arg(ticks); };
    click("Command1");
    QTRY_VERIFY(ticks >= 300);
    click("Command15");
    QCOMPARE(label(8), shownTicks());
    QCOMPARE(marker(), markerOrigin + QPoint(ticks, 0));
    QTRY_VERIFY(ticks >= 400);
    timer()->setInterval(0);
    QTRY_COMPARE(label(8), shownTicks());
    QTRY_COMPARE(marker(), markerOrigin + QPoint(ticks, 0));

    click("Command1");
    click("Command1");
    QTRY_VERIFY(ticks >= 500);
    click("Command1");
    QCOMPARE(label(8), shownTicks());
    QCOMPARE(label(9), QStringLiteral("当前状态:已暂停"));
}

// Typed numbers take the locale's decimal separator and only that one.
void TestForm1::commaLocale()
{
    openIn(QLocale(QLocale::German, QLocale::Germany));

    type("Text1", "1,5");
    click("Command12");
    QCOMPARE(label(2), QStringLiteral("坐标x: 1"));
    type("Text1", "1.5");
    click("Command12");
    QCOMPARE(label(2), QStringLiteral("坐标x: 1"));
    QCOMPARE(label(9), QStringLiteral("当前状态:坐标x无效"));
}

// Under Egypt's Arabic, the locale's separator U+066B and its own digits.
void TestForm1::arabicLocale()
{
    openIn(QLocale(QLocale::Arabic, QLocale::Egypt));

    type("Text1", QStringLiteral("\u0661\u0662\u066B\u0669"));
    type("Text2", QStringLiteral("-3\u066B5"));
    click("Command12");
    QCOMPARE(label(2), QStringLiteral("坐标x: 12"));
    QCOMPARE(label(3), QStringLiteral("坐标y:-4"));
    type("Text1", "12.9");
    click("Command12");
    QCOMPARE(label(9), QStringLiteral("当前状态:坐标x无效"));
}

int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    // The decimal point the boxes take follows the locale: the program's own.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    TestForm1 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_form1.moc"
