#include "recordwriter.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

// What the writer and its thread share. The thread holds it too, so that a
// thread left writing at the writer's end still has it.
struct RecordWriter::Shared {
    Keep keep;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    // The latest state of each record handed over and not yet written, by
    // its attempt (code and start), in the order first handed over.
    std::map<QString, Attempt> pending;
    std::deque<QString> order;
    bool writing = false;
    bool stopping = false;
    RecordWriter* owner = nullptr; // null once the writer has ended

    void run();
    void report(const std::function<void(RecordWriter*)>& tell);
};

namespace {

QString attemptKey(const Attempt& attempt) {
    return attempt.code.text() + u' ' + attempt.started.toString(Qt::ISODateWithMs);
}

} // namespace

RecordWriter::RecordWriter(Keep keep, std::chrono::milliseconds endWait, QObject* parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
    , m_endWait(endWait) {
    m_shared->keep = std::move(keep);
    m_shared->owner = this;
    std::thread(&Shared::run, m_shared).detach();
}

RecordWriter::~RecordWriter() {
    flush(m_endWait);
    const std::lock_guard lock(m_shared->mutex);
    m_shared->stopping = true;
    m_shared->owner = nullptr;
    m_shared->wake.notify_one();
}

void RecordWriter::save(const Attempt& attempt) {
    {
        const std::lock_guard lock(m_shared->mutex);
        const QString key = attemptKey(attempt);
        const auto [place, added] = m_shared->pending.insert_or_assign(key, attempt);
        if (added)
            m_shared->order.push_back(key);
    }
    m_shared->wake.notify_one();
}

bool RecordWriter::flush(std::chrono::milliseconds wait) {
    std::unique_lock lock(m_shared->mutex);
    const auto done = [this] {
        return m_shared->pending.empty() && !m_shared->writing;
    };
    if (wait < std::chrono::milliseconds::zero()) {
        m_shared->idle.wait(lock, done);
        return true;
    }
    return m_shared->idle.wait_for(lock, wait, done);
}

void RecordWriter::Shared::run() {
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return !pending.empty() || stopping; });
        if (pending.empty())
            return; // stopping, nothing left
        const QString key = order.front();
        order.pop_front();
        const Attempt attempt = std::move(pending.at(key));
        pending.erase(key);
        writing = true;
        lock.unlock();
        QString fileName, error;
        if (keep(attempt, &fileName, &error))
            report([fileName, updated = attempt.updated](RecordWriter* writer) {
                emit writer->saved(fileName, updated);
            });
        else
            report([error](RecordWriter* writer) { emit writer->failed(error); });
        lock.lock();
        writing = false;
        idle.notify_all();
    }
}

// Told on the writer's own thread, while it lasts. Called with the mutex
// free; takes it so that the writer cannot end meanwhile.
void RecordWriter::Shared::report(const std::function<void(RecordWriter*)>& tell) {
    const std::lock_guard lock(mutex);
    if (RecordWriter* writer = owner)
        QMetaObject::invokeMethod(
            writer, [writer, tell] { tell(writer); }, Qt::QueuedConnection);
}
