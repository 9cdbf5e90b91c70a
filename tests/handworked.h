// The exercise of one subject worked by hand, line by line as the panes
// show it: a man of 80 kg whose lactate goes from 0.8 to 10.1 mmol/L and
// falls by 8.5 mmol/L in the 30 minutes after the race: ecf 16 L, 136 mmol,
// 544 mmol ATP, 36.2 mmol lactate, 3261 mg, 2.43 L; a basal rate of
// 0.0485 x 80 + 3.67 = 7.55 MJ a day, 12.8 MJ spent, 640 L of oxygen a day,
// 13.33 L per 30 minutes, 18.2 %. A woman of the same weight and lactate has
// her own words and 0.0364 x 80 + 3.47 = 6.382 MJ: 10.8 MJ, 540 L, 11.25 L,
// 21.6 %.
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QStringList>

namespace HandWorked {

inline const QStringList statement = {
    "    You are considering a man who weighs  80  kg. He  has just completed a 100 m sprint.",
    "",
    "    Before the race his plasma lactate was  0.8  mmol /L",
    "    Immediately after the race  his  plasma lactate was  10.1  mmol /L",
    "    30 minutes later  his  plasma lactate was  1.6  mmol /L",
    "",
    "1)  Assuming that extracellular fluid is 20% of body weight,",
    "    what is the total amount of lactate that he has metabolised in 30 minutes?",
};

inline const QStringList question2 = {
    "",
    "    Most of this lactate will be taken up by the liver and used for gluconeogenesis.",
    "    Some will be used for synthesis of liver glycogen, but most will be released from the "
    "liver as glucose",
    "    and used for glycogen synthesis in muscle.",
    "",
    "2)  What is the total cost in ATP (summing ATP, GTP and UTP) for synthesis of:",
    "         glucose from 2 x lactate",
    "         liver glycogen from 2 x lactate",
    "         muscle glycogen from 2 x lactate",
};

inline const QStringList question3 = {
    "",
    "3)  How much ATP would be required to convert all of the lactate that has been metabolised "
    "to muscle glycogen?",
};

inline const QStringList question4 = {
    "",
    "4)   How much lactate must undergo total oxidation to carbon dioxide and water",
    "    (via lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle) to provide "
    "this ATP?",
};

// States the same 0.746 L per gram that answer 5 computes with.
inline const QStringList question5 = {
    "",
    "    The oxidation of lactate, like that of glucose, consumes 0.746 L of oxygen per gram.",
    "    The molecular mass of lactate is 90.1.",
    "",
    "5)  What is his additional oxygen consumption (in L) over the 30 minutes after the end of "
    "the race?",
};

inline const QStringList question6 = {
    "",
    "6)  Assuming that his total energy expenditure is  12.8 MJ perday",
    "    and that regardless of the fuel being metabolised the energy yield is 20 kJ per L oxygen "
    "consumed",
    "    what is the pecentage increase in his oxygen consumption during this 30 minutes?",
};

inline const QStringList answer1 = {
    "", "    Extracellular fluid = 0.2 x  80  =  16  L   (You can assume that 1 kg of ecf = 1 L)",
    "", "    Over 30 min his plasma lactate falls by  8.5  mmol/L",
    "", "    Total lactate metabolised =  8.5  x  16  =  136  mmol",
};

inline const QStringList answer2 = {
    "",
    "    Synthesis of glucose from 2 x lactate uses 6 x ATP",
    "    Synthesis of liver glycogen from 2 x lactate uses 7 x ATP",
    "    Synthesis of muscle glycogen from 2 x lactate uses 8 x ATP",
    "",
    "    Although gluconogenesis from pyruvate requires NADH, this is provided by the oxidation of "
    "lactate to pyruvate.",
};

inline const QStringList answer3 = {
    "",
    "     136  mmol of lactate has been metabolised; this will require ( 136  / 2 x 8 ) =  544  "
    "mmol ATP",
};

inline const QStringList answer4 = {
    "    1 mol of lactate oxidised to pyruvate yields 1 x NADH =~2.5 ATP",
    "    1 mol of pyruvate oxidised to acetyl CoA yields 1 x NADH =~2.5 ATP",
    "    1 mol of acetate oxidised in the citric acid cycle yields:",
    "         3 x NADH =~7.5 ATP",
    "         1 x FADH =~1.5 ATP",
    "         1 x GTP = 1 ATP",
    "",
    "    Total 15 ATP produced per lactate oxidised; he needs  544 mmol ATP",
    "    therefore he must oxidise  544 /15 =  36.2  mmol lactate.",
};

inline const QStringList answer5 = {
    "     36.2  mmol lactate =  36.2 x 90.1  =  3261  mg",
    "",
    "    Additional oxygen consumed = ( 3261  / 1000) x 0.746 =  2.43  L",
    "",
    "    This is oxygen debt - the extra oxygen that is consumed in the metabolism of lactate to "
    "provide",
    "    the ATP that is required for gluconeogenesis and the formation of glycogen.",
};

inline const QStringList answer6 = {
    "    total oxygen consumed = total energy expenditure (MJ) x 1000 / 20 =  12.8 x 1000 / 20 =  "
    "640  L oxygen /day",
    "    =  640  /48 =  13.33  L oxygen per 30 minutes",
    "",
    "    percent increase in oxygen consumption = 100 x  2.43  /  13.33 =  18.2 %",
};

// The same for a woman: her words and her energy figures.
inline QStringList forWoman(QStringList lines) {
    const std::pair<const char*, const char*> words[] = {
        {"man", "woman"}, {"He", "She"}, {"he", "she"}, {"his", "her"}};
    const std::pair<const char*, const char*> figures[] = {{" 12.8 MJ", " 10.8 MJ"},
                                                           {" 12.8 x", " 10.8 x"},
                                                           {" 640 ", " 540 "},
                                                           {" 13.33 ", " 11.25 "},
                                                           {" 18.2 %", " 21.6 %"}};
    for (QString& line : lines) {
        for (const auto& [from, to] : words)
            line.replace(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QLatin1String(from))),
                         QLatin1String(to));
        for (const auto& [from, to] : figures)
            line.replace(QLatin1String(from), QLatin1String(to));
    }
    return lines;
}

// Each question's prompt and each worked answer, in order, for a man (0) or
// a woman (1).
inline QList<QStringList> forSex(QList<QStringList> blocks, int sex) {
    if (sex)
        for (QStringList& block : blocks)
            block = forWoman(block);
    return blocks;
}

inline QList<QStringList> prompts(int sex) {
    return forSex({statement, question2, question3, question4, question5, question6}, sex);
}

inline QList<QStringList> answers(int sex) {
    return forSex({answer1, answer2, answer3, answer4, answer5, answer6}, sex);
}

} // namespace HandWorked
