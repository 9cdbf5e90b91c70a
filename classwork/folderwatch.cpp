#include "folderwatch.h"

#include "model/visibletext.h"
#include "records/recordfolder.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QTimer>

namespace {

// What tells a file's content has changed without reading it.
struct Signature {
    qint64 size = -1;
    QDateTime modified;
    bool regular = false;
    friend bool operator==(const Signature&, const Signature&) = default;
};

Signature signatureOf(const QFileInfo& info) {
    return {info.size(), info.lastModified(), info.isFile()};
}

// A batch goes to the owner at most this often, so that a folder of ten
// thousand records is taken in a few large steps, not ten thousand small ones.
constexpr std::chrono::milliseconds batchEvery{150};

// The desktop's notices of a change that come this close together are
// taken in one look.
constexpr std::chrono::milliseconds noticesGathered{20};

} // namespace

// Does the looking and reading, on the watch's thread.
class FolderWatch::Looker : public QObject {
public:
    Looker(FolderWatch* watch, const QString& folder)
        : m_watch(watch)
        , m_folder(folder) {}

    void start() {
        // A notice comes for each step of a save (the temporary file, its
        // rename), and several saves may come together: one look for all.
        m_soon = new QTimer(this);
        m_soon->setSingleShot(true);
        m_soon->setInterval(noticesGathered);
        connect(m_soon, &QTimer::timeout, this, &Looker::look);
        m_notices = new QFileSystemWatcher(this);
        connect(m_notices, &QFileSystemWatcher::directoryChanged, this, [this] {
            if (!m_soon->isActive())
                m_soon->start();
        });
        m_poll = new QTimer(this);
        m_poll->setInterval(lookEvery);
        connect(m_poll, &QTimer::timeout, this, &Looker::look);
        m_poll->start();
        m_retry = new QTimer(this);
        m_retry->setSingleShot(true);
        connect(m_retry, &QTimer::timeout, this, &Looker::look);
        m_send = new QTimer(this);
        m_send->setSingleShot(true);
        m_send->setInterval(batchEvery);
        connect(m_send, &QTimer::timeout, this, &Looker::send);
        look();
    }

private:
    struct Known {
        Signature signature;
        int failures = 0;  // readings in a row that failed, the file keeping still
        bool sent = false; // its reading has gone to the owner
    };

    void look() {
        // Windows keeps a watched folder that was deleted pending, and so
        // there, for as long as its notice is asked for: let go at each look.
        if (!m_notices->directories().isEmpty())
            m_notices->removePaths(m_notices->directories());
        const QFileInfo folder(m_folder);
        if (!folder.isDir()) {
            if (!m_lost) {
                m_lost = true;
                //: %1 is a folder; it was deleted, or the share it is on went offline.
                const QString message =
                    FolderWatch::tr(
                        "The watched folder %1 cannot be reached. What was read of it "
                        "stays; watching goes on, and it is read again when it is back.")
                        .arg(VisibleText::escaped(QDir::toNativeSeparators(m_folder)));
                QMetaObject::invokeMethod(
                    m_watch, [watch = m_watch, message] { emit watch->folderLost(message); },
                    Qt::QueuedConnection);
            }
            return;
        }
        if (m_lost) {
            m_lost = false;
            QMetaObject::invokeMethod(
                m_watch, [watch = m_watch] { emit watch->folderBack(); }, Qt::QueuedConnection);
        }
        m_notices->addPath(m_folder);

        const QString root = folder.canonicalFilePath() + u'/';
        QHash<QString, Known> seen;
        bool retryLater = false;
        QElapsedTimer reading;
        reading.start();
        for (const QFileInfo& info : RecordFolder(m_folder).entries()) {
            // A long first look shows what it has read so far as it goes.
            if (reading.elapsed() > batchEvery.count() && !m_readings.isEmpty()) {
                send();
                reading.restart();
            }
            const QString file = info.filePath();
            Known known = m_known.value(file);
            const Signature now = signatureOf(info);
            const bool changed = !m_known.contains(file) || known.signature != now;
            if (changed)
                known = {now, 0, false};
            if (!known.sent) {
                HandedIn::Reading reading = readWithin(file, info, root);
                // Cut short or locked while it still moves, or for a few tries: again later.
                if (!reading.record && mayBeHalfWritten(info) && known.failures < retries) {
                    ++known.failures;
                    retryLater = true;
                } else {
                    known.sent = true;
                    m_readings.append(std::move(reading));
                }
            }
            seen.insert(file, known);
        }
        for (auto it = m_known.cbegin(); it != m_known.cend(); ++it)
            if (!seen.contains(it.key()) && it->sent)
                m_gone.append(it.key());
        m_known = std::move(seen);
        if (retryLater && !m_retry->isActive())
            m_retry->start(retryAfter);
        // The first look is told at once, even of an empty folder: what came
        // after it has arrived since.
        if (m_firstLook) {
            m_firstLook = false;
            send();
        } else if ((!m_readings.isEmpty() || !m_gone.isEmpty()) && !m_send->isActive()) {
            m_send->start();
        }
    }

    // A reading, but never through a link that leads out of the folder.
    static HandedIn::Reading readWithin(const QString& file, const QFileInfo& info,
                                        const QString& root) {
        if (info.isSymLink() && !info.canonicalFilePath().startsWith(root))
            //: Follows a sentence that names the file.
            return {file, std::nullopt,
                    FolderWatch::tr("The file is a link to a place outside the folder, and it was "
                                    "not followed.")};
        return HandedIn::read(file);
    }

    // A regular file that failed to read may still be on its way.
    static bool mayBeHalfWritten(const QFileInfo& info) { return info.isFile(); }

    void send() {
        QMetaObject::invokeMethod(
            m_watch,
            [watch = m_watch, readings = std::move(m_readings), gone = std::move(m_gone)] {
                emit watch->changed(readings, gone);
            },
            Qt::QueuedConnection);
        m_readings.clear();
        m_gone.clear();
    }

    FolderWatch* m_watch;
    QString m_folder;
    QFileSystemWatcher* m_notices = nullptr;
    QTimer* m_soon = nullptr;
    QTimer* m_poll = nullptr;
    QTimer* m_retry = nullptr;
    QTimer* m_send = nullptr;
    QHash<QString, Known> m_known;
    QList<HandedIn::Reading> m_readings; // to send
    QStringList m_gone;                  // to send
    bool m_lost = false;
    bool m_firstLook = true;
};

FolderWatch::FolderWatch(const QString& folder, QObject* parent)
    : QObject(parent)
    , m_folder(QDir::cleanPath(QDir(folder).absolutePath()))
    , m_looker(new Looker(this, m_folder)) {
    m_looker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::started, m_looker, [looker = m_looker] { looker->start(); });
    connect(&m_thread, &QThread::finished, m_looker, &QObject::deleteLater);
    m_thread.start();
}

FolderWatch::~FolderWatch() {
    m_thread.quit();
    m_thread.wait();
}
