#pragma once
#include <QString>

// A pocket calculator: operations run left to right as they are pressed,
// twelve digits of entry, one memory.
class CalcEngine {
public:
    // Keys by their captions: "0"-"9", ".", "+", "-", "×", "÷", "=", "%", "±",
    // "C", "⌫", "MC", "MR", "M+", "M-". Returns false for an unknown key.
    bool press(const QString& key);
    QString display() const;
    bool hasMemory() const { return memory_ != 0; }

    static constexpr int kDigits = 12;

private:
    enum class Op { None, Add, Subtract, Multiply, Divide };

    void digit(QChar d);
    void point();
    void operation(Op op);
    void equals();
    void percent();
    void negate();
    void clear();
    void backspace();
    void show(double value, bool asOperand);
    double value() const;
    double apply(double left, Op op, double right);

    double memory_ = 0;
    double accumulator_ = 0;
    double shown_ = 0;
    QString entry_;
    Op pending_ = Op::None;
    Op lastOp_ = Op::None;
    double lastOperand_ = 0;
    bool typing_ = false;
    bool operandReady_ = false;
    bool error_ = false;
};
