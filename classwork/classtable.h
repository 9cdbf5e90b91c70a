// The class's table, its columns written once: for each, its word in the
// CSV (English on every desktop), its heading on screen and in the report
// (the run's language), what its cell holds in either, and the key it sorts
// by. The CSV, the teacher's table, the class report and the gradebook
// file all take their columns from here, each those meant for it.
#pragma once

#include "handedin.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class ClassTable {
    Q_DECLARE_TR_FUNCTIONS(ClassTable)

public:
    // Where a column stands.
    enum Use { Csv = 1, Screen = 2, Report = 4, Gradebook = 8 };

    struct Column {
        QString csvHeader;   // the CSV's word for it
        const char* heading; // on screen and in the report, to be translated; or null
        int uses;            // of Use
        std::function<QString(const HandedInRecord&)> csvCell;   // English, ISO times, numbers
        std::function<QString(const HandedInRecord&)> shownCell; // the run's language
        std::function<QVariant(const HandedInRecord&)> sortKey;
        std::function<QString(const HandedInRecord&)> toolTip; // may be empty

        QString headingText() const;
    };

    // Every column, in the order they stand.
    static const std::vector<Column>& columns();
    // Those of `use`, in that order.
    static std::vector<const Column*> columnsFor(Use use);
};
