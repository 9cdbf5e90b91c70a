<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Announcer</name>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerField</name>
    <message>
        <source>Total lactate metabolised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: extracellular fluid is %1 % of body weight; follow the lactate over the 30 minutes after the race.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glucose from 2 x lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glucose</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make glucose from 2 lactate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liver glycogen from 2 x lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>liver glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make liver glycogen from 2 lactate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muscle glycogen from 2 x lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>muscle glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make muscle glycogen from 2 lactate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATP required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: all of the lactate metabolised is to become muscle glycogen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate to be oxidised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the lactate is oxidised all the way to carbon dioxide and water, through lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional oxygen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: oxidation consumes %1 L of oxygen per gram of lactate, whose molecular mass is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase in oxygen consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: total energy expenditure is %1 MJ per day, and each litre of oxygen consumed yields %2 kJ.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerForm</name>
    <message>
        <source>Your answer to question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader calls an answer field: its label, then its unit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Attempt</name>
    <message>
        <source>In the record, &quot;%1&quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is not text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %4, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check %1 is not an object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %1, &quot;field&quot; is &quot;%2&quot;, which is not an answer field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %1, the field %2 is of question %3, not %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %1, &quot;value&quot; is not a finite number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %1, &quot;verdict&quot; is not one of correct, slip, carriedForward, close or notYet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In check %1, a value and a verdict go together, and one is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The attempt has no start or update time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The attempt&apos;s stage, %1, is not one of 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The attempt has %1 checks, more than a record holds (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The student&apos;s name or ID number is longer than a record holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check %1 of the attempt is not one a record holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is cut short: its JSON ends unfinished (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not JSON: %1 at byte %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a Korvanel practice record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record has no version number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was written by a newer Korvanel (record version %1; this one reads version %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the record, &quot;checks&quot; is not a list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record&apos;s code &quot;%1&quot; is not a subject code: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record has %1 checks, more than any attempt could (%2 at most).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is too large for a practice record: %1, where a record takes at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AttemptSummary</name>
    <message>
        <source>%1: not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4)</source>
        <extracomment>%1 names the question, %2 is the verdict&apos;s mark, %3 its words, %4 the entry.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4); last %5 %6 (%7)</source>
        <extracomment>The first verdict and entry of a question, then the last: %2 and %5 are marks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <extracomment>%2 is the part of the question: glucose, liver glycogen, muscle glycogen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers of %1, the first try and the last:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers, the first try and the last:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1 of %2 questions right at the first try.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AttemptTable</name>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nobody named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Each question at the first try and at the last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No attempts are read yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 students, %2 what their outcome was: &quot;12 Right at the first try&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 names the question, %2 lists the outcomes with their counts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassFigures</name>
    <message>
        <source>Right at the first try</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right at the last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carried forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %n student(s): %2</source>
        <extracomment>%1 names the question, %2 is the slip&apos;s hint; %n students met it.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Known slips met, with how many students met each:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No known slip was met.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each question at the first try and at the last, students counted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nobody named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassSetPage</name>
    <message>
        <source>&amp;Random subjects, all different:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These subject &amp;codes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Worksheets to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer &amp;keys to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write the class set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject codes, one a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheets file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer keys file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each subject starts on a page of its own, headed by its code, so that each student&apos;s pages can be handed out alone. Both files are written in full before either replaces anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subject code &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the subject codes, one a line, or choose random subjects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where to save the worksheets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where to save the answer keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the worksheets, the answer keys or both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheets and the answer keys need files of their own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the class set…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class set</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): the worksheets to %1 and the answer keys to %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written, and what stood at those places is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 %2: worked exercise on lactate clearance and oxygen debt after a sprint.
Without options it opens the exercise for a new, random subject.
Paper is A4, or Letter where the locale measures in US units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help on command-line options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with the subject of &lt;code&gt;, such as M72-0.8-12.4, instead of a random one. With --worksheet or --key it may be given several times, one subject each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts in practice mode, in which the student types the answers and has them checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practises as the student &lt;name&gt;, for this run, instead of the name this computer remembers or asks for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --student: the student&apos;s &lt;id&gt; number, as the school&apos;s gradebook knows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the worksheet, the problem and the six questions with room to work under each, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the answer key, each question with its worked answer and both pathway diagrams, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --worksheet or --key: a class set of &lt;n&gt; different random subjects, 1 to %1, each on pages of its own headed by its code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the practice records given as arguments, files or folders of them, judges each check again from its entry, and writes the table of --csv, the report of --report or both. A record that cannot be read, or was edited, is named. Exits without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --collate: the CSV &lt;file&gt; to write, a line for each attempt: the student&apos;s name and ID number, the subject code, when the attempt started, each question&apos;s first and last verdicts, the score and whether it was finished, edited and counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --collate: the class report, as PDF to &lt;file&gt;: for each question how many students were right at the first try and at the last, the known slips met, and a table of the students.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaks the language of &lt;code&gt;, one of %1, instead of the desktop&apos;s: pt or pt_BR for Brazilian Portuguese.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens Korvanel for teachers, for class sets and the records handed in, with the records given as arguments, files or folders of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the result slip of the practice record of --record, its entries, verdicts and score on one page, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --result-slip: the practice record &lt;file&gt; to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --collate or --teacher: practice records (.json), or folders of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--collate reads practice records; it does not go with --%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--collate writes a table, a report or both; give --csv, --report or both, and their files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--collate needs practice records to read: files, or folders of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv and --report name the same file, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv names a practice record, %1; write the table to a file of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report names a practice record, %1; write the report to a file of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--result-slip writes the slip of one practice record; it does not go with --%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--record is read for --result-slip; give --result-slip and its file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--result-slip needs the practice record to read; give --record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--result-slip names the record itself, %1; write the slip to a file of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv is the table of --collate; give --collate and the records too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report is the report of --collate; give --collate and the records too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;; only --collate and --teacher take files without an option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--teacher opens the teacher&apos;s window; it does not go with --%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the subject code &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--student-id goes with --student and the student&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--student names who practises in the window; it does not go with --worksheet or --key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--student: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--student-id: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count makes a class set on paper; give --worksheet or --key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window shows one subject; give --subject once, or several with --worksheet or --key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--practice is for the window; it does not go with --worksheet or --key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--worksheet and --key name the same file, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count draws random subjects and --subject names them; give one or the other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count takes a whole number of subjects, 1 to %1, not &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot open the window: there is no display to show it on. --worksheet and --key write paper without one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>glucose</source>
        <extracomment>The name of a compound as a label of a pathway diagram: short, as it has little room.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glucose 6-phosphate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glycogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 x lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 x pyruvate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pyruvate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>acetyl CoA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oxaloacetate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>citrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>isocitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>α-ketoglutarate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>succinyl CoA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>succinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fumarate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>malate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~2.5 ATP</source>
        <extracomment>About 2.5 ATP for each NADH: write the number as your language writes decimals.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~1.5 ATP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>, </source>
        <extracomment>Between the units offered, as in &quot;mmol, mol or µmol&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Before the last unit offered, as in &quot;mmol, mol or µmol&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is typed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is too long for one number (%1 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has digits other than 0 to 9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number; type it in digits, like 12.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is written with an exponent; type the number in full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number; type digits and at most one decimal point or comma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more than one number; type one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a blank inside; type one number, without thousands separators.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has more than one point or comma; type it without thousands separators, with one decimal point or comma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comma in %1 could be a thousands separator or a decimal comma; type the number without it, or with a decimal point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the unit here; write %2, or no unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is far too large for this answer; check the digits.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>You are considering a man who weighs %1 kg. He  has just completed a 100 m sprint.</source>
        <extracomment>%1 is the subject&apos;s weight.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are considering a woman who weighs %1 kg. She  has just completed a 100 m sprint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before the race his plasma lactate was %1 mmol /L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before the race her plasma lactate was %1 mmol /L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediately after the race  his  plasma lactate was %1 mmol /L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediately after the race  her  plasma lactate was %1 mmol /L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 minutes later  his  plasma lactate was %1 mmol /L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 minutes later  her  plasma lactate was %1 mmol /L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that he has metabolised in 30 minutes?</source>
        <extracomment>%1 is a percentage.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that she has metabolised in 30 minutes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracellular fluid = %1 x %2 = %3 L   (You can assume that 1 kg of ecf = 1 L)</source>
        <extracomment>%1 is the share of body weight, %2 the weight, %3 the volume of extracellular fluid.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over 30 min his plasma lactate falls by %1 mmol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over 30 min her plasma lactate falls by %1 mmol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total lactate metabolised = %1 x %2 = %3 mmol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most of this lactate will be taken up by the liver and used for gluconeogenesis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some will be used for synthesis of liver glycogen, but most will be released from the liver as glucose
and used for glycogen synthesis in muscle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is the total cost in ATP (summing ATP, GTP and UTP) for synthesis of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glucose from 2 x lactate</source>
        <extracomment>The three products of question 2, each a line of their own under the question.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>liver glycogen from 2 x lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>muscle glycogen from 2 x lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synthesis of glucose from 2 x lactate uses %1 x ATP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synthesis of liver glycogen from 2 x lactate uses %1 x ATP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synthesis of muscle glycogen from 2 x lactate uses %1 x ATP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Although gluconogenesis from pyruvate requires NADH, this is provided by the oxidation of lactate to pyruvate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much ATP would be required to convert all of the lactate that has been metabolised to muscle glycogen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mmol of lactate has been metabolised; this will require (%2 / 2 x %3 ) = %4 mmol ATP</source>
        <extracomment>%1 and %2 are the lactate metabolised, %3 the ATP for 2 lactate, %4 the ATP required.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> How much lactate must undergo total oxidation to carbon dioxide and water
(via lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle) to provide this ATP?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 mol of lactate oxidised to pyruvate yields %1 x NADH =~%2 ATP</source>
        <extracomment>%1 NADH, each worth about %2 ATP.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 mol of pyruvate oxidised to acetyl CoA yields %1 x NADH =~%2 ATP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 mol of acetate oxidised in the citric acid cycle yields:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x NADH =~%2 ATP</source>
        <extracomment>What the citric acid cycle yields, a line each under the line before.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x FADH =~%2 ATP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x GTP = %2 ATP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total %1 ATP produced per lactate oxidised; he needs %2mmol ATP
therefore he must oxidise %3/%4 = %5 mmol lactate.</source>
        <extracomment>%1 and %4 are the ATP per lactate, %2 and %3 the ATP needed, %5 the lactate to oxidise.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total %1 ATP produced per lactate oxidised; she needs %2mmol ATP
therefore she must oxidise %3/%4 = %5 mmol lactate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The oxidation of lactate, like that of glucose, consumes %1 L of oxygen per gram.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The molecular mass of lactate is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is his additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is her additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mmol lactate = %2x %3  = %4 mg</source>
        <extracomment>%1 and %2 are the lactate to oxidise, %3 its molecular mass, %4 its mass.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional oxygen consumed = (%1 / 1000) x %2 = %3 L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is oxygen debt - the extra oxygen that is consumed in the metabolism of lactate to provide
the ATP that is required for gluconeogenesis and the formation of glycogen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assuming that his total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in his oxygen consumption during this 30 minutes?</source>
        <extracomment>%1 is the total energy expenditure, %2 the energy each litre of oxygen yields.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assuming that her total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in her oxygen consumption during this 30 minutes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total oxygen consumed = total energy expenditure (MJ) x 1000 / %1 = %2x 1000 / %3 = %4 L oxygen /day</source>
        <extracomment>%1 and %3 are the kJ per litre of oxygen, %2 the energy expenditure, %4 the litres a day.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= %1 /%2 = %3 L oxygen per 30 minutes</source>
        <extracomment>%1 is the litres a day, %2 the half hours of a day, %3 the litres per 30 minutes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percent increase in oxygen consumption = 100 x %1 / %2= %3%</source>
        <extracomment>%1 is the additional oxygen, %2 the litres per 30 minutes, %3 the percentage.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;actice mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For &amp;teachers…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See answer 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end</source>
        <extracomment>The button that ends the program, written in small letters as the program always has.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide answer 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See answer 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide answer 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See pathway 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See answer 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide answer 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See pathway 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See answer 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide answer 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See answer 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide answer 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See answer 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide answer 6</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom %1 %, fitted to the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom %1 %, as the screen allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvanel calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvanel logo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandedIn</name>
    <message>
        <source>The folder holds no practice records (*.json).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the record was edited. %2 The verdicts its entries earn are the ones shown.</source>
        <extracomment>%2 names the check that differs; the table and report show what its entry earns.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records read: %1; students: %2; attempts: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) held an attempt read already, and it counts once.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Where a student handed in more than one attempt, the latest finished counts, else the latest; the table says which.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) were edited; what their entries earn is shown, not what they say.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and are left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HandedInPage</name>
    <message>
        <source>Records not read, or edited:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;table…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts handed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records not read, or edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;records…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a &amp;folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the records (.json) your students hand in, or drop their files or folders on this window. Each record&apos;s checks are judged again from its entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No records are read yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice records (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a folder of records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table is written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No table was written. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No report was written. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>Type an answer first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: only the sign is wrong; the amount is positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the amount is positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close: within %1 % of the answer but not within %2 %; check the arithmetic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answer to question %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answers to questions %1 (%2) and %3 (%4).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Korvanel speaks no &quot;%1&quot;; the languages there are: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the record %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the record was edited. %2 The verdicts its entries earn are the ones shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Exercise complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice mode on: type each answer and check it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice mode off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of question 2, then its verdict: &quot;Glucose from 2 x lactate: Correct.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>Korvanel calculation: class report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot draw on the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot finish the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvanel calculation: answer key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvanel calculation: worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no subject to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot draw on the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot finish the pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: it was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvanel calculation: result slip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1, practised by %2 on %3 from %4 to %5.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the student, %3 the day, %4 and %5 times.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1, practised on %2 from %3 to %4.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the day, %3 and %4 times.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exercise was finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This record was edited. %1 The verdicts shown are the ones its entries earn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exercise was left at question %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exercise was left at answer %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pathway</name>
    <message>
        <source>Gluconeogenesis from lactate, and glycogen made in the liver and in muscle. Read from the bottom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 x lactate is oxidised to 2 x pyruvate; this step uses 2 x NAD+ and gives 2 x NADH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the liver, 2 x pyruvate is made into glucose 6-phosphate in three steps, drawn as three arrows going up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first step uses 4 x ATP and gives 4 x ADP, and uses 2 x GTP and gives 2 x GDP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second step uses the 2 x NADH and gives 2 x NAD+.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The third step ends at glucose 6-phosphate, drawn as its open-chain formula with a phosphate group on carbon 6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the liver, glucose 6-phosphate is turned into free glucose, which leaves the liver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or, in the liver, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The free glucose is carried in the blood to muscle, the yellow panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In muscle, glucose is made into glucose 6-phosphate; this step uses ATP and gives ADP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In muscle, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals: making glucose from 2 x lactate uses 6 nucleoside triphosphates (4 ATP and 2 GTP).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making liver glycogen uses 7 (the 6 for glucose and 1 UTP in the liver).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making muscle glycogen uses 8 (the 6 for glucose, 1 ATP and 1 UTP in muscle).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete oxidation of lactate through pyruvate, acetyl CoA and the citric acid cycle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate is oxidised to pyruvate; this step uses NAD+ and gives NADH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pyruvate is converted to acetyl CoA; this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acetyl CoA (2 carbons) joins oxaloacetate (4 carbons) to make citrate (6 carbons); this step gives off CoASH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Citrate is rearranged to isocitrate (6 carbons).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isocitrate is oxidised to alpha-ketoglutarate (5 carbons); this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha-ketoglutarate is converted to succinyl CoA (4 carbons); this step uses CoASH and NAD+ and gives NADH, and gives off CO2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Succinyl CoA is converted to succinate (4 carbons); this step gives off CoASH, and uses GDP + Pi and gives GTP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Succinate is oxidised to fumarate (4 carbons); this step uses FAD and gives FADH2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fumarate takes up H2O to make malate (4 carbons).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malate is oxidised to oxaloacetate (4 carbons), which closes the cycle; this step uses NAD+ and gives NADH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box in the middle of the cycle gives the exchange rates: each NADH gives about 2.5 ATP, each FADH2 gives about 1.5 ATP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In total one lactate gives 5 NADH, 1 FADH2 and 1 GTP, which make 15 ATP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gluconeogenesis from lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvanel calculation: gluconeogenesis from lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pathway diagram: gluconeogenesis from lactate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate oxidation and the citric acid cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvanel calculation: lactate oxidation and the citric acid cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pathway diagram: lactate oxidation and the citric acid cycle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PathwayWindow</name>
    <message>
        <source>Hide pathway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. The diagram and its step-by-step description follow on Tab; Escape puts the window away.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeDialogs</name>
    <message>
        <source>Yo&amp;ur name…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers cannot be kept: %1 Practice goes on.</source>
        <extracomment>%1 is the reason, a sentence of its own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at question %3. Continue where you stopped?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at answer %3. Continue where you stopped?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordFolder</name>
    <message>
        <source>It is a folder, not a record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file (it may be a FIFO, a socket or a device), so it was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the practice record %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; is not a number the judge can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check %1 holds no verdict, but its entry &quot;%2&quot; earns &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; earns &quot;%4&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check %1 holds the value %2, but its entry &quot;%3&quot; reads %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check %1 was made before the check or the start before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check %1 was made after the attempt&apos;s last update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check %1 is of question %2, which was not posed at that point.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveGroup</name>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%2 is the reason, as the system gives it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Slip</name>
    <message>
        <source>Not yet: you multiplied the fall by the whole body weight, %1 kg; the lactate is spread through the extracellular fluid only, %2 % of body weight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: you took the fall from %1 mmol/L, the level before the race; the lactate metabolised is the fall over the 30 minutes after it, to %2 mmol/L.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that is the fall in concentration, in mmol/L; multiply it by the volume of fluid the lactate is spread through.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that is all the lactate there was just after the race, at %1 mmol/L; only the fall over the next 30 minutes has been metabolised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the GTP is not counted: making phosphoenolpyruvate from oxaloacetate uses one GTP for each lactate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the UTP is not counted: adding glucose to glycogen uses one UTP to make UDP-glucose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the muscle&apos;s own phosphorylation is not counted: muscle spends one ATP turning the glucose it takes up into glucose 6-phosphate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that is the cost for one lactate; the question asks for 2 x lactate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the NADH is not a cost here: oxidising the lactate to pyruvate provides it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the %1 ATP are the cost for 2 lactate, and you took them for each lactate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of glucose; this lactate becomes muscle glycogen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of liver glycogen; this lactate becomes muscle glycogen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that counts %1 ATP per NADH and %2 per FADH2, %3 per lactate; take %4 and %5, which give %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the NADH from lactate to pyruvate is left out; it yields %1 ATP as well, %2 in all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that counts the citric acid cycle only; the NADH from lactate to pyruvate and from pyruvate to acetyl CoA yield %1 ATP each, %2 in all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: you multiplied by the %1 ATP each lactate yields; the ATP needed is to be divided by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the mass is in mg: %1 mg is to be divided by 1000 before it is multiplied by %2 L per gram.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: the %1 L is for each gram, not each mmol: the molecular mass, %2, turns %3 mmol into mg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that is the mass of lactate in grams; each gram consumes %1 L of oxygen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of a whole day, %1 L; the question asks about 30 minutes, a %2th of the day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that is a fraction; a percentage is 100 times it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of an hour, a 24th of the day; 30 minutes is a %1th.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: that is the extra oxygen as a share of all the oxygen used; the increase is measured against the usual %1 L per 30 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Student</name>
    <message>
        <source>Type your name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot hold control characters, such as a tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An ID number cannot hold control characters, such as a tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An ID number has at most %1 characters; this one has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <comment>a student&apos;s name and ID number</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudentDialog</name>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name goes into the record of each practice attempt and onto its result slip, so that your teacher knows whose it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID number, if your school gives one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ID number (optional):</source>
        <extracomment>Moodle&apos;s word for the number a school&apos;s gradebook knows a student by.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SubjectCode</name>
    <message>
        <source>The weight is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight %1 has digits other than 0 to 9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight %1 is not a number like %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight %1 is not a whole number of kg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight %1 is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lactate before the race is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate before %1 has digits other than 0 to 9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate before %1 is not a number like %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate before %1 has more than one decimal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate before %1 is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lactate after the race is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate after %1 has digits other than 0 to 9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate after %1 is not a number like %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate after %1 has more than one decimal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactate after %1 is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 A code reads like %2: M or W, weight %3 to %4 kg, lactate before %5 to %6 and after %7 to %8 mmol/L.</source>
        <extracomment>%1 says what is wrong with the code as typed, in a sentence of its own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code is too long (%1 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code starts with &quot;%1&quot;; it must start with M or W.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code has &quot;%1&quot; where it needs a plain &quot;-&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lactates before and after the race are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code has %1 parts joined by &quot;-&quot; instead of 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A class set holds 1 to %1 different subjects, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SubjectDialog</name>
    <message>
        <source>Subject from code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Subject code, such as M72-0.8-12.4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeacherActions</name>
    <message>
        <source>&amp;New subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject from &amp;code…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y subject code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export result &amp;slip…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet, to hand out, or the answer key, for subject %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer &amp;key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was printed. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export result slip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No result slip was written. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PDF was written. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>Korvanel for teachers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Class set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Handed in</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carried forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
