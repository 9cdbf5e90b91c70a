// The command line, read before any application object exists: help, the
// version, usage errors, the paper and collating records all work without
// a display.
#pragma once

#include "model/subjectcode.h"
#include "paper/paper.h"

#include <QList>

#include <optional>

struct CommandLine {
    enum class Action { Window, Paper, Collate, ResultSlip, Exit };

    Action action = Action::Window;
    int exitStatus = 0; // of Exit: 0 after help or the version, 2 after a usage error

    std::optional<SubjectCode> subject; // the window's; a random one without it
    bool practice = false;

    QList<Paper::Output> outputs; // what Paper writes, for every subject
    QList<SubjectCode> subjects;

    QStringList records; // what Collate reads: record files, or folders of them
    QString csv;         // and the file it writes

    QString record;     // what ResultSlip reads
    QString resultSlip; // and the PDF it writes
};

// Prints help, the version or what is wrong itself, and then says Exit.
// argv is left as it is, Qt's own options (-platform, -style...) and all,
// for the QApplication of the window.
CommandLine readCommandLine(int argc, char* argv[]);
