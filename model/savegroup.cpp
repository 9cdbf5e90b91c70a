#include "savegroup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

} // namespace

QString SaveGroup::cannotWrite(const QString& fileName, const QString& reason) {
    //: %2 is the reason, as the system gives it.
    return QCoreApplication::translate("SaveGroup", "Cannot write %1: %2.")
        .arg(QDir::toNativeSeparators(fileName), reason);
}

QString SaveGroup::notWritten(const QString& fileName, const QString& why) {
    //: %2 says why, in a sentence of its own.
    return QCoreApplication::translate("SaveGroup", "Cannot write %1. %2")
        .arg(QDir::toNativeSeparators(fileName), why);
}

QIODevice* SaveGroup::open(const QString& fileName, QString* error) {
    auto file = std::make_unique<QSaveFile>(fileName);
    if (!file->open(QIODevice::WriteOnly)) {
        fail(error, cannotWrite(fileName, file->errorString()));
        return nullptr;
    }
    m_files.push_back(std::move(file));
    return m_files.back().get();
}

bool SaveGroup::written(size_t index, QString* error) {
    if (index >= m_files.size())
        return fail(error, QCoreApplication::translate("SaveGroup", "Nothing was written."));
    const QSaveFile& file = *m_files[index];
    if (file.error() != QFileDevice::NoError)
        return fail(error, cannotWrite(file.fileName(), file.errorString()));
    return true;
}

bool SaveGroup::commit(QString* error) {
    std::vector<QString> created;
    for (const auto& file : m_files) {
        const QString fileName = file->fileName();
        const bool existed = QFileInfo::exists(fileName);
        if (!file->commit()) {
            const QString why = cannotWrite(fileName, file->errorString());
            for (const QString& earlier : created)
                QFile::remove(earlier);
            m_files.clear();
            return fail(error, why);
        }
        if (!existed)
            created.push_back(fileName);
    }
    m_files.clear();
    return true;
}
