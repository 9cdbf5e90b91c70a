// Keeps practice attempts' records in a folder, beside the window: each
// record handed over is written by a thread of its own, so that a check
// waits for no disk (a save synced to disk took up to 8 ms on this
// project's machines, against the 2 ms a check may add; a hand-in folder on
// a share can take seconds). Of the states of one record handed over before
// the thread comes to them, the last is written; every record handed over
// reaches its own file, whatever else is handed over meanwhile.
//
// The writer's end waits for what was handed over, for as long as it is
// told to: for ever for the records on this computer, a few seconds for a
// share that has stopped answering, which must not keep the program from
// ending. A write still hanging then finishes, or fails, unheard.
#pragma once

#include "attempt.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class RecordWriter : public QObject {
    Q_OBJECT

public:
    // Writes one record, true with *fileName where it went, or false with
    // *error saying why in sentences that name the file. Run on the
    // writer's thread.
    using Keep = std::function<bool(const Attempt& attempt, QString* fileName, QString* error)>;
    // What a writer waits for at its end, at most.
    static constexpr std::chrono::milliseconds forEver{-1};

    explicit RecordWriter(Keep keep, std::chrono::milliseconds endWait = forEver,
                          QObject* parent = nullptr);
    ~RecordWriter() override;

    // Writes `attempt`'s record, which is known by its file (fileOf).
    void save(const Attempt& attempt);
    // Returns once everything handed over is written or has failed: true,
    // or false when `wait` passed first.
    bool flush(std::chrono::milliseconds wait = forEver);

signals:
    // A record written, and the last update of the attempt it holds.
    void saved(const QString& fileName, const QDateTime& updated);
    // A record that could not be written, with why.
    void failed(const QString& message);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::chrono::milliseconds m_endWait;
};
