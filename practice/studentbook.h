// Where a machine remembers its student between runs: the name and ID
// number given the first time practice started, in the user's settings
// (QSettings: ~/.config/Korvanel/Korvanel.conf, or the registry on Windows).
#pragma once

#include "records/student.h"

#include <QString>

#include <memory>

class QSettings;

class StudentBook {
public:
    // The user's own settings.
    StudentBook();
    // A settings file of its own, in INI form.
    explicit StudentBook(const QString& fileName);
    ~StudentBook();

    // The student remembered, nobody named if none was, or if what is
    // stored is not a name that could be typed.
    Student student() const;
    void remember(const Student& student);

private:
    std::unique_ptr<QSettings> m_settings;
};
