#include "recordwriter.h"

RecordWriter::RecordWriter(const QString& folder, QObject* parent)
    : QObject(parent)
    , m_folder(folder)
    , m_thread(&RecordWriter::run, this) {
}

RecordWriter::~RecordWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void RecordWriter::save(const Attempt& attempt) {
    {
        const std::lock_guard lock(m_mutex);
        m_pending = attempt;
    }
    m_wake.notify_one();
}

void RecordWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_pending && !m_writing; });
}

void RecordWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return; // stopping, nothing left
        const Attempt attempt = std::move(*m_pending);
        m_pending.reset();
        m_writing = true;
        lock.unlock();
        QString error;
        const bool saved = m_folder.save(attempt, &error);
        if (!saved)
            QMetaObject::invokeMethod(
                this, [this, error] { emit failed(error); }, Qt::QueuedConnection);
        lock.lock();
        m_writing = false;
        m_idle.notify_all();
    }
}
