// The walk shared by the memory and press benchmarks (see walk.h).
#include "walk.h"

#include "bench/probe.h"
#include "panes/picture.h"
#include "panes/textpane.h"
#include "windows/pathwaywindow.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QWindow>

namespace Walk {

namespace {

bool exposed(const QWidget* widget) {
    const QWindow* handle = widget->window()->windowHandle();
    return handle && handle->isExposed();
}

void addOpens(std::vector<Action>& walk, Control button, Pathway pathway, int opens) {
    for (int i = 0; i < opens; ++i) {
        walk.push_back({Action::Kind::OpenPathway, button, pathway, i == 0});
        walk.push_back({Action::Kind::HidePathway, button, pathway, false});
    }
}

} // namespace

std::vector<Action> actions(int opens) {
    using enum Control;
    std::vector<Action> walk;
    const auto press = [&walk](Control button) {
        walk.push_back({Action::Kind::Press, button});
    };
    press(seeanswer1);
    press(hideanswer1);
    press(seeanswer2);
    addOpens(walk, seepathway1, Pathway::Gluconeogenesis, opens);
    press(hideanswer2);
    press(seeanswer3);
    press(hideanswer3);
    addOpens(walk, seepathway2, Pathway::CitricAcidCycle, opens);
    press(seeanswer4);
    press(hideanswer4);
    press(seeanswer5);
    press(hideanswer5);
    press(seeanswer6);
    press(hideanswer6);
    return walk;
}

const char* label(const Action& action) {
    switch (action.control) {
    case Control::seeanswer1:
        return "seeanswer1";
    case Control::hideanswer1:
        return "hideanswer1";
    case Control::seeanswer2:
        return "seeanswer2";
    case Control::hideanswer2:
        return "hideanswer2";
    case Control::seepathway1:
        return action.firstOpen ? "seepathway1 (first)" : "seepathway1 (again)";
    case Control::seeanswer3:
        return "seeanswer3";
    case Control::hideanswer3:
        return "hideanswer3";
    case Control::seepathway2:
        return action.firstOpen ? "seepathway2 (first)" : "seepathway2 (again)";
    case Control::seeanswer4:
        return "seeanswer4";
    case Control::hideanswer4:
        return "hideanswer4";
    case Control::seeanswer5:
        return "seeanswer5";
    case Control::hideanswer5:
        return "hideanswer5";
    case Control::seeanswer6:
        return "seeanswer6";
    case Control::hideanswer6:
        return "hideanswer6";
    case Control::answerPane:
        break;
    }
    return "?";
}

bool showAndPaint(ExerciseWindow& window) {
    TextPane* pane = window.questionPane();
    const QRect page = pane->contentsRect();
    const QRect statement(page.topLeft(),
                          QSize(page.width(), int(pane->content().size()) * pane->lineHeight()));
    const Probe::PaintWatch watch(pane, [&](QWidget* widget, const QPaintEvent& event) {
        return exposed(widget) && Probe::covers(event.region(), statement);
    });
    window.showMaximized();
    return Probe::processUntil([&watch] { return watch.count() > 0; }, 10'000);
}

bool perform(ExerciseWindow& window, const Action& action, qint64* clicked) {
    qint64 ignored = 0;
    qint64& clickReturned = clicked ? *clicked : ignored;
    switch (action.kind) {
    case Action::Kind::Press: {
        const Probe::PaintWatch watch(qApp, [&window](QWidget* widget, const QPaintEvent&) {
            return widget->window() == &window;
        });
        window.button(action.control)->click();
        clickReturned = Probe::monotonicNs();
        return Probe::processUntil([&watch] { return watch.count() > 0; }, 2'000);
    }
    case Action::Kind::OpenPathway: {
        const Pathway pathway = action.pathway;
        const Probe::PaintWatch watch(
            qApp, [&window, pathway](QWidget* widget, const QPaintEvent& event) {
                const PathwayWindow* shown = window.pathwayWindow(pathway);
                return shown && widget == shown->diagram() && exposed(widget) &&
                       Probe::covers(event.region(), widget->rect());
            });
        window.button(action.control)->click();
        clickReturned = Probe::monotonicNs();
        return Probe::processUntil([&watch] { return watch.count() > 0; }, 5'000);
    }
    case Action::Kind::HidePathway: {
        PathwayWindow* shown = window.pathwayWindow(action.pathway);
        if (!shown)
            return false;
        auto* hide = shown->findChild<QPushButton*>(QStringLiteral("Command1"));
        if (!hide)
            return false;
        hide->click();
        clickReturned = Probe::monotonicNs();
        return true;
    }
    }
    return false;
}

} // namespace Walk
