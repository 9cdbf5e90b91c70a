// A folder that students hand in to, followed as records arrive, change and
// go. Everything that touches the folder happens on a thread of its own:
// listing it, telling what changed since (a file's size, time and place),
// and reading and replaying only the files that did; the owner's thread is
// handed the readings in batches. The desktop's notices of a change
// (QFileSystemWatcher) start a look, those of one save taken together; the
// folder is also looked at every few seconds, for shares and cloud-synced
// folders, whose changes are not notified. A record caught half-written (a
// share still copying it, a file Windows keeps locked) is read again a
// little later, and is passed on as damaged only if it stays so. A link is
// never followed out of the folder, and nothing there is ever written to.
#pragma once

#include "handedin.h"

#include <QObject>
#include <QThread>

#include <chrono>
#include <memory>

class FolderWatch : public QObject {
    Q_OBJECT

public:
    // How often the folder is looked at without a notice.
    static constexpr std::chrono::milliseconds lookEvery{2000};
    // A file that does not read is read again after this, up to `retries`
    // times while it keeps still, before it counts as damaged.
    static constexpr std::chrono::milliseconds retryAfter{600};
    static constexpr int retries = 4;

    // Starts watching `folder`, which need not exist yet.
    explicit FolderWatch(const QString& folder, QObject* parent = nullptr);
    ~FolderWatch() override;

    QString folder() const { return m_folder; }

signals:
    // Files read anew since the last batch, and files gone; the first batch
    // is what the folder held at the first look, told even when empty.
    void changed(const QList<HandedIn::Reading>& readings, const QStringList& gone);
    // The folder cannot be reached (deleted, a share offline), said once
    // until it is back; what was read of it stands meanwhile.
    void folderLost(const QString& message);
    void folderBack();

private:
    class Looker;

    QString m_folder;
    QThread m_thread;
    Looker* m_looker; // lives on m_thread
};
