// Every line the exercise prints, at its widest over all 10,000 subjects in
// a given font: each item takes the one of its texts that is widest there.
// Items are drawn one by one, so no real line is wider than these.
#pragma once

#include "panes/linelayout.h"
#include "stages/exercise.h"
#include "subjects.h"

#include <map>
#include <set>
#include <vector>

class WidestLines {
public:
    // Every block the exercise prints: each question's prompt and answer.
    static std::vector<const Print::Block*> blocks() {
        std::vector<const Print::Block*> all;
        for (const Question& question : Exercise::questions())
            all.insert(all.end(), {question.prompt, question.answer});
        return all;
    }

    // Reads every subject once. A man's lines and a woman's are kept apart:
    // a translation may break them differently.
    WidestLines() {
        Subjects::forEach([this](const Scenario& s) {
            for (const Print::Block* block : blocks()) {
                auto& lines = m_texts[block][s.sex];
                const QList<PrintLine> printed = Print::resolve(*block, s);
                lines.resize(size_t(printed.size()));
                for (size_t i = 0; i < lines.size(); ++i) {
                    const PrintLine& line = printed[qsizetype(i)];
                    if (lines[i].empty())
                        lines[i] = {line, {}};
                    lines[i].items.resize(size_t(line.size()));
                    for (qsizetype j = 0; j < line.size(); ++j)
                        lines[i].items[size_t(j)].insert(line[j].text);
                }
            }
        });
    }

    // The block's lines at their widest, laid out in `metrics`.
    template <typename Metrics>
    std::vector<LineLayout> of(const Print::Block& block, const Metrics& metrics) const {
        std::vector<LineLayout> layouts;
        for (const auto& [sex, lines] : m_texts.at(&block))
            for (const Line& texts : lines) {
                PrintLine line = texts.first;
                for (qsizetype j = 0; j < line.size(); ++j)
                    for (const QString& text : texts.items[size_t(j)])
                        if (metrics.horizontalAdvance(text) >
                            metrics.horizontalAdvance(line[j].text))
                            line[j].text = text;
                layouts.emplace_back(line, metrics);
            }
        return layouts;
    }

private:
    struct Line {
        PrintLine first;                      // of one subject
        std::vector<std::set<QString>> items; // every text of each item
        bool empty() const { return items.empty() && first.isEmpty(); }
    };
    std::map<const Print::Block*, std::map<int, std::vector<Line>>> m_texts;
};
