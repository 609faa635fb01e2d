#include "form1.h"
#include "repaintpacer.h"
#include "offscreenplatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace std::chrono_literals;

class TestRepaintPacer : public QObject
{
    Q_OBJECT

private slots:
    void holdBack_data();
    void holdBack();
    void lastTickIsAlwaysPainted();
};

void TestRepaintPacer::holdBack_data()
{
    QTest::addColumn<int>("sinceLast");
    QTest::addColumn<int>("wait");

    QTest::newRow("just painted") << 0 << 16;
    QTest::newRow("within the frame") << 10 << 6;
    QTest::newRow("a frame later") << 16 << 0;
    QTest::newRow("long after") << 500 << 0;
}

void TestRepaintPacer::holdBack()
{
    QFETCH(int, sinceLast);
    QFETCH(int, wait);

    QCOMPARE(RepaintPacer::holdBack(std::chrono::milliseconds(sinceLast), 16ms), std::chrono::milliseconds(wait));
}

// However fast the ticks come, the screen ends on the state the labels hold.
void TestRepaintPacer::lastTickIsAlwaysPainted()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *ticks = window.findChild<QLabel *>("Label8");
    QString painted;
    struct PaintWatch : QObject
    {
        QLabel *label;
        QString *painted;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                *painted = label->text();
            return false;
        }
    } watch;
    watch.label = ticks;
    watch.painted = &painted;
    ticks->installEventFilter(&watch);

    window.findChild<QLineEdit *>("Text7")->setText("1000");
    QTest::mouseClick(window.findChild<QPushButton *>("Command15"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QTRY_VERIFY(ticks->text().section(':', 1).toInt() >= 100);
    QTest::mouseClick(window.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QTRY_COMPARE(painted, ticks->text());
}

int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    TestRepaintPacer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_repaintpacer.moc"
