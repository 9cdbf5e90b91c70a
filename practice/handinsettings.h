// Where this computer's student hands in. A school sets the folder for a
// whole lab in the system-wide settings (QSettings' system scope: on
// Debian /etc/xdg/Korvanel/Korvanel.conf, on Windows the registry under
// HKEY_LOCAL_MACHINE, which the installer's /HANDIN= option writes):
//
//     [handIn]
//     folder=/srv/biochemistry/hand-in
//     studentMayChoose=false
//
// A student's own choice, remembered in the user's settings, stands only
// where there is no such folder or the setting allows it.
#pragma once

#include <QString>

#include <memory>

class QSettings;

class HandInSettings {
public:
    // The program's own settings, system-wide and the user's.
    HandInSettings();
    // Settings files of their own, in INI form.
    HandInSettings(const QString& systemFile, const QString& userFile);
    ~HandInSettings();

    QString schoolFolder() const; // empty where the school sets none
    bool studentMayChoose() const;
    // The folder in force: the student's own where it may stand, else the
    // school's; empty for none.
    QString folder() const;
    // Remembers the student's choice; false where the school's folder stands.
    bool choose(const QString& folder);

private:
    std::unique_ptr<QSettings> m_system;
    std::unique_ptr<QSettings> m_user;
};
