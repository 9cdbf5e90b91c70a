#include "handedinpage.h"

#include "attemptdialog.h"
#include "attempttable.h"
#include "chartview.h"
#include "classwork/classfigures.h"
#include "classwork/collation.h"
#include "classwork/folderwatch.h"
#include "model/language.h"
#include "model/visibletext.h"
#include "panes/announcer.h"
#include "panes/savefilename.h"
#include "paper/paper.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Arrivals are said together, no more often than this.
constexpr std::chrono::seconds arrivalsSaidEvery{10};
// Changes that come close together are shown together, after at most this.
constexpr std::chrono::milliseconds changesShownEvery{100};

} // namespace

HandedInPage::HandedInPage(QWidget* parent)
    : QWidget(parent)
    , m_model(new AttemptTable(this))
    , m_sorted(new QSortFilterProxyModel(this))
    , m_view(new QTableView(this))
    , m_chart(new ChartView(this))
    , m_overview(new QLabel(this))
    , m_problems(new QListWidget(this))
    , m_problemsBox(new QWidget(this))
    , m_exportTable(new QPushButton(tr("Export &table\u2026"), this))
    //: Writes the file that the school's gradebook (Moodle) imports.
    , m_exportGradebook(new QPushButton(tr("Export for the &gradebook\u2026"), this))
    , m_exportReport(new QPushButton(tr("Export &report\u2026"), this))
    , m_announcer(new Announcer(this))
    , m_lastFolder(Paper::documentsFolder())
    , m_arrivalsQuiet(new QTimer(this))
    , m_showPending(new QTimer(this)) {
    setObjectName(QStringLiteral("handedIn"));
    m_model->setHandedIn(&m_handedIn);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(AttemptTable::SortRole);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_view->setModel(m_sorted);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(-1, Qt::AscendingOrder);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setTabKeyNavigation(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The rows in view, not every one: with the ten thousand records of a
    // busy hand-in folder, sizing the columns by all of them held the window
    // for two seconds at each update.
    m_view->horizontalHeader()->setResizeContentsPrecision(0);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setAccessibleName(tr("Attempts handed in"));
    m_view->setObjectName(QStringLiteral("attempts"));
    m_overview->setWordWrap(true);
    m_overview->setTextFormat(Qt::PlainText);
    m_overview->setObjectName(QStringLiteral("overview"));
    m_overview->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_problems->setObjectName(QStringLiteral("problems"));
    m_problems->setAccessibleName(tr("Records not read, or edited"));
    m_problems->setWordWrap(true);

    auto* addFiles = new QPushButton(tr("Add &records\u2026"), this);
    auto* addFolder = new QPushButton(tr("Add a &folder\u2026"), this);
    //: Follows a folder that students hand in to, as records arrive and change.
    auto* watchFolder = new QPushButton(tr("&Watch a folder\u2026"), this);
    //: Empties the page of every record read.
    auto* clear = new QPushButton(tr("C&lear"), this);
    connect(addFiles, &QPushButton::clicked, this, &HandedInPage::chooseFiles);
    connect(addFolder, &QPushButton::clicked, this, &HandedInPage::chooseFolder);
    connect(watchFolder, &QPushButton::clicked, this, &HandedInPage::chooseWatched);
    connect(clear, &QPushButton::clicked, this, &HandedInPage::clear);
    connect(m_exportTable, &QPushButton::clicked, this, qOverload<>(&HandedInPage::exportTable));
    connect(m_exportGradebook, &QPushButton::clicked, this,
            qOverload<>(&HandedInPage::exportGradebook));
    connect(m_exportReport, &QPushButton::clicked, this, qOverload<>(&HandedInPage::exportReport));
    connect(m_view, &QTableView::activated, this, &HandedInPage::showAttempt);
    m_showPending->setSingleShot(true);
    m_showPending->setInterval(changesShownEvery);
    connect(m_showPending, &QTimer::timeout, this, &HandedInPage::showChanges);
    m_arrivalsQuiet->setSingleShot(true);
    m_arrivalsQuiet->setInterval(arrivalsSaidEvery);
    connect(m_arrivalsQuiet, &QTimer::timeout, this, &HandedInPage::tellArrivals);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addFiles);
    buttons->addWidget(addFolder);
    buttons->addWidget(watchFolder);
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(m_exportTable);
    buttons->addWidget(m_exportGradebook);
    buttons->addWidget(m_exportReport);

    auto* chartArea = new QScrollArea(this);
    chartArea->setWidget(m_chart);
    chartArea->setWidgetResizable(true);
    chartArea->setFocusPolicy(Qt::NoFocus);
    chartArea->setMinimumHeight(m_chart->sizeHint().height() / 2);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_view);
    split->addWidget(chartArea);
    auto* problemsLabel = new QLabel(tr("Records &not read, or edited:"), m_problemsBox);
    problemsLabel->setBuddy(m_problems);
    auto* problemsLayout = new QVBoxLayout(m_problemsBox);
    problemsLayout->setContentsMargins(0, 0, 0, 0);
    problemsLayout->addWidget(problemsLabel);
    problemsLayout->addWidget(m_problems);
    split->addWidget(m_problemsBox);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setStretchFactor(2, 0);
    split->setSizes({300, m_chart->sizeHint().height() + 4, 80});

    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("Add the records (.json) your students hand in, drop their files or "
                               "folders on this window, or watch the folder they hand in to. Each "
                               "record's checks are judged again from its entries; open an "
                               "attempt to see them all."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    layout->addWidget(m_overview);
    layout->addWidget(split, 1);
    setTabOrder(addFiles, addFolder);
    setTabOrder(addFolder, watchFolder);
    setTabOrder(watchFolder, clear);
    setTabOrder(clear, m_exportTable);
    setTabOrder(m_exportTable, m_exportGradebook);
    setTabOrder(m_exportGradebook, m_exportReport);
    setTabOrder(m_exportReport, m_view);
    setTabOrder(m_view, m_chart);
    setTabOrder(m_chart, m_problems);
    refresh();
}

HandedInPage::~HandedInPage() = default;

QString HandedInPage::overview() const {
    return m_overview->text();
}

void HandedInPage::add(const QStringList& paths) {
    for (const QString& path : paths)
        m_handedIn.add(path);
    refresh();
    m_announcer->announce(overview());
}

QString HandedInPage::watched() const {
    return m_watch ? m_watch->folder() : QString();
}

void HandedInPage::watch(const QString& folder) {
    m_watchProblem.clear();
    m_watchStarting = true;
    m_watch = std::make_unique<FolderWatch>(folder);
    connect(m_watch.get(), &FolderWatch::changed, this, &HandedInPage::changed);
    connect(m_watch.get(), &FolderWatch::folderLost, this, [this](const QString& message) {
        m_watchProblem = message;
        refresh();
        m_announcer->announce(message);
    });
    connect(m_watch.get(), &FolderWatch::folderBack, this, [this] {
        m_watchProblem.clear();
        refresh();
    });
    refresh();
}

void HandedInPage::changed(const QList<HandedIn::Reading>& readings, const QStringList& gone) {
    // Batches that come while the last one is being shown are shown
    // together, the window answering in between.
    m_pendingReadings += readings;
    m_pendingGone += gone;
    if (!m_showPending->isActive())
        m_showPending->start();
}

void HandedInPage::showChanges() {
    const QList<HandedIn::Reading> readings = std::exchange(m_pendingReadings, {});
    const QStringList gone = std::exchange(m_pendingGone, {});
    m_handedIn.update(readings, gone);
    // What the folder held when watching began is no arrival.
    if (m_watchStarting) {
        m_watchStarting = false;
        refresh();
        m_announcer->announce(overview());
        return;
    }
    // Attempts new to the table are said politely, a few at a time; changes
    // to those shown are not said at all.
    for (const HandedInRecord& record : m_handedIn.records())
        if (!m_attempts.contains(HandedIn::attemptKey(record.attempt)))
            m_arrivals.append(record.attempt.student.shown());
    refresh();
    if (!m_arrivalsQuiet->isActive())
        tellArrivals();
}

void HandedInPage::tellArrivals() {
    if (m_arrivals.isEmpty())
        return;
    QStringList named = m_arrivals;
    named.removeAll(QString());
    const bool everyOneNamed = named.size() == m_arrivals.size();
    named.removeDuplicates();
    const int count = int(m_arrivals.size());
    const QString names = Language::current().createSeparatedList(named);
    m_announcer->announce(
        named.isEmpty() ? tr("%n new attempt(s) handed in.", nullptr, count)
        : everyOneNamed
            //: %n new attempts, %1 the names of the students: "Ana Souza and Ben Okafor".
            ? tr("%n new attempt(s) handed in, by %1.", nullptr, count).arg(names)
            //: %n new attempts, some naming nobody; %1 the names of the students named.
            : tr("%n new attempt(s) handed in, among them by %1.", nullptr, count).arg(names));
    m_arrivals.clear();
    m_arrivalsQuiet->start();
}

void HandedInPage::clear() {
    m_watch.reset();
    m_showPending->stop();
    m_pendingReadings.clear();
    m_pendingGone.clear();
    m_watchProblem.clear();
    m_handedIn.clear();
    refresh();
}

void HandedInPage::refresh() {
    m_model->setHandedIn(&m_handedIn);
    m_attempts.clear();
    for (const HandedInRecord& record : m_handedIn.records())
        m_attempts.insert(HandedIn::attemptKey(record.attempt));
    m_chart->setFigures(classFigures(m_handedIn.counted()));
    QStringList about;
    if (m_watch)
        about.append(m_watchProblem.isEmpty()
                         //: %1 is a folder that students hand in to.
                         ? tr("Watching %1: records are read as they arrive or change.")
                               .arg(VisibleText::escaped(QDir::toNativeSeparators(watched())))
                         : m_watchProblem);
    if (m_handedIn.records().isEmpty() && m_handedIn.unread().isEmpty())
        about.append(tr("No records are read yet."));
    else
        about += m_handedIn.overview();
    m_overview->setText(about.join(u' '));
    const QStringList messages = m_handedIn.messages();
    if (messages != m_shownMessages) {
        m_problems->clear();
        m_problems->addItems(messages);
        m_shownMessages = messages;
    }
    m_problemsBox->setVisible(m_problems->count() > 0);
    const bool any = !m_handedIn.records().isEmpty();
    m_exportTable->setEnabled(any);
    m_exportGradebook->setEnabled(any);
    m_exportReport->setEnabled(any);
}

void HandedInPage::chooseFiles() {
    const QStringList files = QFileDialog::getOpenFileNames(this, tr("Add records"), m_lastFolder,
                                                            tr("Practice records (*.json)"));
    if (files.isEmpty())
        return;
    m_lastFolder = QFileInfo(files.front()).absolutePath();
    add(files);
}

void HandedInPage::chooseFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Add a folder of records"), m_lastFolder);
    if (folder.isEmpty())
        return;
    m_lastFolder = folder;
    add({folder});
}

void HandedInPage::chooseWatched() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Watch the folder your students hand in to"), m_lastFolder);
    if (folder.isEmpty())
        return;
    m_lastFolder = folder;
    watch(folder);
}

void HandedInPage::showAttempt(const QModelIndex& index) {
    const HandedInRecord* record = m_model->record(m_sorted->mapToSource(index).row());
    if (!record)
        return;
    auto* dialog = new AttemptDialog(*record, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void HandedInPage::exportTable() {
    const QString fileName = askSaveFileName(
        this, tr("Export table"), QDir(m_lastFolder).filePath(QStringLiteral("korvanel-class.csv")),
        tr("CSV files (*.csv)"));
    if (!fileName.isEmpty())
        exportTable(fileName);
}

bool HandedInPage::exportTable(const QString& fileName) {
    QString error;
    if (writeTable(collateCsv(m_handedIn.records()), fileName, &error)) {
        m_announcer->announce(
            tr("The table is written to %1.").arg(QDir::toNativeSeparators(fileName)));
        return true;
    }
    QMessageBox::warning(this, tr("Export table"), tr("No table was written. %1").arg(error));
    return false;
}

void HandedInPage::exportGradebook() {
    const QString fileName =
        askSaveFileName(this, tr("Export for the gradebook"),
                        QDir(m_lastFolder).filePath(QStringLiteral("korvanel-gradebook.csv")),
                        tr("CSV files (*.csv)"));
    if (!fileName.isEmpty())
        exportGradebook(fileName);
}

bool HandedInPage::exportGradebook(const QString& fileName) {
    const Gradebook gradebook(m_handedIn);
    QString error;
    if (!writeTable(gradebook.csv, fileName, &error)) {
        QMessageBox::warning(this, tr("Export for the gradebook"),
                             tr("No gradebook file was written. %1").arg(error));
        return false;
    }
    const QString written =
        tr("The gradebook file is written to %1.").arg(QDir::toNativeSeparators(fileName));
    m_announcer->announce(
        gradebook.leftOut.isEmpty() ? written : written + u' ' + gradebook.leftOut.join(u' '));
    if (!gradebook.leftOut.isEmpty())
        QMessageBox::warning(
            this, tr("Export for the gradebook"),
            //: %1 is the file; the sentence of each student left out follows, one a line.
            tr("The gradebook file is written to %1, and %n student(s) are left out of it:",
               nullptr, int(gradebook.leftOut.size()))
                    .arg(QDir::toNativeSeparators(fileName)) +
                QStringLiteral("\n\n") + gradebook.leftOut.join(u'\n'));
    return true;
}

void HandedInPage::exportReport() {
    const QString fileName =
        askSaveFileName(this, tr("Export report"),
                        QDir(m_lastFolder).filePath(QStringLiteral("korvanel-class-report.pdf")),
                        tr("PDF files (*.pdf)"));
    if (!fileName.isEmpty())
        exportReport(fileName);
}

bool HandedInPage::exportReport(const QString& fileName) {
    QString error;
    if (Paper::writeReport(m_handedIn, fileName, &error)) {
        m_announcer->announce(
            tr("The report is written to %1.").arg(QDir::toNativeSeparators(fileName)));
        return true;
    }
    QMessageBox::warning(this, tr("Export report"), tr("No report was written. %1").arg(error));
    return false;
}
