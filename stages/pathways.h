// The two pathway diagrams: the button that opens each, its drawing, its
// title, its window's names for assistive technology, the steps it shows
// told sentence by sentence, and the words of its labels, for the pathway
// windows, paper and assistive technology alike, in the run's language.
// The drawings are resources of the widgets.
#pragma once

#include "control.h"
#include "scenarionumber.h"

#include <QString>

#include <array>
#include <span>

// One sentence of what a diagram shows; %1, %2... are the exercise's constants.
struct PathwayStep {
    const char* text;
    std::array<ScenarioNumber, 4> numbers = {};
};

enum class Pathway {
    Gluconeogenesis, // lactate to glucose and glycogen
    CitricAcidCycle, // lactate oxidation through the citric acid cycle
};

struct PathwayInfo {
    Pathway pathway;
    Control button;                     // the exercise window's button that shows it
    const char* drawing;                // resource path of the SVG
    const char* title;                  // heads its page of the answer key
    bool titleInWindow;                 // its window prints the title into a title pane too
    const char* windowName;             // object name of its window
    const char* accessibleName;         // of its window, told apart from the exercise and the other
    const char* description;            // of the diagram, for assistive technology
    std::span<const PathwayStep> steps; // what the diagram shows, a sentence each

    // The texts, translated.
    QString titleText() const;
    QString accessibleNameText() const;
    QString descriptionText() const;
    QString stepsText() const; // a sentence a line
};

std::span<const PathwayInfo> pathways();
const PathwayInfo& pathwayInfo(Pathway pathway);

// A label of a diagram in the run's language: the words of the compounds
// are translated, formulas and the names of the coenzymes stay as drawn.
QString diagramLabel(const QString& label);
// The labels that are translated, as the drawings write them.
std::span<const char* const> translatedLabels();
