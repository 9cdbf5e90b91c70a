#include "exercisewindow.h"

#include "judging/practice.h"
#include "panes/announcer.h"
#include "panes/panestyle.h"
#include "panes/picture.h"
#include "panes/textpane.h"
#include "practice/answerform.h"
#include "teacheractions.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

enum class Kind { Logo, QuestionPane, AnswerPane, Button, End };

struct Placed {
    Kind kind;
    const char* name;
    const char* caption;
    Twips twips;
    bool visibleAtStart;
    Control control; // the sequence's name for a button or the answer pane
};

using enum Control;

// In tab order. Buttons are 1815 x 495 twips at left 13080, 600 apart.
constexpr Placed form1[] = {
    {Kind::Logo, "Picture2", nullptr, 12720, 120, 2415, 1455, true, answerPane},
    {Kind::QuestionPane, "Picture1", nullptr, 120, 120, 12375, 8895, true, answerPane},
    {Kind::Button, "seeanswer1", "See answer 1", 13080, 1800, 1815, 495, true, seeanswer1},
    {Kind::AnswerPane, "Picture3", nullptr, 120, 9000, 12375, 2415, false, answerPane},
    {Kind::End, "end", "end", 13080, 10440, 1815, 495, true, answerPane},
    {Kind::Button, "hideanswer1", "Hide answer 1", 13080, 2400, 1815, 495, false, hideanswer1},
    {Kind::Button, "seeanswer2", "See answer 2", 13080, 3000, 1815, 495, false, seeanswer2},
    {Kind::Button, "hideanswer2", "Hide answer 2", 13080, 3600, 1815, 495, false, hideanswer2},
    {Kind::Button, "seepathway1", "See pathway 1", 13080, 4200, 1815, 495, false, seepathway1},
    {Kind::Button, "seeanswer3", "See answer 3", 13080, 4800, 1815, 495, false, seeanswer3},
    {Kind::Button, "hideanswer3", "Hide answer 3", 13080, 5400, 1815, 495, false, hideanswer3},
    {Kind::Button, "seepathway2", "See pathway 2", 13080, 6000, 1815, 495, false, seepathway2},
    {Kind::Button, "seeanswer4", "See answer 4", 13080, 6600, 1815, 495, false, seeanswer4},
    {Kind::Button, "hideanswer4", "Hide answer 4", 13080, 7200, 1815, 495, false, hideanswer4},
    {Kind::Button, "seeanswer5", "See answer 5", 13080, 7800, 1815, 495, false, seeanswer5},
    {Kind::Button, "hideanswer5", "Hide answer 5", 13080, 8400, 1815, 495, false, hideanswer5},
    {Kind::Button, "seeanswer6", "See answer 6", 13080, 9000, 1815, 495, false, seeanswer6},
    {Kind::Button, "hideanswer6", "Hide answer 6", 13080, 9600, 1815, 495, false, hideanswer6},
};

// Where a form for the student's answers goes: the answer pane's place,
// empty while a question is posed.
constexpr Twips answerPaneArea() {
    for (const Placed& row : form1)
        if (row.kind == Kind::AnswerPane)
            return row.twips;
    return {};
}

} // namespace

ExerciseWindow::ExerciseWindow(const Scenario& scenario, QWidget* parent)
    : FormWindow("Form1", parent)
    , m_scenario(scenario)
    , m_sequence(m_scenario, *this) {
    for (const Placed& row : form1) {
        QWidget* widget = nullptr;
        switch (row.kind) {
        case Kind::Logo:
            widget = newLogo();
            break;
        case Kind::QuestionPane:
            widget = m_questionPane = new TextPane(this);
            m_questionPane->setFocusPolicy(Qt::TabFocus);
            m_questionPane->setAccessibleName(tr("Questions"));
            break;
        case Kind::AnswerPane:
            widget = m_answerPane = new TextPane(this);
            m_answerPane->setFocusPolicy(Qt::TabFocus);
            m_answerPane->setPalette(PaneStyle::pagePalette(PaneStyle::answerInk));
            m_answerPane->setAccessibleName(tr("Answer"));
            break;
        case Kind::Button:
        case Kind::End: {
            auto* button = new QPushButton(QString::fromLatin1(row.caption), this);
            if (row.kind == Kind::End) {
                connect(button, &QPushButton::clicked, this, &ExerciseWindow::end);
            } else {
                m_buttons[size_t(row.control)] = button;
                const Control control = row.control;
                connect(button, &QPushButton::clicked, this, [this, control] { press(control); });
            }
            widget = button;
            break;
        }
        }
        place(widget, row.name, row.twips);
        widget->setVisible(row.visibleAtStart);
        m_shownAtStart.append({widget, row.visibleAtStart});
    }

    m_announcer = new Announcer(this);
    setAccessibleName(windowTitle());

    m_teacher = new TeacherActions(*this);
    m_practiceAction = newAction(tr("Practice mode"), QKeySequence(Qt::CTRL | Qt::Key_T));
    m_practiceAction->setCheckable(true);
    connect(m_practiceAction, &QAction::toggled, this, &ExerciseWindow::setPracticeMode);
    m_ownActions = m_teacher->actions();
    m_ownActions << newSeparator(this) << m_practiceAction << newSeparator(this);

    begin();
}

void ExerciseWindow::begin() {
    // The window's load: the problem statement and question 1.
    for (const PrintLine& line : Print::resolve(Texts::statement, m_scenario))
        m_questionPane->printLine(line);
    m_buttons[size_t(Control::seeanswer1)]->setFocus(Qt::OtherFocusReason);
}

void ExerciseWindow::setSubject(const Scenario& scenario) {
    m_scenario = scenario;
    for (auto& pathway : m_pathways)
        if (pathway)
            pathway->hide();
    m_answerPane->clear();
    m_questionPane->clear();
    for (const auto& [control, shown] : m_shownAtStart)
        control->setVisible(shown);
    if (m_practice)
        m_practice = std::make_unique<Practice>(m_scenario);
    for (AnswerForm*& form : m_forms) {
        delete form;
        form = nullptr;
    }
    begin();
    showAnswerForm(true);
    showPrinted(0);
    announce(m_questionPane->plainLines());
}

ExerciseWindow::~ExerciseWindow() = default;

QList<QAction*> ExerciseWindow::contextActions() const {
    return m_ownActions + FormWindow::contextActions();
}

bool ExerciseWindow::practiceMode() const {
    return m_practice != nullptr;
}

void ExerciseWindow::setPracticeMode(bool on) {
    if (on == practiceMode())
        return;
    const QSignalBlocker quiet(m_practiceAction);
    m_practiceAction->setChecked(on);
    const bool focusWasInForm = answerForm() && answerForm()->isAncestorOf(focusWidget());
    m_practice = on ? std::make_unique<Practice>(m_scenario) : nullptr;
    for (AnswerForm*& form : m_forms) {
        delete form;
        form = nullptr;
    }
    showAnswerForm(on);
    if (focusWasInForm)
        focusNextStep();
}

AnswerForm* ExerciseWindow::answerForm() const {
    for (AnswerForm* form : m_forms)
        if (form && !form->isHidden())
            return form;
    return nullptr;
}

void ExerciseWindow::showAnswerForm(bool focus) {
    int posed = 0;
    for (int question = 1; question <= 6; ++question)
        if (!button(QuestionSequence::seeAnswerButton(question))->isHidden())
            posed = question;
    for (AnswerForm* form : m_forms)
        if (form && form->question() != posed)
            form->hide();
    if (!m_practice || posed == 0)
        return;

    AnswerForm*& form = m_forms[size_t(posed - 1)];
    if (!form) {
        form = new AnswerForm(posed, *m_practice, this);
        placeOver(form, answerPaneArea());
        connect(form, &AnswerForm::checked, m_announcer, &Announcer::announce);
        // Keyboard users meet the fields and Check just before "See answer".
        QPushButton* see = button(QuestionSequence::seeAnswerButton(posed));
        QWidget* previous = see->previousInFocusChain();
        QWidgetList order = form->tabOrder();
        order.append(see);
        for (QWidget* next : order) {
            setTabOrder(previous, next);
            previous = next;
        }
    }
    form->show();
    form->raise();
    if (focus)
        form->fields().constFirst()->setFocus(Qt::TabFocusReason);
}

QStringList ExerciseWindow::practiceSummary() {
    QStringList lines = {tr("Your first answers:")};
    lines += m_practice->summary();
    m_answerPane->printLine();
    for (const QString& line : lines)
        m_answerPane->printLine({PrintItem::tab(5), PrintItem::fromText(line)});
    return lines;
}

QPushButton* ExerciseWindow::button(Control control) const {
    return control == Control::answerPane ? nullptr : m_buttons[size_t(control)];
}

PathwayWindow* ExerciseWindow::pathwayWindow(Pathway pathway) const {
    return m_pathways[size_t(pathway)].get();
}

void ExerciseWindow::showPathway(Pathway pathway) {
    auto& window = m_pathways[size_t(pathway)];
    if (!window)
        window = std::make_unique<PathwayWindow>(pathway);
    window->present();
}

void ExerciseWindow::end() {
    QCoreApplication::exit(0);
}

void ExerciseWindow::closeEvent(QCloseEvent* event) {
    // Closing the exercise from its frame ends the program, as "end" does,
    // even while a pathway window is still open.
    event->accept();
    end();
}

void ExerciseWindow::press(Control button) {
    // Keyboard users walk the exercise with Space: keep the focus on the
    // button of the next step rather than on whatever follows the pressed,
    // now hidden, one ("end" among them).
    // The window holds the focus meanwhile: hiding the focused button would
    // otherwise pass it along the tab chain through the question pane, and
    // its focus frame would repaint the whole pane on every press.
    const bool followFocus =
        QuestionSequence::hasHandler(button) && m_buttons[size_t(button)]->hasFocus();
    if (followFocus)
        setFocus(Qt::OtherFocusReason);
    const qsizetype questionLines = m_questionPane->content().size();
    const int answerPrints = m_answerPrints;
    m_sequence.press(button);
    // A reader's caret waits at the first words of what was printed.
    const QStringList question = m_questionPane->plainLines().mid(questionLines);
    placeCaret(m_questionPane, questionLines);
    if (m_answerPrints != answerPrints)
        placeCaret(m_answerPane, 0);
    if (followFocus)
        focusNextStep();
    showAnswerForm(followFocus);
    showPrinted(questionLines);

    // After the focus has moved, so that a screen reader names the next
    // button first and then reads what the press printed.
    QStringList said = question;
    if (m_answerPrints != answerPrints)
        said += m_answerPane->plainLines();
    if (QuestionSequence::hasHandler(button) && !nextStep()) {
        if (m_practice)
            said += practiceSummary();
        said.append(tr("Exercise complete."));
    }
    announce(said);
}

void ExerciseWindow::announce(const QStringList& lines) {
    QStringList spoken;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            spoken.append(line.trimmed());
    if (!spoken.isEmpty())
        m_announcer->announce(spoken.join(u'\n'));
}

void ExerciseWindow::placeCaret(TextPane* pane, qsizetype fromLine) {
    const QStringList lines = pane->plainLines();
    int offset = 0;
    for (qsizetype i = 0; i < lines.size(); offset += int(lines.at(i++).size()) + 1) {
        if (i >= fromLine && !lines.at(i).isEmpty()) {
            pane->setCursorPosition(offset);
            return;
        }
    }
}

void ExerciseWindow::changeEvent(QEvent* event) {
    FormWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_greeted) {
        m_greeted = true;
        // Once the window's name and the focused button have been said.
        QTimer::singleShot(0, this, [this] { announce(m_questionPane->plainLines()); });
    }
}

void ExerciseWindow::showPrinted(qsizetype questionLinesBefore) {
    // Where the window is too small for the layout: the lines the press
    // printed, then the focus, which wins if both do not fit.
    const auto showLines = [this](const TextPane* pane, qsizetype from) {
        const qsizetype count = pane->content().size() - from;
        if (count > 0 && pane->isVisible())
            ensureVisible(pane,
                          QRect(pane->contentsRect().left(),
                                pane->contentsRect().top() + int(from) * pane->lineHeight(),
                                pane->contentsRect().width(), int(count) * pane->lineHeight()));
    };
    showLines(m_questionPane, questionLinesBefore);
    showLines(m_answerPane, 0);
    if (QWidget* focused = focusWidget())
        ensureVisible(focused, focused->rect());
}

QPushButton* ExerciseWindow::nextStep() const {
    for (size_t index = 0; index < m_buttons.size(); ++index)
        if (QuestionSequence::hasHandler(Control(index)) && !m_buttons[index]->isHidden())
            return m_buttons[index];
    return nullptr;
}

void ExerciseWindow::focusNextStep() {
    if (QPushButton* next = nextStep())
        next->setFocus(Qt::TabFocusReason);
    else
        m_questionPane->setFocus(Qt::TabFocusReason);
}

void ExerciseWindow::clearAnswer() {
    m_answerPane->clear();
}

void ExerciseWindow::setControlVisible(Control control, bool visible) {
    // A reader that looked at the hidden pane would keep it as invisible;
    // a new accessible object makes it look again.
    if (control == Control::answerPane && visible && m_answerPane->isHidden() &&
        QAccessible::isActive())
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(m_answerPane)));
    if (control == Control::answerPane)
        m_answerPane->setVisible(visible);
    else
        m_buttons[size_t(control)]->setVisible(visible);
}

void ExerciseWindow::printAnswer(const PrintLine& line) {
    ++m_answerPrints;
    m_answerPane->printLine(line);
}

void ExerciseWindow::printQuestion(const PrintLine& line) {
    m_questionPane->printLine(line);
}
