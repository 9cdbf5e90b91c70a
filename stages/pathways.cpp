#include "pathways.h"

namespace {

constexpr PathwayInfo table[] = {
    {Pathway::Gluconeogenesis, Control::seepathway1, ":/assets/gluconeogenesis.svg",
     "Gluconeogenesis from lactate", true, "Form2",
     "Korvanel calculation: gluconeogenesis from lactate",
     "Pathway diagram: gluconeogenesis from lactate"},
    {Pathway::CitricAcidCycle, Control::seepathway2, ":/assets/citricacidcycle.svg",
     "Lactate oxidation and the citric acid cycle", false, "Form3",
     "Korvanel calculation: lactate oxidation and the citric acid cycle",
     "Pathway diagram: lactate oxidation and the citric acid cycle"},
};

static_assert(int(table[0].pathway) == 0 && int(table[1].pathway) == 1,
              "pathwayInfo() looks a pathway up by its place in the table");

} // namespace

std::span<const PathwayInfo> pathways() {
    return table;
}

const PathwayInfo& pathwayInfo(Pathway pathway) {
    return table[int(pathway)];
}
