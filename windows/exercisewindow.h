// The exercise window: question pane, answer pane, logo and the column of
// buttons. It builds its controls from its layout table, prints the
// problem statement for its Scenario, and wires each button to the
// question sequence.
#pragma once

#include "formwindow.h"
#include "model/scenario.h"
#include "pathwaywindow.h"
#include "stages/questionsequence.h"

#include <array>
#include <memory>

class QPushButton;
class TextPane;

class ExerciseWindow : public FormWindow, private ExerciseSurface {
    Q_OBJECT

public:
    explicit ExerciseWindow(const Scenario& scenario, QWidget* parent = nullptr);
    ~ExerciseWindow() override;

    const Scenario& scenario() const { return m_scenario; }
    TextPane* questionPane() const { return m_questionPane; }
    TextPane* answerPane() const { return m_answerPane; }
    QPushButton* button(Control control) const;

    // The pathway window, or null while its button has never been pressed.
    PathwayWindow* pathwayWindow(Pathway pathway) const;

    void showPathway(Pathway pathway) override;
    void end();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void press(Control button);
    void focusNextStep();
    void showPrinted(qsizetype questionLinesBefore);

    void clearAnswer() override;
    void setControlVisible(Control control, bool visible) override;
    void printAnswer(const PrintLine& line) override;
    void printQuestion(const PrintLine& line) override;

    const Scenario m_scenario;
    QuestionSequence m_sequence;
    TextPane* m_questionPane = nullptr;
    TextPane* m_answerPane = nullptr;
    std::array<QPushButton*, size_t(Control::answerPane)> m_buttons{};
    std::array<std::unique_ptr<PathwayWindow>, 2> m_pathways;
};
