// The command line, read before any application object exists: help, the
// version, usage errors, the paper and collating records all work without
// a display.
#pragma once

#include "model/subjectcode.h"
#include "paper/paper.h"
#include "records/student.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>

#include <optional>

struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { Window, Teacher, Paper, Collate, ResultSlip, Exit };

    Action action = Action::Window;
    QLocale language; // the run's: asked for, else the desktop's, else English
    // Said should the window find no display: in the run's language, which
    // only an application speaks, and there is none then.
    QString noDisplay;
    int exitStatus = 0; // of Exit: 0 after help or the version, 2 after a usage error

    std::optional<SubjectCode> subject; // the window's; a random one without it
    bool practice = false;
    std::optional<Student> student; // who practises, given for the run
    QString handIn;                 // where the attempt is handed in, for the run

    QList<Paper::Output> outputs; // what Paper writes, for every subject
    QList<SubjectCode> subjects;

    QStringList records; // what Collate and Teacher read: record files, or folders of them
    QString watch;       // the folder Teacher watches, if any
    QString csv;         // and the table, the gradebook file and the report Collate writes
    QString gradebook;
    QString report;

    QString record;     // what ResultSlip reads
    QString resultSlip; // and the PDF it writes
};

// Prints help, the version or what is wrong itself, and then says Exit.
// argv is left as it is, Qt's own options (-platform, -style...) and all,
// for the QApplication of the window.
CommandLine readCommandLine(int argc, char* argv[]);
