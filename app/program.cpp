#include "program.h"

#include <QAction>

Program::Program(Session& session)
    : m_session(&session) {
    build();
}

Program::Program(const SubjectCode& code)
    : m_ownSession(std::make_unique<Session>(code))
    , m_session(m_ownSession.get()) {
    build();
}

Program::~Program() = default;

void Program::build() {
    m_window = std::make_unique<ExerciseWindow>(*m_session);
    m_teacher = new TeacherActions(*m_session, *m_window);
    m_practice = new PracticeActions(*m_session, *m_window);
    const auto separator = [this] {
        return FormWindow::newSeparator(m_window.get());
    };
    m_window->setMenuActions(m_teacher->actions()
                             << m_practice->resultSlipAction() << m_teacher->forTeachersAction()
                             << separator() << m_practice->practiceAction()
                             << m_practice->nameAction() << m_practice->handInAction()
                             << m_practice->recordsAction() << separator());
    m_window->setHandInAction(m_practice->handInAction());
    QObject::connect(m_teacher, &TeacherActions::teacherWindowRequested, m_window.get(),
                     [this] { showTeacherWindow(); });
}

TeacherWindow& Program::teacherWindow() {
    if (!m_teacherWindow)
        m_teacherWindow = std::make_unique<TeacherWindow>();
    return *m_teacherWindow;
}

void Program::showTeacherWindow() {
    TeacherWindow& window = teacherWindow();
    window.show();
    window.raise();
    window.activateWindow();
}
