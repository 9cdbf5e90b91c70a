// The exercise on paper: a worksheet to hand out and an answer key, for one
// subject or a class set, drawn onto any paged device (a PDF writer, a
// printer) and written as PDF.
//
// Each subject starts on a new page, and every page is headed "Korvanel
// calculation", the subject's code and "page n of m", counted within that
// subject, so that each student's pages can be handed out alone.
#pragma once

#include "classwork/handedin.h"
#include "model/subjectcode.h"
#include "records/attempt.h"
#include "stages/transcript.h"

#include <QFont>
#include <QList>
#include <QLocale>
#include <QPageLayout>
#include <QString>

#include <atomic>
#include <functional>

class QPagedPaintDevice;
class QPaintDevice;

namespace Paper {

// A4, or Letter where the locale measures in US units; portrait, with the
// margins the sheets are laid out for. Give it to a printer before its
// print dialog, so that the dialog starts from it.
QPageLayout pageLayout(const QLocale& locale = QLocale::system());

// Where a sheet or a table is first offered to be saved: the user's
// documents folder, or the home folder where there is none (a new account
// on Debian has no ~/Documents until something makes it).
QString documentsFolder();

// How far a long class set has come, and the asking to stop it, from
// another thread: drawing stops at the next subject.
struct Progress {
    std::atomic<int> done{0}; // subjects drawn, over every sheet
    std::atomic<bool> cancelled{false};
    // Called on the drawing thread after each subject, if set.
    std::function<void(int done)> drawn;
};

// Draws the sheet of each subject in turn onto `device`, in the page layout
// the device has, starting with its current page. On a page whose text
// width is narrower than A4's everything is drawn smaller, so that no line
// is cut. False, with *error, when there is no subject, the device
// refuses to be painted on or to start a new page, or it was cancelled.
bool print(QPagedPaintDevice& device, Sheet sheet, const QList<SubjectCode>& subjects,
           QString* error = nullptr, Progress* progress = nullptr);

struct Output {
    Sheet sheet;
    QString fileName;
};

// Writes each output as a PDF in pageLayout(locale), all the subjects in
// each. Files are put in place only once every one has been drawn in full,
// so a failure leaves none of them behind and a file that stood at one of
// the paths keeps its content. (Only a rename that fails after an earlier
// one succeeded can leave that earlier file replaced, by a whole one.)
// False, with *error naming the file, when one cannot be written. The file
// names must differ.
bool writePdf(const QList<Output>& outputs, const QList<SubjectCode>& subjects,
              QString* error = nullptr, const QLocale& locale = QLocale::system(),
              Progress* progress = nullptr);

// The result slip of a practice attempt as a PDF: one page in the sheets'
// style, headed "Korvanel calculation: result slip" and the code, with who
// practised it and when, how far it came, each question's verdicts as its
// entries earn them (replay.h), said to differ where the record was edited,
// and the score. False, with *error naming the file, when it cannot be
// written; nothing is left behind then.
bool writeResultSlip(const Attempt& attempt, const QString& fileName, QString* error = nullptr,
                     const QLocale& locale = QLocale::system());
// The same of an attempt replayed already: its checks as the judge gives
// them, and why its record was taken for edited, if it was.
bool writeResultSlip(const Attempt& replayed, const std::optional<QString>& edited,
                     const QString& fileName, QString* error = nullptr,
                     const QLocale& locale = QLocale::system());

// The class at a glance (classwork/handedin.h) as a PDF in the sheets'
// style: how many records and students, for each question the share of the
// students right at the first try, right at the last, carried forward,
// close and not yet as a bar; the known slips met; a table of the students.
// False, with *error naming the file, when it cannot be written.
bool writeReport(const HandedIn& handedIn, const QString& fileName, QString* error = nullptr,
                 const QLocale& locale = QLocale::system());

// The font of the printed lines, and the width a line may take on one of
// `device`'s pages, in the device's units. Never less than the text width
// of A4: a narrower page is drawn scaled down to it.
QFont lineFont();
qreal lineRoom(const QPaintDevice& device);

} // namespace Paper
