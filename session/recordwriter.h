// Keeps a practice attempt's record on disk, beside the window: the latest
// state handed over is written by a thread of its own, so that a check
// waits for no disk (a save synced to disk took up to 8 ms on this
// project's machines, against the 2 ms a check may add). The thread writes
// within moments; the writer's end waits for it, so that quitting loses
// nothing handed over.
#pragma once

#include "judging/recordfolder.h"

#include <QObject>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class RecordWriter : public QObject {
    Q_OBJECT

public:
    explicit RecordWriter(const QString& folder, QObject* parent = nullptr);
    ~RecordWriter() override; // writes what is handed over, then stops

    // Writes the attempt's record; of several handed over before the thread
    // comes to them, the last.
    void save(const Attempt& attempt);
    // Returns once everything handed over is written or has failed.
    void flush();

signals:
    // A save that failed, with why; in the writer's own thread.
    void failed(const QString& message);

private:
    void run();

    RecordFolder m_folder;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Attempt> m_pending;
    bool m_writing = false;
    bool m_stopping = false;
    std::thread m_thread;
};
