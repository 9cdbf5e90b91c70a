// Start-up: the command line first; then the paper, the table or report of
// records it asks for, the teacher's window, or one subject (given or
// invented) in the exercise window, maximised.
#include "classwork/collation.h"
#include "classwork/handedin.h"
#include "commandline.h"
#include "model/clockdraws.h"
#include "model/language.h"
#include "model/visibletext.h"
#include "paper/paper.h"
#include "platform.h"
#include "practice/handinsettings.h"
#include "practice/studentbook.h"
#include "program.h"
#include "records/recordfolder.h"
#include "records/replay.h"
#include "teacher/teacherwindow.h"
#include "windows/applicationinfo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {

// Paper needs fonts, not a display: the offscreen platform, whatever the
// environment or the command line name, starts anywhere and fastest.
template <typename Draw> int onPaper(char* program, const QLocale& language, Draw draw) {
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* arguments[] = {program, platform, offscreen, nullptr};
    int count = 3;
    const QGuiApplication app(count, arguments);
    Language::speak(language);
    return draw();
}

// One line on standard error, after the program's name; status 1. What a
// record or a file name holds reaches the terminal with its control
// characters written out, so that none clears or retitles it.
int say(const QString& message) {
    std::fprintf(stderr, "%s: %s\n",
                 qUtf8Printable(VisibleText::escaped(QCoreApplication::applicationName())),
                 qUtf8Printable(VisibleText::escaped(message)));
    return 1;
}

int writePaper(const CommandLine& command) {
    QString error;
    return Paper::writePdf(command.outputs, command.subjects, &error) ? 0 : say(error);
}

// The table needs no display and no fonts; the report is paper.
int collate(const CommandLine& command) {
    HandedIn handedIn;
    for (const QString& given : command.records)
        handedIn.add(given);
    for (const QString& message : handedIn.messages())
        say(message);

    QString error;
    bool leftOut = false;
    if (!command.csv.isEmpty() && !writeTable(collateCsv(handedIn.records()), command.csv, &error))
        return say(error);
    if (!command.gradebook.isEmpty()) {
        const Gradebook gradebook(handedIn);
        for (const QString& message : gradebook.leftOut)
            say(message);
        leftOut = !gradebook.leftOut.isEmpty();
        if (!writeTable(gradebook.csv, command.gradebook, &error))
            return say(error);
    }
    if (!command.report.isEmpty() && !Paper::writeReport(handedIn, command.report, &error))
        return say(error);
    return handedIn.unread().isEmpty() && !leftOut ? 0 : 1;
}

int writeResultSlip(const CommandLine& command) {
    QString error;
    const std::optional<Attempt> attempt = RecordFolder::read(command.record, &error);
    if (!attempt)
        //: %2 says why, in a sentence of its own, such as "The file is empty."
        return say(QCoreApplication::translate("Main", "Cannot read the record %1. %2")
                       .arg(command.record, error));
    if (const std::optional<QString> edited = replay(*attempt).edited)
        say(HandedIn::editedMessage(command.record, *edited));
    return Paper::writeResultSlip(*attempt, command.resultSlip, &error) ? 0 : say(error);
}

// Qt ends a program that reaches no display with its plugin's messages and an
// abort (a core dump, status 134). While the window's application starts,
// Qt's messages wait here: should it fail, one line says what can be done
// without a display, and the program ends with status 1.
QtMessageHandler qtMessages = nullptr;
QList<std::tuple<QtMsgType, QString, QString>> waiting; // type, category, message
QString noDisplay;

void startingMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        waiting.append({type, QString::fromLatin1(context.category), message});
        return;
    }
    std::fprintf(stderr, "%s\n", qUtf8Printable(noDisplay));
    std::_Exit(1);
}

void startedMessages() {
    qInstallMessageHandler(qtMessages);
    for (const auto& [type, category, message] : waiting) {
        const QByteArray name = category.toLatin1();
        const QMessageLogContext context(nullptr, 0, nullptr, name.constData());
        qt_message_output(type, context, message);
    }
    waiting.clear();
}

} // namespace

int main(int argc, char* argv[]) {
    Platform::setUp();
    const CommandLine command = readCommandLine(argc, argv);
    if (command.action == CommandLine::Action::Exit)
        return command.exitStatus;
    if (command.action == CommandLine::Action::Paper)
        return onPaper(argv[0], command.language, [&] { return writePaper(command); });
    if (command.action == CommandLine::Action::Collate) {
        if (!command.report.isEmpty())
            return onPaper(argv[0], command.language, [&] { return collate(command); });
        const QCoreApplication app(argc, argv);
        Language::speak(command.language);
        return collate(command);
    }
    if (command.action == CommandLine::Action::ResultSlip)
        return onPaper(argv[0], command.language, [&] { return writeResultSlip(command); });

    noDisplay = command.noDisplay;
    qtMessages = qInstallMessageHandler(startingMessages);
    QApplication app(argc, argv);
    startedMessages();
    Language::speak(command.language);
    ApplicationInfo::apply();

    if (command.action == CommandLine::Action::Teacher) {
        TeacherWindow teacher;
        teacher.show();
        if (!command.records.isEmpty())
            teacher.addRecords(command.records);
        if (!command.watch.isEmpty())
            teacher.watch(command.watch);
        return app.exec();
    }

    ClockDraws draws;
    Session session(command.subject ? *command.subject : SubjectCode::draw(std::ref(draws)),
                    command.subject ? Session::Origin::Given : Session::Origin::Drawn);
    session.setRecordFolder(RecordFolder::defaultPath());
    Program program(session);
    // A student named on the command line practises under that name for the
    // run; otherwise the machine remembers, and asks the first time. A
    // hand-in folder given stands for the run, whatever the settings say.
    StudentBook book;
    if (command.student)
        session.setStudent(*command.student);
    else
        program.practice().setStudentBook(&book);
    HandInSettings handIn;
    if (!command.handIn.isEmpty())
        program.practice().setHandInFolderForRun(command.handIn);
    else
        program.practice().setHandInSettings(&handIn);
    program.window().showMaximized();
    if (command.practice)
        program.practice().start();
    const int status = app.exec();
    session.flushRecords();
    return status;
}
