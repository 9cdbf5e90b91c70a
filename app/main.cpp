// Start-up: the command line first; then the paper or the table of records
// it asks for, or one subject (given or invented) in the exercise window,
// maximised.
#include "commandline.h"
#include "judging/collation.h"
#include "judging/recordfolder.h"
#include "model/clockdraws.h"
#include "paper/paper.h"
#include "platform.h"
#include "windows/applicationinfo.h"
#include "windows/exercisewindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {

// Paper needs fonts, not a display: the offscreen platform, whatever the
// environment or the command line name, starts anywhere and fastest.
template <typename Draw> int onPaper(char* program, Draw draw) {
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* arguments[] = {program, platform, offscreen, nullptr};
    int count = 3;
    const QGuiApplication app(count, arguments);
    return draw();
}

// One line on standard error, after the program's name; status 1.
int say(const QString& message) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                 qUtf8Printable(message));
    return 1;
}

int writePaper(const CommandLine& command) {
    QString error;
    return Paper::writePdf(command.outputs, command.subjects, &error) ? 0 : say(error);
}

// Records are text: no display, no fonts, only the program's name for messages.
int collate(const CommandLine& command, int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);

    QList<Attempt> attempts;
    bool skipped = false;
    for (const QString& given : command.records) {
        const QStringList files =
            QFileInfo(given).isDir() ? RecordFolder(given).files() : QStringList{given};
        if (files.isEmpty()) {
            say(QStringLiteral("Skipped %1: The folder holds no practice records (*.json).")
                    .arg(given));
            skipped = true;
        }
        for (const QString& file : files) {
            QString why;
            if (std::optional<Attempt> attempt = RecordFolder::read(file, &why)) {
                attempts.append(std::move(*attempt));
            } else {
                say(QStringLiteral("Skipped %1: %2").arg(file, why));
                skipped = true;
            }
        }
    }

    const QByteArray table = collateCsv(attempts);
    QSaveFile csv(command.csv);
    if (!csv.open(QIODevice::WriteOnly) || csv.write(table) != table.size() || !csv.commit())
        return say(QStringLiteral("Cannot write %1: %2").arg(command.csv, csv.errorString()));
    return skipped ? 1 : 0;
}

int writeResultSlip(const CommandLine& command) {
    QString error;
    const std::optional<Attempt> attempt = RecordFolder::read(command.record, &error);
    if (!attempt)
        return say(QStringLiteral("Cannot read the record %1: %2").arg(command.record, error));
    return Paper::writeResultSlip(*attempt, command.resultSlip, &error) ? 0 : say(error);
}

// Qt ends a program that reaches no display with its plugin's messages and an
// abort (a core dump, status 134). While the window's application starts,
// Qt's messages wait here: should it fail, one line says what can be done
// without a display, and the program ends with status 1.
QtMessageHandler qtMessages = nullptr;
QList<std::tuple<QtMsgType, QString, QString>> waiting; // type, category, message

void startingMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        waiting.append({type, QString::fromLatin1(context.category), message});
        return;
    }
    std::fprintf(stderr,
                 "%s: cannot open the window: there is no display to show it on. --worksheet "
                 "and --key write paper without one.\n",
                 qUtf8Printable(QCoreApplication::applicationName().isEmpty()
                                    ? QStringLiteral("korvanel")
                                    : QCoreApplication::applicationName()));
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
        return onPaper(argv[0], [&] { return writePaper(command); });
    if (command.action == CommandLine::Action::Collate)
        return collate(command, argc, argv);
    if (command.action == CommandLine::Action::ResultSlip)
        return onPaper(argv[0], [&] { return writeResultSlip(command); });

    qtMessages = qInstallMessageHandler(startingMessages);
    QApplication app(argc, argv);
    startedMessages();
    ApplicationInfo::apply();

    ClockDraws draws;
    Session session(command.subject ? *command.subject : SubjectCode::draw(std::ref(draws)),
                    command.subject ? Session::Origin::Given : Session::Origin::Drawn);
    session.setRecordFolder(RecordFolder::defaultPath());
    ExerciseWindow window(session);
    window.showMaximized();
    if (command.practice)
        window.startPractice(true);
    const int status = app.exec();
    session.flushRecords();
    return status;
}
