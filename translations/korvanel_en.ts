<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AttemptDialog</name>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <extracomment>%n questions of %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>%n of %1 questions right at the first try.</numerusform>
            <numerusform>%n of %1 questions right at the first try.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AttemptSummary</name>
    <message numerus="yes">
        <source>Score: %n of %1 questions right at the first try.</source>
        <extracomment>%n questions of the %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>Score: %n of %1 questions right at the first try.</numerusform>
            <numerusform>Score: %n of %1 questions right at the first try.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassFigures</name>
    <message numerus="yes">
        <source>%n student(s) right at the first try</source>
        <extracomment>How many students of the class came to an outcome in one part of the exercise, as a screen reader says a bar of the class&apos;s chart.</extracomment>
        <translation>
            <numerusform>%n student right at the first try</numerusform>
            <numerusform>%n students right at the first try</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) right at the last try</source>
        <translation>
            <numerusform>%n student right at the last try</numerusform>
            <numerusform>%n students right at the last try</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) carried forward</source>
        <translation>
            <numerusform>%n student carried forward</numerusform>
            <numerusform>%n students carried forward</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) close</source>
        <extracomment>Close: near the answer, but not within its tolerance.</extracomment>
        <translation>
            <numerusform>%n student close</numerusform>
            <numerusform>%n students close</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) not yet right</source>
        <translation>
            <numerusform>%n student not yet right</numerusform>
            <numerusform>%n students not yet right</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n student(s). %2</source>
        <extracomment>%1 names the question; %n students met the slip; %2 is the slip&apos;s hint, a sentence of its own.</extracomment>
        <translation>
            <numerusform>%1: %n student. %2</numerusform>
            <numerusform>%1: %n students. %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) who did not check this answer</source>
        <translation>
            <numerusform>%n student who did not check this answer</numerusform>
            <numerusform>%n students who did not check this answer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n students</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassSetPage</name>
    <message numerus="yes">
        <source>Written for %n subject(s): the worksheets to %1 and the answer keys to %2.</source>
        <translation>
            <numerusform>Written for %n subject: the worksheets to %1 and the answer keys to %2.</numerusform>
            <numerusform>Written for %n subjects: the worksheets to %1 and the answer keys to %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): %1.</source>
        <translation>
            <numerusform>Written for %n subject: %1.</numerusform>
            <numerusform>Written for %n subjects: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassTable</name>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <translation>
            <numerusform>%n of %1 questions right at the first try.</numerusform>
            <numerusform>%n of %1 questions right at the first try.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known slips met in %n question(s): %1.</source>
        <extracomment>%n questions, listed in %1: &quot;2 and 5&quot;.</extracomment>
        <translation>
            <numerusform>Known slips met in %n question: %1.</numerusform>
            <numerusform>Known slips met in %n questions: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HandedIn</name>
    <message numerus="yes">
        <source>%n record(s) were edited; what their entries earn is shown, not what they say.</source>
        <translation>
            <numerusform>%n record was edited; what its entries earn is shown, not what they say.</numerusform>
            <numerusform>%n records were edited; what their entries earn is shown, not what they say.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and are left out.</source>
        <translation>
            <numerusform>%n file could not be read and is left out.</numerusform>
            <numerusform>%n files could not be read and are left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) held an attempt read already; each attempt counts once.</source>
        <translation>
            <numerusform>%n record held an attempt read already; each attempt counts once.</numerusform>
            <numerusform>%n records held an attempt read already; each attempt counts once.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HandedInPage</name>
    <message numerus="yes">
        <source>The gradebook file is written to %1, and %n student(s) are left out of it:</source>
        <extracomment>%1 is the file; the sentence of each student left out follows, one a line.</extracomment>
        <translation>
            <numerusform>The gradebook file is written to %1, and %n student are left out of it:</numerusform>
            <numerusform>The gradebook file is written to %1, and %n students are left out of it:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in.</source>
        <translation>
            <numerusform>%n new attempt handed in.</numerusform>
            <numerusform>%n new attempts handed in.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, by %1.</source>
        <extracomment>%n new attempts, %1 the names of the students: &quot;Ana Souza and Ben Okafor&quot;.</extracomment>
        <translation>
            <numerusform>%n new attempt handed in, by %1.</numerusform>
            <numerusform>%n new attempts handed in, by %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, among them by %1.</source>
        <translation>
            <numerusform>%n new attempt handed in, among them by %1.</numerusform>
            <numerusform>%n new attempts handed in, among them by %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
