#include "transcript.h"

#include "exercise.h"

Lines Transcript::lines(const Print::Block& block, const Scenario& scenario, Ink ink) {
    Lines lines;
    lines.reserve(qsizetype(block.size()));
    for (const PrintLine& line : Print::resolve(block, scenario))
        lines.append({line, ink});
    return lines;
}

QStringList Transcript::plain(const Lines& lines) {
    QStringList texts;
    texts.reserve(lines.size());
    for (const InkedLine& line : lines)
        texts.append(plainText(line.items));
    return texts;
}

Lines Transcript::prompt(const Scenario& scenario, int question) {
    return lines(*Exercise::question(question).prompt, scenario, Ink::Question);
}

Lines Transcript::answer(const Scenario& scenario, int question) {
    return lines(*Exercise::question(question).answer, scenario, Ink::Answer);
}

Lines Transcript::pane(const Scenario& scenario, Stage stage, Pane pane) {
    if (pane == Pane::Answer)
        return stage.shownAnswer() ? answer(scenario, stage.shownAnswer()) : Lines();
    Lines all;
    for (int question = 1; question <= stage.reachedQuestion(); ++question)
        all += prompt(scenario, question);
    return all;
}

QList<Transcript::Section> Transcript::sheet(const Scenario& scenario, Sheet sheet) {
    QList<Section> sections;
    for (const Question& question : Exercise::questions())
        sections.append({question.number, prompt(scenario, question.number),
                         sheet == Sheet::Key ? answer(scenario, question.number) : Lines()});
    return sections;
}
