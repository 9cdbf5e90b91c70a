#include "classsetjob.h"

#include <QLocale>
#include <QThread>

ClassSetJob::ClassSetJob(const QList<Paper::Output>& outputs, const QList<SubjectCode>& subjects,
                         QObject* parent)
    : QObject(parent)
    , m_outputs(outputs)
    , m_subjects(subjects) {
    m_progress.drawn = [this](int done) {
        QMetaObject::invokeMethod(
            this, [this, done] { emit progressed(done); }, Qt::QueuedConnection);
    };
}

ClassSetJob::~ClassSetJob() {
    if (m_thread) {
        m_progress.cancelled = true;
        m_thread->wait();
    }
}

void ClassSetJob::start() {
    if (m_thread)
        return;
    m_thread.reset(QThread::create([this] {
        m_written =
            Paper::writePdf(m_outputs, m_subjects, &m_error, QLocale::system(), &m_progress);
    }));
    connect(m_thread.get(), &QThread::finished, this,
            [this] { emit finished(m_written, !m_written && m_progress.cancelled, m_error); });
    m_thread->start();
}

void ClassSetJob::cancel() {
    m_progress.cancelled = true;
}
