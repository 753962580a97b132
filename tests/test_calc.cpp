// The calculator beside the exam: its arithmetic key by key, and its window's keys.
#include "calc_engine.h"
#include "calc_window.h"
#include <QApplication>
#include <QPushButton>
#include <QTest>

class CalcTest : public QObject {
    Q_OBJECT
private slots:
    void arithmetic_data();
    void arithmetic();
    void buttonsAndKeyboard();
};

void CalcTest::arithmetic_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::newRow("addition") << "1 2 + 7 =" << "19";
    QTest::newRow("left to right") << "2 + 3 × 4 =" << "20";
    QTest::newRow("subtraction below zero") << "3 - 8 =" << "-5";
    QTest::newRow("division") << "1 ÷ 4 =" << "0.25";
    QTest::newRow("twelve digits of a third") << "1 ÷ 3 =" << "0.333333333333";
    QTest::newRow("decimal sum") << "0 . 1 + 0 . 2 =" << "0.3";
    QTest::newRow("division by zero") << "5 ÷ 0 =" << "错误";
    QTest::newRow("error until a digit") << "5 ÷ 0 = + 3" << "3";
    QTest::newRow("percent of the total") << "2 0 0 + 1 0 % =" << "220";
    QTest::newRow("percent as a factor") << "2 0 0 × 1 0 % =" << "20";
    QTest::newRow("sign") << "7 ± + 2 =" << "-5";
    QTest::newRow("equals repeats") << "2 + 3 = =" << "8";
    QTest::newRow("second operation replaces the first") << "9 + - 4 =" << "5";
    QTest::newRow("clear") << "9 + 4 C 2 =" << "2";
    QTest::newRow("backspace") << "1 2 3 ⌫ =" << "12";
    QTest::newRow("twelve digits of entry") << "1 2 3 4 5 6 7 8 9 0 1 2 3 4" << "123456789012";
    QTest::newRow("memory plus and recall") << "5 M+ 3 M+ C MR" << "8";
    QTest::newRow("memory minus") << "5 M+ 2 M- C MR × 2 =" << "6";
    QTest::newRow("memory clear") << "5 M+ MC C MR" << "0";
    QTest::newRow("memory survives clear") << "4 M+ C 1 + MR =" << "5";
}

void CalcTest::arithmetic()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    CalcEngine calc;
    for (const QString& key : keys.split(' '))
        QVERIFY2(calc.press(key), qPrintable(key));
    QCOMPARE(calc.display(), display);
}

void CalcTest::buttonsAndKeyboard()
{
    CalcWindow window;
    window.show();
    for (const char* key : {"key 4", "key ×", "key 2", "key ="})
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromUtf8(key)), Qt::LeftButton);
    QCOMPARE(window.displayText(), QString("8"));
    QTest::keyClicks(&window, "9/3");
    QTest::keyClick(&window, Qt::Key_Return);
    QCOMPARE(window.displayText(), QString("3"));
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(window.displayText(), QString("0"));
    QTest::keyClicks(&window, "5*-");
    QTest::keyClicks(&window, "1=");
    QCOMPARE(window.displayText(), QString("4"));
}

QTEST_MAIN(CalcTest)
#include "test_calc.moc"
