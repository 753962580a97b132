#include "app/program.h"
#include "app/practice_window.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "exam/exam_room.h"
#include "practice/practice_room.h"
#include "record/record_room.h"
#include "selftest/selftest_room.h"
#include "support/feedback_window.h"
#include "support/support_room.h"
#include "store/bank_connection.h"
#include <QApplication>
#include <QFile>
#include <unistd.h>

namespace Program {
void prepareEnvironment()
{
    // The engine refuses to run its sandbox as root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

Windows::Windows()
    : form10(new TForm10)
{
    // The rooms make their start-up windows in the program's creation order:
    // the exam entry, the feedback and backup windows, then the wrong-question bank.
    rooms.push_back(std::make_unique<ExamRoom>(*form10));
    auto supportRoom = std::make_unique<SupportRoom>(*form10);
    support = supportRoom.get();
    rooms.push_back(std::move(supportRoom));
    auto practiceRoom = std::make_unique<PracticeRoom>(*form10);
    practice = practiceRoom.get();
    rooms.push_back(std::move(practiceRoom));
    // Error reports: the page's links open the support room's window, whose rows
    // carry the practice window's subject.
    support->feedbackWindow()->setSubject(form10->subjectLabel());
    practice->commandChannel().setFeedbackForm(support->feedbackWindow());
    rooms.push_back(std::make_unique<SelfTestRoom>(*form10));
    rooms.push_back(std::make_unique<RecordRoom>(*form10));
    for (const auto& room : rooms)
        form10->plug(*room);
}

Windows::~Windows()
{
    rooms.clear();
    delete form10;
}

namespace {
void announceReady()
{
    const QString path = qEnvironmentVariable("KAIVORA_READY_FILE");
    if (path.isEmpty())
        return;
    QFile ready(path);
    if (ready.open(QIODevice::WriteOnly))
        ready.write("ready\n");
}
}

int run(QApplication& app)
{
    app.setApplicationName(QStringLiteral("Kaivora"));
    app.setApplicationDisplayName(QStringLiteral("Kaivora"));
    const QString problem = BankConnection::problemWith(BankConnection::bankPath());
    if (!problem.isEmpty()) {
        Dialogs::instance().inform(problem + QStringLiteral("\n\nKaivora 无法启动。"));
        return 2;
    }
    Windows windows;
    try {
        windows.form10->FormShow();
    } catch (const std::exception& e) {
        Dialogs::instance().inform(QStringLiteral("题库无法读取：") + QString::fromStdString(e.what()) + QStringLiteral("\n\nKaivora 无法启动。"));
        return 3;
    }
    windows.form10->show();
    windows.form10->FormActivate();
    announceReady();
    return app.exec();
}
}
