// The two pathway diagrams: the button that opens each, its drawing, its
// title and what it shows, for the pathway windows, paper and assistive
// technology alike. The drawings are resources of the widgets.
#pragma once

#include "control.h"

#include <span>

enum class Pathway {
    Gluconeogenesis, // lactate to glucose and glycogen
    CitricAcidCycle, // lactate oxidation through the citric acid cycle
};

struct PathwayInfo {
    Pathway pathway;
    Control button;             // the exercise window's button that shows it
    const char* drawing;        // resource path of the SVG
    const char* title;          // heads its page of the answer key
    bool titleInWindow;         // its window prints the title into a title pane too
    const char* windowName;     // object name of its window
    const char* accessibleName; // of its window, told apart from the exercise and the other
    const char* description;    // of the diagram, for assistive technology
};

std::span<const PathwayInfo> pathways();
const PathwayInfo& pathwayInfo(Pathway pathway);
