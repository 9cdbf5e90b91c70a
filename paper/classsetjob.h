// A class set written in the background: the worksheets and answer keys of
// many subjects drawn on threads of their own, how far it has come told as
// it goes, and a cancel that leaves no file behind, and whatever stood at
// those places as it was (Paper::writePdf).
#pragma once

#include "paper.h"

#include <QObject>

#include <memory>

class QThread;

class ClassSetJob : public QObject {
    Q_OBJECT

public:
    ClassSetJob(const QList<Paper::Output>& outputs, const QList<SubjectCode>& subjects,
                QObject* parent = nullptr);
    ~ClassSetJob() override; // cancels, and waits for the drawing to stop

    // Every subject of every sheet: what `progressed` counts up to.
    int steps() const { return int(m_subjects.size() * m_outputs.size()); }
    const QList<Paper::Output>& outputs() const { return m_outputs; }
    const QList<SubjectCode>& subjects() const { return m_subjects; }

    void start();
    void cancel();

signals:
    void progressed(int done);
    // Written, or not: then cancelled, or why not in `error`.
    void finished(bool written, bool cancelled, const QString& error);

private:
    QList<Paper::Output> m_outputs;
    QList<SubjectCode> m_subjects;
    Paper::Progress m_progress;
    bool m_written = false;
    QString m_error;
    std::unique_ptr<QThread> m_thread;
};
