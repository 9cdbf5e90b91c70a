#include "stage.h"

#include "exercise.h"

#include <algorithm>

int Stage::count() {
    return 2 * Exercise::questionCount() + 1;
}

Stage Stage::posed(int question) {
    return Stage(2 * (std::clamp(question, 1, Exercise::questionCount()) - 1));
}

Stage Stage::shown(int question) {
    return Stage(2 * std::clamp(question, 1, Exercise::questionCount()) - 1);
}

Stage Stage::finished() {
    return Stage(count() - 1);
}

std::optional<Stage> Stage::fromIndex(int index) {
    if (index < 0 || index >= count())
        return std::nullopt;
    return Stage(index);
}

int Stage::posedQuestion() const {
    return isFinished() || m_index % 2 ? 0 : m_index / 2 + 1;
}

int Stage::shownAnswer() const {
    return m_index % 2 ? (m_index + 1) / 2 : 0;
}

int Stage::reachedQuestion() const {
    return isFinished() ? Exercise::questionCount() : std::max(posedQuestion(), shownAnswer());
}

bool Stage::isFinished() const {
    return m_index == count() - 1;
}

Stage Stage::next() const {
    return isFinished() ? *this : Stage(m_index + 1);
}

QString Stage::name() const {
    if (isFinished())
        return QStringLiteral("Finished");
    return posedQuestion() ? QStringLiteral("Q%1").arg(posedQuestion())
                           : QStringLiteral("A%1").arg(shownAnswer());
}
