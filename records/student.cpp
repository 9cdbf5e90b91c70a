#include "student.h"

#include "model/visibletext.h"

std::optional<QString> Student::nameProblem(QStringView name) {
    const QStringView trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return tr("Type your name.");
    if (VisibleText::hasControl(trimmed))
        return tr("A name cannot hold control characters, such as a tab.");
    if (trimmed.size() > longestName)
        return tr("A name has at most %1 characters; this one has %2.")
            .arg(longestName)
            .arg(trimmed.size());
    return std::nullopt;
}

std::optional<QString> Student::idProblem(QStringView id) {
    const QStringView trimmed = id.trimmed();
    if (VisibleText::hasControl(trimmed))
        return tr("An ID number cannot hold control characters, such as a tab.");
    if (trimmed.size() > longestId)
        return tr("An ID number has at most %1 characters; this one has %2.")
            .arg(longestId)
            .arg(trimmed.size());
    return std::nullopt;
}

std::optional<Student> Student::fromTyped(QStringView name, QStringView id) {
    if (nameProblem(name) || idProblem(id))
        return std::nullopt;
    return Student{name.trimmed().toString(), id.trimmed().toString()};
}

QString Student::shown() const {
    const QString who = VisibleText::escaped(name);
    return id.isEmpty() ? who
                        : tr("%1 (ID %2)", "a student's name and ID number")
                              .arg(who, VisibleText::escaped(id));
}
