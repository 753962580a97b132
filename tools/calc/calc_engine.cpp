#include "calc_engine.h"
#include <cmath>

bool CalcEngine::press(const QString& key)
{
    if (key.size() == 1 && key.at(0).isDigit()) {
        digit(key.at(0));
        return true;
    }
    if (key == QLatin1String("C")) {
        clear();
        return true;
    }
    struct Simple {
        const char* key;
        Op op;
    };
    static const Simple operations[] = {
        {"+", Op::Add}, {"-", Op::Subtract}, {"×", Op::Multiply}, {"÷", Op::Divide}};
    for (const Simple& s : operations)
        if (key == QString::fromUtf8(s.key)) {
            operation(s.op);
            return true;
        }
    const bool known = key == QLatin1String(".") || key == QLatin1String("=") || key == QLatin1String("%")
        || key == QStringLiteral("±") || key == QStringLiteral("⌫") || key == QLatin1String("MC")
        || key == QLatin1String("MR") || key == QLatin1String("M+") || key == QLatin1String("M-");
    // After an error only a digit or clear starts again.
    if (!known || error_)
        return known;
    if (key == QLatin1String("."))
        point();
    else if (key == QLatin1String("="))
        equals();
    else if (key == QLatin1String("%"))
        percent();
    else if (key == QStringLiteral("±"))
        negate();
    else if (key == QStringLiteral("⌫"))
        backspace();
    else if (key == QLatin1String("MC"))
        memory_ = 0;
    else if (key == QLatin1String("MR"))
        show(memory_, true);
    else {
        const double v = value();
        memory_ += key == QLatin1String("M+") ? v : -v;
        show(v, operandReady_);
    }
    return true;
}

QString CalcEngine::display() const
{
    if (error_)
        return QStringLiteral("错误");
    if (typing_)
        return entry_;
    QString text = QString::number(shown_, 'g', kDigits);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

double CalcEngine::value() const
{
    return typing_ ? entry_.toDouble() : shown_;
}

void CalcEngine::show(double value, bool asOperand)
{
    shown_ = value;
    typing_ = false;
    operandReady_ = asOperand;
}

void CalcEngine::digit(QChar d)
{
    if (error_)
        clear();
    if (!typing_) {
        entry_ = QStringLiteral("0");
        typing_ = true;
    }
    int digits = 0;
    for (QChar c : std::as_const(entry_))
        digits += c.isDigit() ? 1 : 0;
    if (digits >= kDigits)
        return;
    if (entry_ == QLatin1String("0"))
        entry_ = d;
    else if (entry_ == QLatin1String("-0"))
        entry_ = QLatin1Char('-') + d;
    else
        entry_ += d;
    operandReady_ = true;
}

void CalcEngine::point()
{
    if (!typing_) {
        entry_ = QStringLiteral("0");
        typing_ = true;
    }
    if (!entry_.contains(QLatin1Char('.')))
        entry_ += QLatin1Char('.');
    operandReady_ = true;
}

void CalcEngine::operation(Op op)
{
    if (error_)
        return;
    const double v = value();
    if (pending_ == Op::None)
        accumulator_ = v;
    else if (operandReady_)
        accumulator_ = apply(accumulator_, pending_, v);
    // Two operation keys in a row: the second one replaces the first.
    pending_ = op;
    show(accumulator_, false);
}

void CalcEngine::equals()
{
    double result = value();
    if (pending_ != Op::None) {
        const double operand = operandReady_ ? value() : accumulator_;
        result = apply(accumulator_, pending_, operand);
        lastOp_ = pending_;
        lastOperand_ = operand;
        pending_ = Op::None;
    } else if (lastOp_ != Op::None) {
        // "=" again repeats the last operation.
        result = apply(result, lastOp_, lastOperand_);
    }
    show(result, false);
}

void CalcEngine::percent()
{
    const double v = value();
    // 200 + 10 % is 200 + 20; 200 × 10 % is 200 × 0.1.
    const bool ofTotal = pending_ == Op::Add || pending_ == Op::Subtract;
    show(ofTotal ? accumulator_ * v / 100 : v / 100, true);
}

void CalcEngine::negate()
{
    if (typing_) {
        entry_ = entry_.startsWith(QLatin1Char('-')) ? entry_.mid(1) : QLatin1Char('-') + entry_;
        return;
    }
    show(-shown_, true);
}

void CalcEngine::clear()
{
    accumulator_ = 0;
    shown_ = 0;
    entry_.clear();
    pending_ = Op::None;
    lastOp_ = Op::None;
    lastOperand_ = 0;
    typing_ = false;
    operandReady_ = false;
    error_ = false;
}

void CalcEngine::backspace()
{
    if (!typing_)
        return;
    entry_.chop(1);
    if (entry_.isEmpty() || entry_ == QLatin1String("-"))
        entry_ = QStringLiteral("0");
}

double CalcEngine::apply(double left, Op op, double right)
{
    double result = left;
    switch (op) {
    case Op::Add: result = left + right; break;
    case Op::Subtract: result = left - right; break;
    case Op::Multiply: result = left * right; break;
    case Op::Divide:
        if (right == 0) {
            error_ = true;
            return 0;
        }
        result = left / right;
        break;
    case Op::None: break;
    }
    if (!std::isfinite(result))
        error_ = true;
    return result;
}
