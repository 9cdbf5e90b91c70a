#include "commandline.h"

#include "model/buildinfo.h"
#include "model/clockdraws.h"
#include "model/language.h"
#include "model/visibletext.h"

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
const QString gradebookOption = QStringLiteral("gradebook");
const QString handInOption = QStringLiteral("hand-in");
const QString watchOption = QStringLiteral("watch");
const QString resultSlipOption = QStringLiteral("result-slip");
const QString recordOption = QStringLiteral("record");
const QString reportOption = QStringLiteral("report");
const QString teacherOption = QStringLiteral("teacher");
const QString studentOption = QStringLiteral("student");
const QString studentIdOption = QStringLiteral("student-id");
const QString languageOption = QStringLiteral("language");

void addOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The first sentence is the project's description (CMakeLists.txt), as
    // the packages give it.
    parser.setApplicationDescription(
        CommandLine::tr("%1 %2: worked exercise on lactate clearance and oxygen debt after a "
                        "sprint.\nWithout options it opens the exercise for a new, random "
                        "subject.\nPaper is A4, or Letter where the locale measures in US units.")
            .arg(QString::fromLatin1(BuildInfo::name), QString::fromLatin1(BuildInfo::version)));
    parser.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")},
         CommandLine::tr("Displays help on command-line options.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         CommandLine::tr("Displays version information.")},
        {subjectOption,
         CommandLine::tr("Starts with the subject of <code>, such as M72-0.8-12.4, instead of a "
                         "random one. With --worksheet or --key it may be given several times, "
                         "one subject each."),
         QStringLiteral("code")},
        {practiceOption, CommandLine::tr("Starts in practice mode, in which the student types "
                                         "the answers and has them checked.")},
        {studentOption,
         CommandLine::tr("Practises as the student <name>, for this run, instead of the name "
                         "this computer remembers or asks for."),
         QStringLiteral("name")},
        {studentIdOption,
         CommandLine::tr("With --student: the student's <id> number, as the school's gradebook "
                         "knows it."),
         QStringLiteral("id")},
        {worksheetOption,
         CommandLine::tr("Writes the worksheet, the problem and the six questions with room to "
                         "work under each, as PDF to <file>, and exits without opening a window."),
         QStringLiteral("file")},
        {keyOption,
         CommandLine::tr("Writes the answer key, each question with its worked answer and both "
                         "pathway diagrams, as PDF to <file>, and exits without opening a window."),
         QStringLiteral("file")},
        {countOption,
         CommandLine::tr("With --worksheet or --key: a class set of <n> different random "
                         "subjects, 1 to %1, each on pages of its own headed by its code.")
             .arg(SubjectCode::count),
         QStringLiteral("n")},
        {collateOption,
         CommandLine::tr("Reads the practice records given as arguments, files or folders of "
                         "them, judges each check again from its entry, and writes the table of "
                         "--csv, the gradebook file of --gradebook, the report of --report, or "
                         "several of them. A record that cannot be read, or was edited, is named. "
                         "Exits without opening a window.")},
        {csvOption,
         CommandLine::tr("With --collate: the CSV <file> to write, a line for each attempt: the "
                         "student's name and ID number, the subject code, when the attempt "
                         "started, each question's first and last verdicts, the score and "
                         "whether it was finished, edited and counted."),
         QStringLiteral("file")},
        {gradebookOption,
         CommandLine::tr("With --collate: the CSV <file> to import into the gradebook, a line for "
                         "each student: the ID number, the name, the score of the attempt that "
                         "counts and a short feedback. A student whom the gradebook could not "
                         "find by the ID number (none given, one given to two students, or one "
                         "that a spreadsheet would read as a formula) is left out, and named."),
         QStringLiteral("file")},
        {handInOption,
         CommandLine::tr("Hands practice attempts in to the folder <dir> for this run, whatever "
                         "this computer's settings say: each attempt's record is kept there too, "
                         "after every check."),
         QStringLiteral("dir")},
        {watchOption,
         CommandLine::tr("With --teacher: watches the folder <dir> that students hand in to, and "
                         "shows each record as it arrives or changes."),
         QStringLiteral("dir")},
        {reportOption,
         CommandLine::tr("With --collate: the class report, as PDF to <file>: for each question "
                         "how many students were right at the first try and at the last, the "
                         "known slips met, and a table of the students."),
         QStringLiteral("file")},
        {languageOption,
         CommandLine::tr("Speaks the language of <code>, one of %1, instead of the desktop's: "
                         "pt or pt_BR for Brazilian Portuguese.")
             .arg(Language::names().join(QStringLiteral(", "))),
         QStringLiteral("code")},
        {teacherOption,
         //: %1 is the program's name, Korvanel.
         CommandLine::tr("Opens %1 for teachers, for class sets and the records handed in, "
                         "with the records given as arguments, files or folders of them.")
             .arg(QString::fromLatin1(BuildInfo::name))},
        {resultSlipOption,
         CommandLine::tr("Writes the result slip of the practice record of --record, its "
                         "entries, verdicts and score on one page, as PDF to <file>, and exits "
                         "without opening a window."),
         QStringLiteral("file")},
        {recordOption, CommandLine::tr("With --result-slip: the practice record <file> to read."),
         QStringLiteral("file")},
    });
    parser.addPositionalArgument(
        QStringLiteral("records"),
        CommandLine::tr(
            "With --collate or --teacher: practice records (.json), or folders of them."),
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

// The language --language asks for, or the desktop's; nothing, with
// *problem, for a language there is no catalogue of. Read before the
// parser, whose own messages speak it.
std::optional<QLocale> chooseLanguage(const QStringList& arguments, QString* problem) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--")
            break;
        for (const QString& dashes : {QStringLiteral("--"), QStringLiteral("-")}) {
            const QString option = dashes + languageOption;
            if (argument == option && i + 1 < arguments.size())
                return Language::named(arguments[i + 1], problem);
            if (argument.startsWith(option + u'='))
                return Language::named(argument.sliced(option.size() + 1), problem);
        }
    }
    return Language::ofDesktop(QLocale::system().uiLanguages());
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

// The option of `options` given, if any.
std::optional<QString> givenOf(const QCommandLineParser& parser, const QStringList& options) {
    for (const QString& option : options)
        if (parser.isSet(option))
            return option;
    return std::nullopt;
}

template <typename UsageError>
CommandLine readCollation(const QCommandLineParser& parser, const UsageError& usageError) {
    if (const auto other = givenOf(parser, {subjectOption, practiceOption, worksheetOption,
                                            keyOption, countOption, teacherOption, studentOption,
                                            studentIdOption, handInOption, watchOption}))
        return usageError(
            CommandLine::tr("--collate reads practice records; it does not go with --%1.")
                .arg(*other));
    CommandLine command;
    command.records = parser.positionalArguments();
    command.csv = parser.value(csvOption);
    command.gradebook = parser.value(gradebookOption);
    command.report = parser.value(reportOption);
    const std::pair<QString, QString> outputs[] = {{csvOption, command.csv},
                                                   {gradebookOption, command.gradebook},
                                                   {reportOption, command.report}};
    if (command.csv.isEmpty() && command.gradebook.isEmpty() && command.report.isEmpty())
        return usageError(CommandLine::tr(
            "--collate writes the class's table, a file for the gradebook, a report, or more than "
            "one of them; give --csv, --gradebook, --report or several, each with its file."));
    if (command.records.isEmpty())
        return usageError(CommandLine::tr(
            "--collate needs practice records to read: files, or folders of them."));
    for (size_t i = 0; i < std::size(outputs); ++i) {
        const auto& [option, output] = outputs[i];
        if (output.isEmpty())
            continue;
        for (size_t j = i + 1; j < std::size(outputs); ++j)
            if (!outputs[j].second.isEmpty() &&
                absolutePath(output) == absolutePath(outputs[j].second))
                return usageError(CommandLine::tr("--%1 and --%2 name the same file, %3.")
                                      .arg(option, outputs[j].first, output));
        // None may take the place of a record, given or in a folder given.
        const QFileInfo written(output);
        for (const QString& record : command.records)
            if (absolutePath(record) == absolutePath(output) ||
                (QFileInfo(record).isDir() && written.exists() &&
                 absolutePath(written.absolutePath()) == absolutePath(record) &&
                 written.fileName().endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)))
                return usageError(CommandLine::tr("--%1 names a practice record, %2; give it a "
                                                  "file of its own to write.")
                                      .arg(option, output));
    }
    command.action = CommandLine::Action::Collate;
    return command;
}

template <typename UsageError>
CommandLine readResultSlip(const QCommandLineParser& parser, const UsageError& usageError) {
    if (const auto other =
            givenOf(parser, {subjectOption, practiceOption, worksheetOption, keyOption, countOption,
                             collateOption, csvOption, gradebookOption, reportOption, teacherOption,
                             studentOption, studentIdOption, handInOption, watchOption}))
        return usageError(CommandLine::tr("--result-slip writes the slip of one practice record; "
                                          "it does not go with --%1.")
                              .arg(*other));
    CommandLine command;
    command.resultSlip = parser.value(resultSlipOption);
    command.record = parser.value(recordOption);
    if (command.resultSlip.isEmpty())
        return usageError(CommandLine::tr(
            "--record is read for --result-slip; give --result-slip and its file."));
    if (command.record.isEmpty())
        return usageError(
            CommandLine::tr("--result-slip needs the practice record to read; give --record."));
    if (absolutePath(command.record) == absolutePath(command.resultSlip))
        return usageError(
            CommandLine::tr("--result-slip names the record itself, %1; write the slip to a file "
                            "of its own.")
                .arg(command.resultSlip));
    command.action = CommandLine::Action::ResultSlip;
    return command;
}

template <typename UsageError>
CommandLine readArguments(const QStringList& arguments, const UsageError& usageError) {
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fprintf(stdout, "%s", qUtf8Printable(parser.helpText()));
        return exitWith(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::fprintf(stdout, "%s %s\n", BuildInfo::name, BuildInfo::version);
        return exitWith(0);
    }
    if (parser.values(languageOption).size() > 1)
        return usageError(CommandLine::tr("--%1 is given more than once.").arg(languageOption));
    const bool collate = parser.isSet(collateOption);
    const bool teacher = parser.isSet(teacherOption);
    if (!collate && parser.isSet(csvOption))
        return usageError(CommandLine::tr("--csv is the table of --collate; give --collate and the "
                                          "records too."));
    if (!collate && parser.isSet(gradebookOption))
        return usageError(CommandLine::tr("--gradebook is the gradebook file of --collate; give "
                                          "--collate and the records too."));
    if (!collate && parser.isSet(reportOption))
        return usageError(CommandLine::tr("--report is the report of --collate; give --collate and "
                                          "the records too."));
    if (!collate && !teacher && !parser.positionalArguments().isEmpty())
        return usageError(
            CommandLine::tr("Unexpected argument '%1'; only --collate and --teacher take files "
                            "without an option.")
                .arg(parser.positionalArguments().front()));
    // A second value would silently win over the first.
    for (const QString& option :
         {worksheetOption, keyOption, countOption, csvOption, gradebookOption, resultSlipOption,
          recordOption, reportOption, studentOption, studentIdOption, handInOption, watchOption}) {
        const QStringList values = parser.values(option);
        if (values.size() > 1)
            return usageError(CommandLine::tr("--%1 is given more than once.").arg(option));
        if (values.size() == 1 && values.front().isEmpty())
            return usageError(CommandLine::tr("--%1 needs a value.").arg(option));
    }

    if (collate)
        return readCollation(parser, usageError);
    if (parser.isSet(resultSlipOption) || parser.isSet(recordOption))
        return readResultSlip(parser, usageError);
    if (parser.isSet(watchOption) && !teacher)
        return usageError(CommandLine::tr("--watch is for the teacher's window; give --teacher "
                                          "too."));
    // A folder, or what may yet become one (a share not mounted yet); never a file.
    for (const QString& option : {handInOption, watchOption})
        if (parser.isSet(option) && QFileInfo(parser.value(option)).exists() &&
            !QFileInfo(parser.value(option)).isDir())
            return usageError(CommandLine::tr("--%1 names %2, which is not a folder.")
                                  .arg(option, parser.value(option)));
    if (teacher) {
        if (const auto other =
                givenOf(parser, {subjectOption, practiceOption, worksheetOption, keyOption,
                                 countOption, studentOption, studentIdOption, handInOption}))
            return usageError(CommandLine::tr("--teacher opens the teacher's window; it does not "
                                              "go with --%1.")
                                  .arg(*other));
        CommandLine command;
        command.action = CommandLine::Action::Teacher;
        command.records = parser.positionalArguments();
        command.watch = parser.value(watchOption);
        return command;
    }

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
                //: %2 says what is wrong with the code, in sentences of their own.
                CommandLine::tr("Cannot read the subject code \"%1\". %2").arg(text, problem));
        command.subjects.append(*code);
    }

    command.handIn = parser.value(handInOption);
    if (paper && !command.handIn.isEmpty())
        return usageError(CommandLine::tr("--hand-in is for practice in the window; it does not "
                                          "go with --worksheet or --key."));

    if (parser.isSet(studentIdOption) && !parser.isSet(studentOption))
        return usageError(
            CommandLine::tr("--student-id goes with --student and the student's name."));
    if (parser.isSet(studentOption)) {
        if (paper)
            return usageError(CommandLine::tr("--student names who practises in the window; it "
                                              "does not go with --worksheet or --key."));
        const QString name = parser.value(studentOption);
        const QString id = parser.value(studentIdOption);
        if (const std::optional<QString> problem = Student::nameProblem(name))
            //: %1 says what is wrong with the name, in a sentence of its own.
            return usageError(
                CommandLine::tr("The name given with --student cannot be taken. %1").arg(*problem));
        if (const std::optional<QString> problem = Student::idProblem(id))
            //: %1 says what is wrong with the ID number, in a sentence of its own.
            return usageError(
                CommandLine::tr("The ID number given with --student-id cannot be taken. %1")
                    .arg(*problem));
        command.student = Student::fromTyped(name, id);
    }

    if (!paper) {
        if (count)
            return usageError(
                CommandLine::tr("--count makes a class set on paper; give --worksheet or --key."));
        if (command.subjects.size() > 1)
            return usageError(CommandLine::tr(
                "The window shows one subject; give --subject once, or several with "
                "--worksheet or --key."));
        if (!command.subjects.isEmpty())
            command.subject = command.subjects.front();
        command.subjects.clear();
        return command;
    }

    if (command.practice)
        return usageError(
            CommandLine::tr("--practice is for the window; it does not go with --worksheet or "
                            "--key."));
    if (!worksheet.isEmpty() && !key.isEmpty() && absolutePath(worksheet) == absolutePath(key))
        return usageError(
            CommandLine::tr("--worksheet and --key name the same file, %1.").arg(worksheet));
    if (count) {
        if (!command.subjects.isEmpty())
            return usageError(CommandLine::tr(
                "--count draws random subjects and --subject names them; give one or the other."));
        bool number = false;
        const int n = parser.value(countOption).toInt(&number);
        if (!number)
            return usageError(
                CommandLine::tr("--count takes a whole number of subjects, 1 to %1, not \"%2\".")
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

} // namespace

CommandLine readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program = arguments.isEmpty() || arguments.front().isEmpty()
                                ? QStringLiteral("korvanel")
                                : QFileInfo(arguments.front()).fileName();

    // Help and every message speak the run's language, which Qt's catalogue
    // reaches only through an application: one of its own, for the reading,
    // named by the program's file name as help names it.
    QByteArray name = program.toLocal8Bit();
    char* nameOnly[] = {name.data(), nullptr};
    int one = 1;
    const QCoreApplication reading(one, nameOnly);
    QString languageProblem;
    const std::optional<QLocale> language = chooseLanguage(arguments, &languageProblem);
    Language::speak(language.value_or(QLocale(QLocale::English)));

    // What was typed reaches the terminal with its control characters written out.
    const auto usageError = [&program](const QString& message) {
        const QString name = VisibleText::escaped(program);
        std::fprintf(
            stderr, "%s: %s\n%s\n", qUtf8Printable(name),
            qUtf8Printable(VisibleText::escaped(message)),
            qUtf8Printable(CommandLine::tr("Try '%1 --help' for more information.").arg(name)));
        return exitWith(2);
    };
    if (!language)
        return usageError(languageProblem);
    CommandLine command = readArguments(arguments, usageError);
    command.language = *language;
    //: %1 is the program's name, as the command line starts it.
    command.noDisplay = CommandLine::tr("%1: the window cannot open, as there is no display to "
                                        "show it on. --worksheet and --key write their PDF files "
                                        "without one.")
                            .arg(VisibleText::escaped(program));
    return command;
}
