#include "handinsettings.h"

#include "model/buildinfo.h"

#include <QSettings>

namespace {

const QString folderKey = QStringLiteral("handIn/folder");
const QString mayChooseKey = QStringLiteral("handIn/studentMayChoose");

std::unique_ptr<QSettings> programSettings(QSettings::Scope scope) {
    const QString name = QString::fromLatin1(BuildInfo::name);
    return std::make_unique<QSettings>(scope, name, name);
}

} // namespace

HandInSettings::HandInSettings()
    : m_system(programSettings(QSettings::SystemScope))
    , m_user(programSettings(QSettings::UserScope)) {
}

HandInSettings::HandInSettings(const QString& systemFile, const QString& userFile)
    : m_system(std::make_unique<QSettings>(systemFile, QSettings::IniFormat))
    , m_user(std::make_unique<QSettings>(userFile, QSettings::IniFormat)) {
}

HandInSettings::~HandInSettings() = default;

QString HandInSettings::schoolFolder() const {
    return m_system->value(folderKey).toString().trimmed();
}

bool HandInSettings::studentMayChoose() const {
    return schoolFolder().isEmpty() || m_system->value(mayChooseKey, false).toBool();
}

QString HandInSettings::folder() const {
    const QString own = m_user->value(folderKey).toString().trimmed();
    return studentMayChoose() && !own.isEmpty() ? own : schoolFolder();
}

bool HandInSettings::choose(const QString& folder) {
    if (!studentMayChoose())
        return false;
    m_user->setValue(folderKey, folder);
    m_user->sync();
    return true;
}
