// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"
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
    void layout();
    void markerRing_data();
    void markerRing();
    void keyboard();
    void textBoxesAnswerEveryQuestion();
    void runJourney();
    void typedPositionMovesMarker();
    void inertClicks();
    void closingWhileTicking();
    void bigNumbers_data();
    void bigNumbers();
    void longStatus();
    void pacedWrites();
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
    // shows may be shortened. The status bar is named by the whole state:
    // its caption is what it shows, or its tool tip where that is cut.
    QString label(int number) const
    {
        auto *shown = control<QLabel>(QStringLiteral("Label%1").arg(number));
        if (number == 9)
            return shown->toolTip().isEmpty() ? shown->text().remove(QLatin1Char('\n')) : shown->toolTip();
        return QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name);
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

// Every control stands where the layout puts it, in its panel, and is
// the accessible object the model's view describes.
void TestForm1::layout()
{
    const auto accessible = [](QObject *object) { return QAccessible::queryAccessibleInterface(object); };
    for (const ControlLayout &control : ControlLayout::table()) {
        QWidget *widget = this->control<QWidget>(control.name);
        const ControlLayout::Box box = control.box();
        QCOMPARE(widget->geometry(), QRect(box.left, box.top, box.width, box.height));
        QCOMPARE(widget->parentWidget()->objectName(), QString::fromUtf8(control.container ? control.container : ""));
        if (control.kind != ControlLayout::Kind::Label && control.kind != ControlLayout::Kind::DirectionButton
            && control.kind != ControlLayout::Kind::Picture)
            QCOMPARE(accessible(widget)->text(QAccessible::Name),
                     QString::fromUtf8(control.accessibleName ? control.accessibleName : control.caption));
    }
    QCOMPARE(accessible(control<QWidget>("Command8"))->text(QAccessible::Name), QStringLiteral("ax 减 1，ay 加 1"));
    QCOMPARE(accessible(control<QWidget>("Picture1"))->text(QAccessible::Name), QStringLiteral("运动点，地图中央"));
    QCOMPARE(accessible(control<QWidget>("Picture1"))->role(), QAccessible::Graphic);
    QCOMPARE(accessible(m_window.get())->role(), QAccessible::Window);
    QCOMPARE(accessible(control<QLabel>("Label9"))->role(), QAccessible::StatusBar);
    QCOMPARE(accessible(control<QWidget>("Command8"))->text(QAccessible::Description),
             QStringLiteral("加速度 x 减 1，y 加 1，向左上"));

    // What a command did is told by a notification of no size, shown anew.
    click("Command5");
    const QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
    const auto notice = std::find_if(widgets.begin(), widgets.end(), [&](QWidget *w) {
        return accessible(w)->role() == QAccessible::Notification;
    });
    QVERIFY(notice != widgets.end() && (*notice)->isVisible() && (*notice)->size().isEmpty());
    QCOMPARE(accessible(*notice)->text(QAccessible::Name), QStringLiteral("ax 加 1，加速度 x 1，y 0"));
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

// A box holds one number: word, sentence and line are its whole text,
// the questions at its end that stock Qt 6.4 never returns from included.
void TestForm1::textBoxesAnswerEveryQuestion()
{
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(control<QLineEdit>("Text7"))->textInterface();
    int start = -1, end = -1;
    type("Text7", "-1 25");
    for (const auto boundary : {QAccessible::WordBoundary, QAccessible::SentenceBoundary, QAccessible::LineBoundary}) {
        QCOMPARE(text->textAtOffset(5, boundary, &start, &end), QStringLiteral("-1 25"));
        QCOMPARE(std::pair(start, end), std::pair(0, 5));
        QCOMPARE(text->textBeforeOffset(5, boundary, &start, &end), QString());
        QCOMPARE(text->textAfterOffset(0, boundary, &start, &end), QString());
    }
    QCOMPARE(text->textAtOffset(5, QAccessible::CharBoundary, &start, &end), QString());
    QCOMPARE(text->textBeforeOffset(5, QAccessible::CharBoundary, &start, &end), QStringLiteral("5"));
    QCOMPARE(text->textAfterOffset(1, QAccessible::CharBoundary, &start, &end), QStringLiteral(" "));
    QCOMPARE(text->attributes(3, &start, &end), QStringLiteral("language:zh;"));
    QCOMPARE(std::pair(start, end), std::pair(0, 5));

    // Tabbing on drops the selection, but a screen reader asking as the
    // focus moves still finds it: nothing changed that it should tell.
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    control<QLineEdit>("Text7")->setFocus(Qt::TabFocusReason);
    control<QLineEdit>("Text7")->selectAll();
    QCOMPARE(text->selectionCount(), 1); // asked as a screen reader does, hearing of the change
    control<QPushButton>("Command1")->setFocus(Qt::TabFocusReason);
    text->selection(0, &start, &end);
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
    const QRegularExpression number(QStringLiteral("^(≈?)([ -]?)(\\d+)(?:\\.(\\d+))?(?:E\\+(\\d+))?$"));
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
    installAccessibleFactory();
    // The decimal point the boxes take follows the locale: the program's own.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    TestForm1 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_form1.moc"
