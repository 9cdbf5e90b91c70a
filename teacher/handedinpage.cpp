#include "handedinpage.h"

#include "attempttable.h"
#include "chartview.h"
#include "classwork/classfigures.h"
#include "classwork/collation.h"
#include "panes/announcer.h"
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
#include <QVBoxLayout>

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
    , m_exportReport(new QPushButton(tr("Export &report\u2026"), this))
    , m_announcer(new Announcer(this))
    , m_lastFolder(Paper::documentsFolder()) {
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
    //: Empties the page of every record read.
    auto* clear = new QPushButton(tr("C&lear"), this);
    connect(addFiles, &QPushButton::clicked, this, &HandedInPage::chooseFiles);
    connect(addFolder, &QPushButton::clicked, this, &HandedInPage::chooseFolder);
    connect(clear, &QPushButton::clicked, this, &HandedInPage::clear);
    connect(m_exportTable, &QPushButton::clicked, this, qOverload<>(&HandedInPage::exportTable));
    connect(m_exportReport, &QPushButton::clicked, this, qOverload<>(&HandedInPage::exportReport));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addFiles);
    buttons->addWidget(addFolder);
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(m_exportTable);
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
    auto* hint = new QLabel(tr("Add the records (.json) your students hand in, or drop their files "
                               "or folders on this window. Each record's checks are judged again "
                               "from its entries."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    layout->addWidget(m_overview);
    layout->addWidget(split, 1);
    setTabOrder(addFiles, addFolder);
    setTabOrder(addFolder, clear);
    setTabOrder(clear, m_exportTable);
    setTabOrder(m_exportTable, m_exportReport);
    setTabOrder(m_exportReport, m_view);
    setTabOrder(m_view, m_chart);
    setTabOrder(m_chart, m_problems);
    refresh();
}

QString HandedInPage::overview() const {
    return m_overview->text();
}

void HandedInPage::add(const QStringList& paths) {
    for (const QString& path : paths)
        m_handedIn.add(path);
    refresh();
    m_announcer->announce(overview());
}

void HandedInPage::clear() {
    m_handedIn.clear();
    refresh();
}

void HandedInPage::refresh() {
    m_model->setHandedIn(&m_handedIn);
    m_chart->setFigures(classFigures(m_handedIn.counted()));
    m_overview->setText(m_handedIn.records().isEmpty() && m_handedIn.unread().isEmpty()
                            ? tr("No records are read yet.")
                            : m_handedIn.overview().join(u' '));
    m_problems->clear();
    m_problems->addItems(m_handedIn.messages());
    m_problemsBox->setVisible(m_problems->count() > 0);
    const bool any = !m_handedIn.records().isEmpty();
    m_exportTable->setEnabled(any);
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

QString HandedInPage::askFileName(const QString& title, const QString& suggested,
                                  const QString& filter) {
    QString fileName =
        QFileDialog::getSaveFileName(this, title, QDir(m_lastFolder).filePath(suggested), filter);
    if (!fileName.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
        fileName += u'.' + QFileInfo(suggested).suffix();
    return fileName;
}

void HandedInPage::exportTable() {
    const QString fileName = askFileName(tr("Export table"), QStringLiteral("korvanel-class.csv"),
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

void HandedInPage::exportReport() {
    const QString fileName = askFileName(
        tr("Export report"), QStringLiteral("korvanel-class-report.pdf"), tr("PDF files (*.pdf)"));
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
