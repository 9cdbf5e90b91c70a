#include "commandline.h"

#include "model/buildinfo.h"
#include "model/clockdraws.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

// The parser runs before QApplication, which takes Qt's options out of argv
// only when it is made, so it meets them itself. Parsing single-dash words
// as long options reads "-platform offscreen" and "-style=fusion" as Qt
// writes them; hidden, they stay out of the help, which is about Korvanel;
// and argv reaches QApplication untouched. Qt's documented options, and the
// X11 platform's.
const char qtOptionsWithValue[] =
    "platform platformpluginpath platformtheme plugin qmljsdebugger qwindowgeometry qwindowicon "
    "qwindowtitle session style stylesheet display geometry title icon name";
const char qtFlags[] = "reverse widgetcount sync nograb dograb";

const QString subjectOption = QStringLiteral("subject");
const QString practiceOption = QStringLiteral("practice");
const QString worksheetOption = QStringLiteral("worksheet");
const QString keyOption = QStringLiteral("key");
const QString countOption = QStringLiteral("count");
const QString collateOption = QStringLiteral("collate");
const QString csvOption = QStringLiteral("csv");
const QString resultSlipOption = QStringLiteral("result-slip");
const QString recordOption = QStringLiteral("record");

void addOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("%1 %2: %3.\n"
                       "Without options it opens the exercise for a new, random subject.\n"
                       "Paper is A4, or Letter where the locale measures in US units.")
            .arg(QString::fromLatin1(BuildInfo::name), QString::fromLatin1(BuildInfo::version),
                 QString::fromLatin1(BuildInfo::description).toLower()));
    parser.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")},
         QStringLiteral("Displays help on command-line options.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         QStringLiteral("Displays version information.")},
        {subjectOption,
         QStringLiteral("Starts with the subject of <code>, such as M72-0.8-12.4, instead of a "
                        "random one. With --worksheet or --key it may be given several times, "
                        "one subject each."),
         QStringLiteral("code")},
        {practiceOption, QStringLiteral("Starts in practice mode, in which the student types "
                                        "the answers and has them checked.")},
        {worksheetOption,
         QStringLiteral("Writes the worksheet, the problem and the six questions with room to "
                        "work under each, as PDF to <file>, and exits without opening a window."),
         QStringLiteral("file")},
        {keyOption,
         QStringLiteral("Writes the answer key, each question with its worked answer and both "
                        "pathway diagrams, as PDF to <file>, and exits without opening a window."),
         QStringLiteral("file")},
        {countOption,
         QStringLiteral("With --worksheet or --key: a class set of <n> different random "
                        "subjects, 1 to %1, each on pages of its own headed by its code.")
             .arg(SubjectCode::count),
         QStringLiteral("n")},
        {collateOption,
         QStringLiteral("Reads the practice records given as arguments, files or folders of "
                        "them, and writes a table with a line for each to the CSV file of --csv: "
                        "the subject code, when the attempt started, each question's first and "
                        "last verdicts, the score and whether it was finished. A record that "
                        "cannot be read is named and left out. Exits without opening a window.")},
        {csvOption, QStringLiteral("With --collate: the CSV <file> to write."),
         QStringLiteral("file")},
        {resultSlipOption,
         QStringLiteral("Writes the result slip of the practice record of --record, its "
                        "entries, verdicts and score on one page, as PDF to <file>, and exits "
                        "without opening a window."),
         QStringLiteral("file")},
        {recordOption, QStringLiteral("With --result-slip: the practice record <file> to read."),
         QStringLiteral("file")},
    });
    parser.addPositionalArgument(
        QStringLiteral("records"),
        QStringLiteral("With --collate: practice records (.json), or folders of them."),
        QStringLiteral("[records...]"));
    for (const QString& name : QString::fromLatin1(qtOptionsWithValue).split(u' ')) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : QString::fromLatin1(qtFlags).split(u' ')) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLine exitWith(int status) {
    CommandLine command;
    command.action = CommandLine::Action::Exit;
    command.exitStatus = status;
    return command;
}

QString absolutePath(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

template <typename UsageError>
CommandLine readCollation(const QCommandLineParser& parser, const UsageError& usageError) {
    for (const QString& option :
         {subjectOption, practiceOption, worksheetOption, keyOption, countOption})
        if (parser.isSet(option))
            return usageError(
                QStringLiteral("--collate reads practice records; it does not go with --%1.")
                    .arg(option));
    CommandLine command;
    command.records = parser.positionalArguments();
    command.csv = parser.value(csvOption);
    if (command.csv.isEmpty())
        return usageError(QStringLiteral("--collate writes a table; give --csv and its file."));
    if (command.records.isEmpty())
        return usageError(
            QStringLiteral("--collate needs practice records to read: files, or folders of them."));
    // The table must not take the place of a record, given or in a folder given.
    const QFileInfo csv(command.csv);
    for (const QString& record : command.records)
        if (absolutePath(record) == absolutePath(command.csv) ||
            (QFileInfo(record).isDir() && csv.exists() &&
             absolutePath(csv.absolutePath()) == absolutePath(record) &&
             csv.fileName().endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)))
            return usageError(QStringLiteral("--csv names a practice record, %1; write the table "
                                             "to a file of its own.")
                                  .arg(command.csv));
    command.action = CommandLine::Action::Collate;
    return command;
}

template <typename UsageError>
CommandLine readResultSlip(const QCommandLineParser& parser, const UsageError& usageError) {
    for (const QString& option : {subjectOption, practiceOption, worksheetOption, keyOption,
                                  countOption, collateOption, csvOption})
        if (parser.isSet(option))
            return usageError(QStringLiteral("--result-slip writes the slip of one practice "
                                             "record; it does not go with --%1.")
                                  .arg(option));
    CommandLine command;
    command.resultSlip = parser.value(resultSlipOption);
    command.record = parser.value(recordOption);
    if (command.resultSlip.isEmpty())
        return usageError(
            QStringLiteral("--record is read for --result-slip; give --result-slip and its file."));
    if (command.record.isEmpty())
        return usageError(
            QStringLiteral("--result-slip needs the practice record to read; give --record."));
    if (absolutePath(command.record) == absolutePath(command.resultSlip))
        return usageError(
            QStringLiteral("--result-slip names the record itself, %1; write the slip to a file "
                           "of its own.")
                .arg(command.resultSlip));
    command.action = CommandLine::Action::ResultSlip;
    return command;
}

} // namespace

CommandLine readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program = arguments.isEmpty() || arguments.front().isEmpty()
                                ? QStringLiteral("korvanel")
                                : QFileInfo(arguments.front()).fileName();
    const auto usageError = [&program](const QString& message) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n",
                     qUtf8Printable(program), qUtf8Printable(message), qUtf8Printable(program));
        return exitWith(2);
    };

    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        // The usage line names the program by the application's first
        // argument, as given; help names it by its file name.
        QByteArray name = program.toLocal8Bit();
        char* nameOnly[] = {name.data(), nullptr};
        int one = 1;
        const QCoreApplication app(one, nameOnly);
        std::fprintf(stdout, "%s", qUtf8Printable(parser.helpText()));
        return exitWith(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::fprintf(stdout, "%s %s\n", BuildInfo::name, BuildInfo::version);
        return exitWith(0);
    }
    const bool collate = parser.isSet(collateOption);
    if (!collate && parser.isSet(csvOption))
        return usageError(QStringLiteral("--csv is the table of --collate; give --collate and the "
                                         "records too."));
    if (!collate && !parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("Unexpected argument '%1'; only --collate takes files without an "
                           "option.")
                .arg(parser.positionalArguments().front()));
    // A second value would silently win over the first.
    for (const QString& option :
         {worksheetOption, keyOption, countOption, csvOption, resultSlipOption, recordOption}) {
        const QStringList values = parser.values(option);
        if (values.size() > 1)
            return usageError(QStringLiteral("--%1 is given more than once.").arg(option));
        if (values.size() == 1 && values.front().isEmpty())
            return usageError(QStringLiteral("--%1 needs a value.").arg(option));
    }

    if (collate)
        return readCollation(parser, usageError);
    if (parser.isSet(resultSlipOption) || parser.isSet(recordOption))
        return readResultSlip(parser, usageError);

    CommandLine command;
    const QString worksheet = parser.value(worksheetOption);
    const QString key = parser.value(keyOption);
    const bool count = parser.isSet(countOption);
    const bool paper = !worksheet.isEmpty() || !key.isEmpty();
    command.practice = parser.isSet(practiceOption);

    for (const QString& text : parser.values(subjectOption)) {
        QString problem;
        const std::optional<SubjectCode> code = SubjectCode::parse(text, &problem);
        if (!code)
            return usageError(
                QStringLiteral("Cannot read the subject code \"%1\": %2").arg(text, problem));
        command.subjects.append(*code);
    }

    if (!paper) {
        if (count)
            return usageError(
                QStringLiteral("--count makes a class set on paper; give --worksheet or --key."));
        if (command.subjects.size() > 1)
            return usageError(
                QStringLiteral("The window shows one subject; give --subject once, or several with "
                               "--worksheet or --key."));
        if (!command.subjects.isEmpty())
            command.subject = command.subjects.front();
        command.subjects.clear();
        return command;
    }

    if (command.practice)
        return usageError(
            QStringLiteral("--practice is for the window; it does not go with --worksheet or "
                           "--key."));
    if (!worksheet.isEmpty() && !key.isEmpty() && absolutePath(worksheet) == absolutePath(key))
        return usageError(
            QStringLiteral("--worksheet and --key name the same file, %1.").arg(worksheet));
    if (count) {
        if (!command.subjects.isEmpty())
            return usageError(QStringLiteral(
                "--count draws random subjects and --subject names them; give one or the other."));
        bool number = false;
        const int n = parser.value(countOption).toInt(&number);
        if (!number)
            return usageError(
                QStringLiteral("--count takes a whole number of subjects, 1 to %1, not \"%2\".")
                    .arg(SubjectCode::count)
                    .arg(parser.value(countOption)));
        ClockDraws draws;
        QString problem;
        command.subjects = differentSubjects(n, std::ref(draws), &problem);
        if (command.subjects.isEmpty())
            return usageError(problem);
    } else if (command.subjects.isEmpty()) {
        ClockDraws draws;
        command.subjects = differentSubjects(1, std::ref(draws));
    }

    if (!worksheet.isEmpty())
        command.outputs.append({Sheet::Worksheet, worksheet});
    if (!key.isEmpty())
        command.outputs.append({Sheet::Key, key});
    command.action = CommandLine::Action::Paper;
    return command;
}
