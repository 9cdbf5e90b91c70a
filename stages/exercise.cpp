#include "exercise.h"

#include "exercisetexts.h"
#include "model/buildinfo.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace {

using enum Control;

const std::vector<Question>& table() {
    static const std::vector<Question> questions = {
        {1, &Texts::statement, &Texts::answer1, seeanswer1, hideanswer1, {}, questionFields(1)},
        {2, &Texts::question2, &Texts::answer2, seeanswer2, hideanswer2, Pathway::Gluconeogenesis,
         questionFields(2)},
        {3, &Texts::question3, &Texts::answer3, seeanswer3, hideanswer3, {}, questionFields(3)},
        {4, &Texts::question4, &Texts::answer4, seeanswer4, hideanswer4, Pathway::CitricAcidCycle,
         questionFields(4)},
        {5, &Texts::question5, &Texts::answer5, seeanswer5, hideanswer5, {}, questionFields(5)},
        {6, &Texts::question6, &Texts::answer6, seeanswer6, hideanswer6, {}, questionFields(6)},
    };
    return questions;
}

} // namespace

std::span<const Question> Exercise::questions() {
    return table();
}

int Exercise::questionCount() {
    return int(table().size());
}

const Question& Exercise::question(int number) {
    Q_ASSERT(number >= 1 && number <= questionCount());
    return table()[size_t(std::clamp(number, 1, questionCount()) - 1)];
}

const Question* Exercise::questionOf(Control button) {
    for (const Question& question : table())
        if (question.see == button || question.hide == button)
            return &question;
    return nullptr;
}

const Print::Block& Exercise::statement() {
    return Texts::statement;
}

QString Exercise::title() {
    //: The title of every window and the head of every page; %1 is the program's name, Korvanel.
    return QCoreApplication::translate("Exercise", "%1 calculation")
        .arg(QString::fromLatin1(BuildInfo::name));
}
