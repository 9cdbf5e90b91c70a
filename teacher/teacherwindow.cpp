#include "teacherwindow.h"

#include "classsetpage.h"
#include "handedinpage.h"
#include "model/buildinfo.h"
#include "panes/panestyle.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QStringList localFiles(const QMimeData* data) {
    QStringList files;
    if (data)
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                files.append(url.toLocalFile());
    return files;
}

} // namespace

TeacherWindow::TeacherWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_pages(new QTabWidget(this))
    , m_classSet(new ClassSetPage(m_pages))
    , m_handedIn(new HandedInPage(m_pages)) {
    setObjectName(QStringLiteral("teacher"));
    //: %1 is the program's name, Korvanel.
    setWindowTitle(tr("%1 for teachers").arg(QString::fromLatin1(BuildInfo::name)));
    setAccessibleName(windowTitle());
    setWindowIcon(PaneStyle::programIcon());
    setAcceptDrops(true);
    m_pages->addTab(m_classSet, tr("&Class set"));
    m_pages->addTab(m_handedIn, tr("&Handed in"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    resize(900, 680);
}

void TeacherWindow::addRecords(const QStringList& paths) {
    m_pages->setCurrentWidget(m_handedIn);
    m_handedIn->add(paths);
}

void TeacherWindow::watch(const QString& folder) {
    m_pages->setCurrentWidget(m_handedIn);
    m_handedIn->watch(folder);
}

void TeacherWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TeacherWindow::dropEvent(QDropEvent* event) {
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    addRecords(files);
}
