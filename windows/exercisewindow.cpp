#include "exercisewindow.h"

#include "model/language.h"
#include "narrator.h"
#include "panes/announcer.h"
#include "panes/panestyle.h"
#include "panes/picture.h"
#include "panes/textpane.h"
#include "pathwaywindow.h"
#include "practice/answerform.h"
#include "practice/practicepanel.h"
#include "stages/exercise.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum class Kind { Logo, QuestionPane, AnswerPane, Button, End };

struct Placed {
    Kind kind;
    const char* name;
    const char* caption;
    Twips twips;
    Control control; // the session's name for a button or the answer pane
};

using enum Control;

// In tab order. Buttons are 1815 x 495 twips at left 13080, 600 apart.
constexpr Placed form1[] = {
    {Kind::Logo, "Picture2", nullptr, {12720, 120, 2415, 1455}, answerPane},
    {Kind::QuestionPane, "Picture1", nullptr, {120, 120, 12375, 8895}, answerPane},
    {Kind::Button,
     "seeanswer1",
     QT_TRANSLATE_NOOP("ExerciseWindow", "See answer 1"),
     {13080, 1800, 1815, 495},
     seeanswer1},
    {Kind::AnswerPane, "Picture3", nullptr, {120, 9000, 12375, 2415}, answerPane},
    //: The button that ends the program, written in small letters as the program always has.
    {Kind::End,
     "end",
     QT_TRANSLATE_NOOP("ExerciseWindow", "end"),
     {13080, 10440, 1815, 495},
     answerPane},
    {Kind::Button,
     "hideanswer1",
     QT_TRANSLATE_NOOP("ExerciseWindow", "Hide answer 1"),
     {13080, 2400, 1815, 495},
     hideanswer1},
    {Kind::Button,
     "seeanswer2",
     QT_TRANSLATE_NOOP("ExerciseWindow", "See answer 2"),
     {13080, 3000, 1815, 495},
     seeanswer2},
    {Kind::Button,
     "hideanswer2",
     QT_TRANSLATE_NOOP("ExerciseWindow", "Hide answer 2"),
     {13080, 3600, 1815, 495},
     hideanswer2},
    {Kind::Button,
     "seepathway1",
     QT_TRANSLATE_NOOP("ExerciseWindow", "See pathway 1"),
     {13080, 4200, 1815, 495},
     seepathway1},
    {Kind::Button,
     "seeanswer3",
     QT_TRANSLATE_NOOP("ExerciseWindow", "See answer 3"),
     {13080, 4800, 1815, 495},
     seeanswer3},
    {Kind::Button,
     "hideanswer3",
     QT_TRANSLATE_NOOP("ExerciseWindow", "Hide answer 3"),
     {13080, 5400, 1815, 495},
     hideanswer3},
    {Kind::Button,
     "seepathway2",
     QT_TRANSLATE_NOOP("ExerciseWindow", "See pathway 2"),
     {13080, 6000, 1815, 495},
     seepathway2},
    {Kind::Button,
     "seeanswer4",
     QT_TRANSLATE_NOOP("ExerciseWindow", "See answer 4"),
     {13080, 6600, 1815, 495},
     seeanswer4},
    {Kind::Button,
     "hideanswer4",
     QT_TRANSLATE_NOOP("ExerciseWindow", "Hide answer 4"),
     {13080, 7200, 1815, 495},
     hideanswer4},
    {Kind::Button,
     "seeanswer5",
     QT_TRANSLATE_NOOP("ExerciseWindow", "See answer 5"),
     {13080, 7800, 1815, 495},
     seeanswer5},
    {Kind::Button,
     "hideanswer5",
     QT_TRANSLATE_NOOP("ExerciseWindow", "Hide answer 5"),
     {13080, 8400, 1815, 495},
     hideanswer5},
    {Kind::Button,
     "seeanswer6",
     QT_TRANSLATE_NOOP("ExerciseWindow", "See answer 6"),
     {13080, 9000, 1815, 495},
     seeanswer6},
    {Kind::Button,
     "hideanswer6",
     QT_TRANSLATE_NOOP("ExerciseWindow", "Hide answer 6"),
     {13080, 9600, 1815, 495},
     hideanswer6},
};

// The captions of a translated run need more room than the 1815 twips the
// English ones have ("Antwort 1 ausblenden", "Masquer la réponse 1"): there
// the column takes the gap beside the panes and reaches the logo's right
// edge, so that the layout keeps its size. English keeps its own, to the
// pixel.
Twips buttonPlace(const Twips& english) {
    if (Language::isEnglish())
        return english;
    constexpr int left = 12600, right = 15135;
    return {left, english.top, right - left, english.height};
}

// At the end of an attempt, "See answer 1"'s place at the column's top is
// free: "Hand in…" stands there, and under it, down to where "See answer 4"
// would stand, where the attempt was last handed in.
constexpr Twips placeOf(Control control) {
    for (const Placed& row : form1)
        if (row.kind == Kind::Button && row.control == control)
            return row.twips;
    return {};
}
constexpr Twips handInButtonArea = placeOf(seeanswer1);
constexpr Twips handInStatusArea = {placeOf(hideanswer1).left, placeOf(hideanswer1).top,
                                    placeOf(hideanswer1).width,
                                    placeOf(seeanswer4).top - placeOf(hideanswer1).top};

// Where the practice forms go: the answer pane's place, empty while a
// question is posed.
constexpr Twips answerPaneArea() {
    for (const Placed& row : form1)
        if (row.kind == Kind::AnswerPane)
            return row.twips;
    return {};
}

} // namespace

ExerciseWindow::ExerciseWindow(const SubjectCode& code, QWidget* parent)
    : FormWindow("Form1", parent)
    , m_ownSession(std::make_unique<Session>(code))
    , m_session(m_ownSession.get()) {
    build();
}

ExerciseWindow::ExerciseWindow(Session& session, QWidget* parent)
    : FormWindow("Form1", parent)
    , m_session(&session) {
    build();
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::build() {
    for (const Placed& row : form1) {
        QWidget* widget = nullptr;
        switch (row.kind) {
        case Kind::Logo:
            widget = newLogo();
            break;
        case Kind::QuestionPane:
            widget = m_questionPane = new TextPane(this);
            m_questionPane->setFocusPolicy(Qt::StrongFocus);
            //: The pane that holds the problem and the questions posed so far.
            m_questionPane->setAccessibleName(tr("Questions"));
            break;
        case Kind::AnswerPane:
            widget = m_answerPane = new TextPane(this);
            m_answerPane->setFocusPolicy(Qt::StrongFocus);
            m_answerPane->setPalette(PaneStyle::pagePalette(PaneStyle::answerInk));
            //: The pane that shows a worked answer (a noun).
            m_answerPane->setAccessibleName(tr("Answer"));
            break;
        case Kind::Button:
        case Kind::End: {
            auto* button = new QPushButton(tr(row.caption), this);
            if (row.kind == Kind::End) {
                connect(button, &QPushButton::clicked, this, &ExerciseWindow::end);
            } else {
                m_buttons[size_t(row.control)] = button;
                const Control control = row.control;
                connect(button, &QPushButton::clicked, this, [this, control] { click(control); });
            }
            place(button, row.name, buttonPlace(row.twips));
            continue;
        }
        }
        place(widget, row.name, row.twips);
    }

    showTitle();

    connect(m_session, &Session::cleared, this, &ExerciseWindow::clear);
    connect(m_session, &Session::printed, this, &ExerciseWindow::print);
    connect(m_session, &Session::controlShown, this, &ExerciseWindow::setControlVisible);
    connect(m_session, &Session::subjectChanged, this, &ExerciseWindow::subjectChanged);
    connect(m_session, &Session::stageChanged, this, &ExerciseWindow::stageChanged);
    connect(m_session, &Session::pathwayRequested, this, &ExerciseWindow::showPathway);
    connect(m_session, &Session::practiceModeChanged, this, &ExerciseWindow::practiceModeChanged);
    connect(m_session, &Session::handInChanged, this, &ExerciseWindow::showHandIn);
    // After the window's own handlers: the focus has moved when it speaks.
    new Narrator(*m_session, *this, *announcer());

    showSession();
}

// The window's load: both panes and every control as the session stands.
void ExerciseWindow::showSession() {
    for (Pane which : {Pane::Questions, Pane::Answer})
        for (const InkedLine& line : m_session->paneLines(which))
            pane(which)->printLine(line.items, colour(which, line.ink));
    for (int c = 0; c < controlCount; ++c)
        setControlVisible(Control(c), m_session->isVisible(Control(c)));
    showPractice(true);
    if (!answerForm())
        focusNextStep();
}

QList<QAction*> ExerciseWindow::contextActions() const {
    return m_menuActions + FormWindow::contextActions();
}

void ExerciseWindow::setMenuActions(const QList<QAction*>& actions) {
    m_menuActions = actions;
}

TextPane* ExerciseWindow::pane(Pane which) const {
    return which == Pane::Questions ? m_questionPane : m_answerPane;
}

QColor ExerciseWindow::colour(Pane which, Ink ink) const {
    if (ink == (which == Pane::Questions ? Ink::Question : Ink::Answer))
        return QColor();
    return PaneStyle::colour(ink, palette().color(QPalette::WindowText));
}

// The code stands in the title whenever the subject was not drawn at random
// for this run, so that a teacher can match a screen to a key.
void ExerciseWindow::showTitle() {
    const QString title = FormWindow::title();
    setWindowTitle(m_session->subjectGiven()
                       //: The window's title, then the subject's code.
                       ? tr("%1 (%2)").arg(title, m_session->code().text())
                       : title);
    setAccessibleName(windowTitle());
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

void ExerciseWindow::click(Control control) {
    // Keyboard users walk the exercise with Space: keep the focus on the
    // button of the next step rather than on whatever follows the pressed,
    // now hidden, one ("end" among them).
    // The window holds the focus meanwhile: hiding the focused button would
    // otherwise pass it along the tab chain through the question pane, and
    // its focus frame would repaint the whole pane on every press.
    QPushButton* pressed = button(control);
    m_followFocus = Exercise::questionOf(control) && pressed->hasFocus();
    if (m_followFocus)
        setFocus(Qt::OtherFocusReason);
    if (!m_session->press(control) && m_followFocus) {
        m_followFocus = false;
        pressed->setFocus(Qt::OtherFocusReason);
    }
}

void ExerciseWindow::clear(Pane which) {
    pane(which)->clear();
    m_printedFrom[size_t(which)] = -1;
}

void ExerciseWindow::print(Pane which, const Lines& lines) {
    TextPane* target = pane(which);
    qsizetype& from = m_printedFrom[size_t(which)];
    if (from < 0)
        from = target->content().size();
    for (const InkedLine& line : lines)
        target->printLine(line.items, colour(which, line.ink));
}

void ExerciseWindow::setControlVisible(Control control, bool visible) {
    if (control != Control::answerPane) {
        m_buttons[size_t(control)]->setVisible(visible);
        return;
    }
    // A reader that looked at the hidden pane would keep it as invisible;
    // a new accessible object makes it look again.
    if (visible && m_answerPane->isHidden() && QAccessible::isActive())
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(m_answerPane)));
    m_answerPane->setVisible(visible);
}

void ExerciseWindow::subjectChanged() {
    showTitle();
    for (auto& pathway : m_pathways)
        if (pathway)
            pathway->hide();
    if (m_practice)
        m_practice->reset();
    // The exercise starts again at its first step, wherever the focus was.
    m_followFocus = true;
}

void ExerciseWindow::stageChanged() {
    // A reader's caret waits at the first words of what was printed.
    for (Pane which : {Pane::Questions, Pane::Answer})
        if (m_printedFrom[size_t(which)] >= 0)
            pane(which)->placeCursorAtText(m_printedFrom[size_t(which)]);
    if (m_followFocus)
        focusNextStep();
    showPractice(m_followFocus);
    showHandIn();
    showPrinted();
    m_printedFrom = {-1, -1};
    m_followFocus = false;
}

void ExerciseWindow::practiceModeChanged(bool on) {
    const bool focusWasInForm = answerForm() && answerForm()->isAncestorOf(focusWidget());
    if (m_practice && !on)
        m_practice->reset();
    showPractice(on);
    showHandIn();
    if (focusWasInForm)
        focusNextStep();
}

AnswerForm* ExerciseWindow::answerForm() const {
    return m_practice ? m_practice->form() : nullptr;
}

void ExerciseWindow::showPractice(bool focus) {
    const int posed = m_session->practiceMode() ? m_session->posedQuestion() : 0;
    if (!m_practice) {
        if (posed == 0)
            return;
        m_practice = new PracticePanel(this);
        placeOver(m_practice, answerPaneArea());
        connect(m_practice, &PracticePanel::checkRequested, m_session, &Session::check);
        connect(m_session, &Session::checked, m_practice, &PracticePanel::showChecks);
        connect(m_practice, &PracticePanel::formMade, this, &ExerciseWindow::spliceTabOrder);
        m_practice->setHandInStatus(handInStatus());
    }
    AnswerForm* form = m_practice->showQuestion(posed);
    if (form && focus)
        form->fields().constFirst()->setFocus(Qt::TabFocusReason);
}

void ExerciseWindow::setHandInAction(QAction* action) {
    m_handInAction = action;
    showHandIn();
}

QString ExerciseWindow::handInStatus() const {
    return m_session->practiceMode() ? m_session->handIn().status() : QString();
}

void ExerciseWindow::showHandIn() {
    const QString status = handInStatus();
    if (m_practice)
        m_practice->setHandInStatus(status);
    const bool atEnd = m_session->practiceMode() && m_session->isFinished() && m_handInAction;
    if (atEnd && !m_handInButton) {
        m_handInButton = new QPushButton(m_handInAction->text(), this);
        m_handInButton->setObjectName(QStringLiteral("handin"));
        connect(m_handInButton, &QPushButton::clicked, m_handInAction, &QAction::trigger);
        placeOver(m_handInButton, buttonPlace(handInButtonArea));
        m_handInEnd = new QLabel(this);
        m_handInEnd->setObjectName(QStringLiteral("handInEnd"));
        m_handInEnd->setWordWrap(true);
        m_handInEnd->setTextFormat(Qt::PlainText);
        m_handInEnd->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeOver(m_handInEnd, buttonPlace(handInStatusArea));
    }
    if (!m_handInButton)
        return;
    m_handInButton->setVisible(atEnd);
    m_handInEnd->setVisible(atEnd);
    m_handInEnd->setText(status);
}

void ExerciseWindow::spliceTabOrder(AnswerForm* form) {
    // Keyboard users meet the fields and Check just before "See answer".
    QPushButton* see = button(Exercise::question(form->question()).see);
    QWidget* previous = see->previousInFocusChain();
    QWidgetList order = form->tabOrder();
    order.append(see);
    for (QWidget* next : order) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void ExerciseWindow::focusNextStep() {
    if (const std::optional<Control> next = m_session->nextStep())
        button(*next)->setFocus(Qt::TabFocusReason);
    else
        m_questionPane->setFocus(Qt::TabFocusReason);
}

void ExerciseWindow::showPrinted() {
    // Where the window is too small for the layout: the lines the press
    // printed, then the focus, which wins if both do not fit.
    for (Pane which : {Pane::Questions, Pane::Answer}) {
        const TextPane* shown = pane(which);
        const qsizetype from = m_printedFrom[size_t(which)];
        const qsizetype count = shown->content().size() - from;
        if (from >= 0 && count > 0 && shown->isVisible())
            ensureVisible(shown,
                          QRect(shown->contentsRect().left(),
                                shown->contentsRect().top() + int(from) * shown->lineHeight(),
                                shown->contentsRect().width(), int(count) * shown->lineHeight()));
    }
    if (QWidget* focused = focusWidget())
        ensureVisible(focused, focused->rect());
}
