#include "exam/settings_window.h"
#include "exam/exam_widgets.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "store/bank_connection.h"
#include "store/sql.h"
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
constexpr int kRows = 4;
constexpr int kMostPerType = 50;

bool isFilteredKey(const QKeyEvent* key)
{
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Backspace)
        return false;
    return !(text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'));
}

bool aboveTheLimit(const QString& text)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    // Digits too many for a number are surely above the limit.
    return !ok || value > kMostPerType;
}
}

TForm6::TForm6(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , connection_(std::make_unique<BankConnection>(QStringLiteral("TForm6")))
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("参数设置"));
    setModal(true);
    setFixedSize(499, 332);

    ExamWidgets::label(QStringLiteral("Label1"), QStringLiteral("请您设置模拟考试题的参数"), this, 130, 28, 18, true);
    const char* types[kRows] = {"单项选择题:", "多项选择题:", "案例分析题:", "配伍选择题:"};
    for (int i = 0; i < kRows; ++i) {
        const int y = 80 + i * 36;
        ExamWidgets::label(QStringLiteral("Label%1").arg(i + 2), QString::fromUtf8(types[i]), this, 160, y + 3, 14);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("RzEdit%1").arg(i + 1));
        field->setGeometry(262, y, 31, 24);
        field->setAlignment(Qt::AlignCenter);
        // Pasted text is held to digits too; typed keys go through the filter below.
        field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
        field->installEventFilter(this);
        ExamWidgets::label(QStringLiteral("Label%1").arg(i + 6), QStringLiteral("题:"), this, 300, y + 3, 14);
        fields_[i] = field;
    }
    fields_[1]->setEnabled(false);
    fields_[2]->setEnabled(false);
    auto* tip = ExamWidgets::label(QStringLiteral("Label10"), QStringLiteral("温馨提示：请您注意，每种题型不能设置超过50道题。"),
                                   this, 0, 232, 14, true);
    tip->move((width() - tip->width()) / 2, tip->y());

    auto* save = new QPushButton(QStringLiteral("确 定"), this);
    save->setObjectName(QStringLiteral("RzBitBtn1"));
    save->setGeometry(130, 276, 90, 30);
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, [this] { runReported([this] { RzBitBtn1Click(); }); });
    auto* enter = new QPushButton(QStringLiteral("进 入"), this);
    enter->setObjectName(QStringLiteral("RzBitBtn2"));
    enter->setGeometry(279, 276, 90, 30);
    enter->setAutoDefault(false);
    connect(enter, &QPushButton::clicked, this, &TForm6::RzBitBtn2Click);
}

TForm6::~TForm6() = default;

void TForm6::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TForm6::FormShow()
{
    if (QWidget* practice = parentWidget())
        move(practice->pos() + QPoint(190, 150));
    entered_ = false;
    runReported([this] { loadFields(); });
}

void TForm6::loadFields()
{
    for (QLineEdit* field : fields_)
        field->clear();
    const QList<QSqlRecord> rows = sql::select(connection_->open(), QStringLiteral("select txs, fg from ts order by rowid"));
    connection_->close();
    // Field 1 shows the saved single-choice count, the others the counts the paper draws.
    for (int i = 0; i < kRows && i < rows.size(); ++i)
        fields_[i]->setText(sql::text(rows.at(i), i == 0 ? QStringLiteral("fg") : QStringLiteral("txs")));
}

bool TForm6::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isFilteredKey(static_cast<QKeyEvent*>(event))
        && std::find(std::begin(fields_), std::end(fields_), watched) != std::end(fields_))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TForm6::RzBitBtn1Click()
{
    for (const QLineEdit* field : fields_)
        if (field->text().isEmpty()) {
            Dialogs::instance().inform(QStringLiteral("设置错误！"));
            return;
        }
    for (const QLineEdit* field : fields_)
        if (aboveTheLimit(field->text())) {
            Dialogs::instance().inform(QStringLiteral("请仔细看下边的温馨提示，谢谢！"));
            loadFields();
            return;
        }
    const QString zero = QStringLiteral("0");
    if (fields_[0]->text() == zero && fields_[1]->text() == zero && fields_[2]->text() == zero) {
        Dialogs::instance().inform(QStringLiteral("设置错误！"));
        return;
    }
    save();
}

void TForm6::save()
{
    const QSqlDatabase db = connection_->open();
    const QList<QSqlRecord> rows = sql::select(db, QStringLiteral("select rowid from ts order by rowid"));
    // A settings table without a row for every type would save only part of the paper.
    if (rows.size() < kRows) {
        connection_->close();
        Dialogs::instance().inform(QStringLiteral("设置错误！"));
        return;
    }
    {
        sql::Transaction transaction(db);
        const QVariant first = rows.at(0).value(0);
        sql::exec(db, QStringLiteral("update ts set txs=?, fg=? where rowid=?"), {fields_[0]->text(), fields_[0]->text(), first});
        for (int i = 1; i < kRows; ++i)
            sql::exec(db, QStringLiteral("update ts set txs=? where rowid=?"), {fields_[i]->text(), rows.at(i).value(0)});
        transaction.commit();
    }
    connection_->close();
    Dialogs::instance().inform(QStringLiteral("设置成功！"));
}

void TForm6::RzBitBtn2Click()
{
    entered_ = true;
    close();
}

void TForm6::done(int result)
{
    connection_->close();
    QDialog::done(result);
}
