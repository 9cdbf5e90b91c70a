#include "studentbook.h"

#include "model/buildinfo.h"

#include <QSettings>

namespace {

const QString nameKey = QStringLiteral("student/name");
const QString idKey = QStringLiteral("student/idNumber");

} // namespace

StudentBook::StudentBook()
    : m_settings(std::make_unique<QSettings>(QSettings::UserScope,
                                             QString::fromLatin1(BuildInfo::name),
                                             QString::fromLatin1(BuildInfo::name))) {
}

StudentBook::StudentBook(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {
}

StudentBook::~StudentBook() = default;

Student StudentBook::student() const {
    const std::optional<Student> stored = Student::fromTyped(m_settings->value(nameKey).toString(),
                                                             m_settings->value(idKey).toString());
    return stored.value_or(Student());
}

void StudentBook::remember(const Student& student) {
    m_settings->setValue(nameKey, student.name);
    m_settings->setValue(idKey, student.id);
    m_settings->sync();
}
