// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "value.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using Kind = Value::Kind;
Q_DECLARE_METATYPE(Value)
Q_DECLARE_METATYPE(Kind)

namespace {
QString shown(const Value &v) { return QString::fromStdString(DisplayText(v)); }
const Value largestLong = Value::longInteger(std::numeric_limits<std::int32_t>::max());
const Value smallestLong = Value::longInteger(std::numeric_limits<std::int32_t>::min());
}

class TestValue : public QObject
{
    Q_OBJECT

private slots:
    void arithmeticWidens_data();
    void arithmeticWidens();
    void stringsConcatenate();
    void divideAndIsZero();
    void fromTextRoundsDown_data();
    void fromTextRoundsDown();
    void fromTextRejects_data();
    void fromTextRejects();
    void arabicNumbers();
    void displayText_data();
    void displayText();
    void toInterval_data();
    void toInterval();
    void toSingleStaysFinite();
};

void TestValue::arithmeticWidens_data()
{
    QTest::addColumn<Value>("a");
    QTest::addColumn<Value>("b");
    QTest::addColumn<bool>("subtract");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("Integer stays Integer") << Value::integer(2) << Value::integer(3) << false << Kind::Integer << " 5";
    QTest::newRow("Integer past 32767 becomes Long") << Value::integer(32767) << Value::integer(1) << false << Kind::Long << " 32768";
    QTest::newRow("Integer below -32768 becomes Long") << Value::integer(-32768) << Value::integer(1) << true << Kind::Long << "-32769";
    QTest::newRow("Long stays Long when small again") << Value::longInteger(40000) << Value::integer(30000) << true << Kind::Long << " 10000";
    QTest::newRow("Long past its range becomes Double") << largestLong << Value::integer(1) << false << Kind::Double << " 2147483648";
    QTest::newRow("Long below its range becomes Double") << smallestLong << Value::integer(1) << true << Kind::Double << "-2147483649";
    QTest::newRow("Double stays Double") << Value::real(7) << Value::integer(1) << false << Kind::Double << " 8";
    QTest::newRow("Integer minus Double") << Value::integer(1) << Value::real(3) << true << Kind::Double << "-2";
}

void TestValue::arithmeticWidens()
{
    QFETCH(Value, a);
    QFETCH(Value, b);
    QFETCH(bool, subtract);
    QFETCH(Kind, kind);
    QFETCH(QString, text);

    const Value result = subtract ? Subtract(a, b) : Add(a, b);
    QCOMPARE(int(result.kind()), int(kind));
    QCOMPARE(shown(result), text);
}

void TestValue::stringsConcatenate()
{
    QCOMPARE(shown(Add(Value::text("TPS:"), Value::text(" 20"))), QStringLiteral("TPS: 20"));
    QCOMPARE(shown(Add(Value::text("坐标x:"), Value::integer(-5))), QStringLiteral("坐标x:-5"));
}

void TestValue::divideAndIsZero()
{
    const Value quotient = Divide(Value::integer(1000), Value::integer(20));
    QCOMPARE(int(quotient.kind()), int(Kind::Double));
    QCOMPARE(quotient.toDouble(), 50.0);
    QVERIFY(IsZero(Value::integer(0)));
    QVERIFY(IsZero(Value::real(0)));
    QVERIFY(!IsZero(Value::integer(1)));
}

void TestValue::fromTextRoundsDown_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char32_t>("separator");
    QTest::addColumn<double>("number");

    QTest::newRow("fraction") << "12.9" << U'.' << 12.0;
    QTest::newRow("negative fraction") << "-0.5" << U'.' << -1.0;
    QTest::newRow("negative whole") << "-3" << U'.' << -3.0;
    QTest::newRow("blanks around") << "  7  " << U'.' << 7.0;
    QTest::newRow("tabs around") << "\t7\t" << U'.' << 7.0;
    QTest::newRow("plus sign") << "+5" << U'.' << 5.0;
    QTest::newRow("no leading digit") << ".5" << U'.' << 0.0;
    QTest::newRow("no trailing digit") << "5." << U'.' << 5.0;
    QTest::newRow("exponent") << "1e3" << U'.' << 1000.0;
    QTest::newRow("negative exponent") << "25E-1" << U'.' << 2.0;
    QTest::newRow("minus zero is zero") << "-0" << U'.' << 0.0;
    QTest::newRow("underflow") << "1e-400" << U'.' << 0.0;
    QTest::newRow("negative underflow") << "-1e-400" << U'.' << -1.0;
    QTest::newRow("comma locale") << "3,7" << U',' << 3.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << U'.' << DBL_MAX;
    QTest::newRow("full-width digits") << "１２" << U'.' << 12.0;
    QTest::newRow("full-width sign, point, exponent") << "－１２．５Ｅ＋１" << U'.' << -125.0;
    QTest::newRow("full-width comma in comma locale") << "３，７" << U',' << 3.0;
    QTest::newRow("minus sign U+2212") << "\u22120.5" << U'.' << -1.0;
    QTest::newRow("ideographic space, line break") << "\u30007\r\n" << U'.' << 7.0;
    QTest::newRow("no-break space") << "\u00A07" << U'.' << 7.0;
}

// Arabic as Egypt writes it: the separator U+066B, the digits from U+0660,
// and ASCII digits too; the ASCII point is not its separator.
void TestValue::arabicNumbers()
{
    const NumberSymbols arabic{U'\u066B', U'\u0660'};
    QCOMPARE(FromText("12\u066B9", arabic)->toDouble(), 12.0);
    QCOMPARE(FromText("\u0661\u0662\u066B\u0669", arabic)->toDouble(), 12.0);
    QCOMPARE(FromText("\u2212\u0661\u0665E\u0662", arabic)->toDouble(), -1500.0);
    QVERIFY(!FromText("12.9", arabic));
    QVERIFY(!FromText("1\u066B2\u066B3", arabic));
    QVERIFY(!FromText("\u0661\u0662"));
    QVERIFY(!FromText("12\u066B9"));
}

void TestValue::fromTextRoundsDown()
{
    QFETCH(QString, text);
    QFETCH(char32_t, separator);
    QFETCH(double, number);

    const std::optional<Value> v = FromText(text.toStdString(), {separator});
    QVERIFY(v);
    QCOMPARE(int(v->kind()), int(Kind::Double));
    QCOMPARE(v->toDouble(), number);
    QVERIFY(!std::signbit(v->toDouble()) || number < 0);
}

void TestValue::fromTextRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char32_t>("separator");

    QTest::newRow("empty") << "" << U'.';
    QTest::newRow("blanks only") << "   " << U'.';
    QTest::newRow("word") << "abc" << U'.';
    QTest::newRow("trailing word") << "12abc" << U'.';
    QTest::newRow("sign only") << "-" << U'.';
    QTest::newRow("point only") << "." << U'.';
    QTest::newRow("two signs") << "--1" << U'.';
    QTest::newRow("two points") << "1.2.3" << U'.';
    QTest::newRow("blank inside") << "1 2" << U'.';
    QTest::newRow("bare exponent") << "1e" << U'.';
    QTest::newRow("hexadecimal") << "0x10" << U'.';
    QTest::newRow("infinity") << "inf" << U'.';
    QTest::newRow("negative infinity") << "-Infinity" << U'.';
    QTest::newRow("not a number") << "nan" << U'.';
    QTest::newRow("beyond a double") << "1e309" << U'.';
    QTest::newRow("absurd exponent") << "1e99999999999999999999999" << U'.';
    QTest::newRow("other locale's separator") << "1,5" << U'.';
    QTest::newRow("point in comma locale") << "1.5" << U',';
    QTest::newRow("full-width mixed with a letter") << "１２a" << U'.';
    QTest::newRow("full-width grouping") << "１，０００" << U'.';
    QTest::newRow("Chinese numerals") << "一二" << U'.';
    QTest::newRow("superscript digit") << "\u00B2" << U'.';
    QTest::newRow("ideographic space inside") << "1\u30002" << U'.';
    QTest::newRow("two minus signs") << "\u2212-1" << U'.';
}

void TestValue::fromTextRejects()
{
    QFETCH(QString, text);
    QFETCH(char32_t, separator);

    QVERIFY(!FromText(text.toStdString(), {separator}));
}

void TestValue::displayText_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("Integer zero") << Value::integer(0) << " 0";
    QTest::newRow("Integer negative") << Value::integer(-5) << "-5";
    QTest::newRow("Double whole") << Value::real(20) << " 20";
    QTest::newRow("Double negative zero") << Value::real(-0.0) << " 0";
    QTest::newRow("fifteen digits") << Value::real(999999999999999) << " 999999999999999";
    QTest::newRow("ten to the 15th") << Value::real(1e15) << " 1E+15";
    QTest::newRow("rounded to 15 digits") << Value::real(123456789012345678.0) << " 1.23456789012346E+17";
    QTest::newRow("large negative") << Value::real(-1e300) << "-1E+300";
    QTest::newRow("largest double, cut so it reads back") << Value::real(DBL_MAX) << " 1.79769313486231E+308";
    QTest::newRow("fraction") << Value::real(1000.0 / 7) << " 142.857142857143";
    QTest::newRow("infinity") << Value::real(HUGE_VAL) << " Infinity";
    QTest::newRow("negative infinity") << Value::real(-HUGE_VAL) << "-Infinity";
}

void TestValue::displayText()
{
    QFETCH(Value, value);
    QFETCH(QString, text);

    QCOMPARE(shown(value), text);
}

void TestValue::toInterval_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("interval");

    QTest::newRow("50") << 50.0 << 50;
    QTest::newRow("1000/3") << 1000.0 / 3 << 333;
    QTest::newRow("1000/7") << 1000.0 / 7 << 143;
    QTest::newRow("tie to even down") << 2.5 << 2;
    QTest::newRow("tie to even up") << 3.5 << 4;
    QTest::newRow("1000/399") << 1000.0 / 399 << 3;
    QTest::newRow("1000/666") << 1000.0 / 666 << 2;
    QTest::newRow("1000/667") << 1000.0 / 667 << 1;
    QTest::newRow("half") << 0.5 << 0;
    QTest::newRow("above half") << 0.7 << 1;
    QTest::newRow("beyond 32 bits") << 1e300 << std::numeric_limits<int>::max();
    QTest::newRow("below 32 bits") << -1e300 << std::numeric_limits<int>::min();
}

void TestValue::toInterval()
{
    QFETCH(double, number);
    QFETCH(int, interval);

    QCOMPARE(ToInterval(Value::real(number)), interval);
}

void TestValue::toSingleStaysFinite()
{
    QCOMPARE(ToSingle(Add(Value::integer(4020), Value::integer(100))), 4120.0f);
    QCOMPARE(ToSingle(Value::real(1e300)), FLT_MAX);
    QCOMPARE(ToSingle(Value::real(-1e300)), -FLT_MAX);
}

QTEST_GUILESS_MAIN(TestValue)
#include "tst_value.moc"
