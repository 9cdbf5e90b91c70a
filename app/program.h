// A run of the exercise as the program puts it together: the session, the
// exercise window that shows it, the student's and the teacher's items in
// its context menu with their dialogs, and Korvanel for teachers, made when
// first asked for and owned here, not by the exercise window.
#pragma once

#include "practice/practiceactions.h"
#include "session/session.h"
#include "teacher/teacheractions.h"
#include "teacher/teacherwindow.h"
#include "windows/exercisewindow.h"

#include <memory>

class Program {
public:
    // The exercise of `session`, wherever it stands.
    explicit Program(Session& session);
    // With a session of its own, for the subject of `code`.
    explicit Program(const SubjectCode& code);
    ~Program();

    Session& session() { return *m_session; }
    ExerciseWindow& window() { return *m_window; }
    PracticeActions& practice() { return *m_practice; }
    TeacherActions& teacher() { return *m_teacher; }

    // Korvanel for teachers, made when first asked for.
    TeacherWindow& teacherWindow();
    void showTeacherWindow();

private:
    void build();

    std::unique_ptr<Session> m_ownSession;
    Session* m_session;
    std::unique_ptr<ExerciseWindow> m_window;
    PracticeActions* m_practice = nullptr; // the window's
    TeacherActions* m_teacher = nullptr;   // the window's
    std::unique_ptr<TeacherWindow> m_teacherWindow;
};
