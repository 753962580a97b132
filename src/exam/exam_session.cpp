#include "exam/exam_session.h"
#include "exam/answer_capture.h"
#include "exam/draw_source.h"
#include "exam/exam_keys.h"
#include "exam/exam_page.h"
#include "exam/paper_drawing.h"
#include "exam/paper_grading.h"
#include "platform/dialogs.h"
#include "platform/page_view.h"
#include "store/bank_connection.h"
#include "store/program_folder.h"
#include "store/sql.h"
#include "store/study_record.h"
#include <QStringList>

namespace {
int typeIndex(const QString& lx)
{
    static const QStringList codes{QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"), QStringLiteral("a4")};
    return int(codes.indexOf(lx));
}

// The prompts when the paper opens on a type, and when a type is first entered later.
const char* const kOpeningPrompts[4] = {"单选题：每个题有一个正确答案，请选择一个正确答案", "多选题：每个题有多个正确答案，请选择正确答案",
                                        "案例分析题：请选择正确答案", "配伍选择题：请选择正确答案"};
const char* const kEntryPrompts[4] = {"单项选择题,请选择一个正确的答案", "多项选择题，里边有多个正确答案", "阅读案例分析题，请选择正确答案",
                                      "配伍选择题，请选择正确答案"};

QString text(const QSqlRecord& row, const char* column)
{
    return sql::text(row, QString::fromLatin1(column));
}

bool anyRow(const QSqlDatabase& db, const QString& lx, bool answered)
{
    for (const auto& row : sql::select(db, QStringLiteral("select * from sj where lx='") + lx + QStringLiteral("'")))
        if (text(row, "tjda").isEmpty() != answered)
            return true;
    return false;
}

// Hides the drawing notice also when the drawing fails half-way.
class NoticeShown {
public:
    explicit NoticeShown(ExamScreen& screen) : screen_(screen) { screen_.showDrawingNotice(); }
    ~NoticeShown() { hide(); }
    void hide()
    {
        if (shown_)
            screen_.hideDrawingNotice();
        shown_ = false;
    }

private:
    ExamScreen& screen_;
    bool shown_ = true;
};
}

ExamSession::ExamSession(BankConnection& bank, PageView& page, ExamScreen& screen, ExamKeys& keys)
    : bank_(bank)
    , page_(page)
    , screen_(screen)
    , keys_(keys)
{
}

ExamSession::~ExamSession() = default;

void ExamSession::FormActivate()
{
    ClockDrawSource draws;
    FormActivate(draws);
}

void ExamSession::FormActivate(DrawSource& draws)
{
    if (drawn_)
        return;
    drawn_ = true;
    Dialogs::instance().inform(QStringLiteral("第一部分单选题，第二部分是配伍选择题"), QStringLiteral("试卷描述"));
    NoticeShown notice(screen_);
    if (screen_.gone())
        return;
    const QSqlDatabase db = bank_.open();
    const std::array<int, 4> counts = PaperDrawing(db).draw(draws);

    QStringList caseTids;
    for (const auto& row : sql::select(db, QStringLiteral("select * from  sj where lx='a3'")))
        caseTids.append(text(row, "tid"));
    sheet_ = AnswerSheet::build(counts, caseTids);
    screen_.showSheet(sheet_);

    const auto rows = sql::select(db, QStringLiteral("select * from sj"));
    rows_ = int(rows.size());
    screen_.showTotal(rows_);
    if (rows.isEmpty()) {
        notice.hide();
        bank_.close();
        Dialogs::instance().inform(QStringLiteral("题库中没有符合设置的试题，本次没有抽出试卷。请关闭考试窗口，在参数设置中调整题量后重新进入考试。"));
        return;
    }
    const QSqlRecord& first = rows.first();
    current_ = text(first, "tid").toDouble();
    sheet_.PaintCell(current_, SheetColour::current());
    ExamPage(db, page_).render(first, ExamPage::Form::First);
    notice.hide();
    sitting_.start();

    const int type = typeIndex(text(first, "lx"));
    if (type >= 0) {
        Dialogs::instance().inform(QString::fromUtf8(kOpeningPrompts[type]), QStringLiteral("提示"));
        prompted_[type] = true;
    }
    bank_.close();
    keys_.install();
}

std::optional<QSqlRecord> ExamSession::row(double number)
{
    const auto rows = sql::select(bank_.open(), QStringLiteral("select * from sj where tid='") + examNumberText(number) + QStringLiteral("'"));
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

void ExamSession::tell(const QString& message)
{
    ExamKeys::Pause pause(keys_);
    Dialogs::instance().inform(message);
}

void ExamSession::promptOnce(const QString& lx)
{
    const int type = typeIndex(lx);
    if (type < 0 || prompted_[type])
        return;
    tell(QString::fromUtf8(kEntryPrompts[type]));
    prompted_[type] = true;
}

void ExamSession::capture()
{
    const AnswerCapture::Result captured = AnswerCapture(bank_.open(), page_).capture(current_);
    if (captured.found)
        sheet_.PaintCell(current_, captured.colour);
}

void ExamSession::RzBitBtn5Click(const QString& caption)
{
    MoveToQuestion(Move::Cell, caption.toDouble());
}

void ExamSession::MoveToQuestion(Move move, double cellNumber)
{
    if (submitted_) {
        if (move == Move::Cell)
            showReview(cellNumber);
        else
            tell(move == Move::Previous ? QStringLiteral("您已经交卷，不能进行\"上一题\"的操作！") : QStringLiteral("您已经交卷，不能进行\"下一题\"的操作！"));
        return;
    }
    const QSqlDatabase db = bank_.open();
    const int answered = int(sql::select(db, QStringLiteral("select * from sj where tjda<>''")).size());
    const int position = std::clamp(answered + 1, 0, rows_);
    screen_.showProgress(position, move == Move::Cell ? position : answered + 1);
    capture();

    const std::optional<QSqlRecord> currentRow = row(current_);
    const QString currentType = currentRow ? text(*currentRow, "lx") : QString();
    const double kept = current_;
    const bool unfinished = anyRow(db, currentType, false);

    std::optional<QSqlRecord> target;
    if (move == Move::Cell) {
        target = row(cellNumber);
    } else {
        const auto rows = sql::select(db, QStringLiteral("select * from sj"));
        const QString tid = examNumberText(current_);
        for (int k = 0; k < rows.size(); ++k) {
            if (text(rows.at(k), "tid") != tid)
                continue;
            target = rows.at(move == Move::Previous ? std::max(k - 1, 0) : std::min(k + 1, int(rows.size()) - 1));
            break;
        }
    }
    const QString targetType = target ? text(*target, "lx") : QString();
    const bool started = anyRow(db, targetType, true);

    const auto stay = [&] {
        current_ = kept;
        sheet_.PaintCell(current_, SheetColour::current());
    };
    if (targetType != currentType && unfinished) {
        tell(QStringLiteral("请答完您所答的题型，才允许做您选择的题型"));
        stay();
        return;
    }
    if (!started)
        promptOnce(targetType);
    if (!target) {
        if (move != Move::Next)
            tell(QStringLiteral("已经到最后了，没题了~！"));
        stay();
        return;
    }
    current_ = text(*target, "tid").toDouble();
    sheet_.PaintCell(current_, SheetColour::current());
    ExamPage(db, page_).render(*target, move == Move::Cell ? ExamPage::Form::Jump : ExamPage::Form::Step);
}

void ExamSession::showReview(double number)
{
    current_ = number;
    const std::optional<QSqlRecord> target = row(number);
    if (target)
        ExamPage(bank_.open(), page_).render(*target, ExamPage::Form::Review);
}

void ExamSession::keyReleased(int key)
{
    if (key < Qt::Key_A || key > Qt::Key_H)
        return;
    const std::optional<QSqlRecord> shown = row(current_);
    if (shown && text(*shown, "lx") == QLatin1String("a1")) {
        const QString letter(QChar(char('A' + (key - Qt::Key_A))));
        for (const auto& option : sql::select(bank_.open(), QStringLiteral("select * from opinion where questionid=") + text(*shown, "tgid")))
            if (text(option, "code").trimmed() == letter)
                page_.writeProperty(text(option, "id"), QStringLiteral("checked"), true);
    }
    screen_.focusNext();
}

void ExamSession::GradePaper()
{
    if (submitted_) {
        tell(QStringLiteral("您已经交卷，不能重复交卷！"));
        return;
    }
    keys_.remove();
    screen_.stopClock();
    const QSqlDatabase db = bank_.open();
    const int answered = int(sql::select(db, QStringLiteral("select * from sj where tjda<>''")).size());
    const int position = std::clamp(answered + 1, 0, rows_);
    screen_.showProgress(position, position);
    capture();
    submitted_ = true;
    screen_.showSubmitted();

    const PaperGrading::Result result = PaperGrading(db).grade(sheet_);
    // The grading writes nothing of its own; its record lands whole (one transaction)
    // once, as the second press is refused above. A record that fails still shows the result.
    QString unrecorded;
    try {
        record(db, result);
    } catch (const KaivoraError& e) {
        unrecorded = e.text();
    }
    page_.load(ProgramFolder::file(QStringLiteral("ty.html")));
    page_.append(PaperGrading::resultTable(result));
    page_.flush();
    if (!unrecorded.isEmpty())
        throw KaivoraError(QStringLiteral("本次成绩未能记入学习记录：") + unrecorded);
}

void ExamSession::record(const QSqlDatabase& db, const PaperGrading::Result& result) const
{
    StudyRecord::ExamRecord exam;
    exam.at = QDateTime::currentDateTime();
    exam.minutes = int((sitting_.elapsed() + 30000) / 60000);
    for (int t = 0; t < int(result.size()); ++t)
        exam.types.append({PaperGrading::typeName(t), result[t].count(), result[t].right});
    sql::Transaction transaction(db);
    StudyRecord::appendExam(db, exam);
    transaction.commit();
}
