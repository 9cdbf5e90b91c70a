<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Announcer</name>
    <message>
        <source>Messages</source>
        <extracomment>What a screen reader calls the source of the window&apos;s spoken messages.</extracomment>
        <translation>Meldungen</translation>
    </message>
</context>
<context>
    <name>AnswerField</name>
    <message>
        <source>Total lactate metabolised</source>
        <translation>Insgesamt verstoffwechseltes Lactat</translation>
    </message>
    <message>
        <source>Not yet: extracellular fluid is %1 % of body weight; follow the lactate over the 30 minutes after the race.</source>
        <translation>Noch nicht: Die extrazelluläre Flüssigkeit macht %1 % des Körpergewichts aus; betrachten Sie die Abnahme des Lactats in den 30 Minuten nach dem Lauf.</translation>
    </message>
    <message>
        <source>Glucose from 2 x lactate</source>
        <translation>Glucose aus 2 x Lactat</translation>
    </message>
    <message>
        <source>glucose</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>Glucose</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make glucose from 2 lactate.</source>
        <translation>Noch nicht: Zählen Sie jedes ATP, GTP und UTP, das für die Synthese von Glucose aus 2 Lactat verbraucht wird.</translation>
    </message>
    <message>
        <source>Liver glycogen from 2 x lactate</source>
        <translation>Leberglykogen aus 2 x Lactat</translation>
    </message>
    <message>
        <source>liver glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>Leberglykogen</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make liver glycogen from 2 lactate.</source>
        <translation>Noch nicht: Zählen Sie jedes ATP, GTP und UTP, das für die Synthese von Leberglykogen aus 2 Lactat verbraucht wird.</translation>
    </message>
    <message>
        <source>Muscle glycogen from 2 x lactate</source>
        <translation>Muskelglykogen aus 2 x Lactat</translation>
    </message>
    <message>
        <source>muscle glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>Muskelglykogen</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make muscle glycogen from 2 lactate.</source>
        <translation>Noch nicht: Zählen Sie jedes ATP, GTP und UTP, das für die Synthese von Muskelglykogen aus 2 Lactat verbraucht wird.</translation>
    </message>
    <message>
        <source>ATP required</source>
        <translation>Benötigtes ATP</translation>
    </message>
    <message>
        <source>Not yet: all of the lactate metabolised is to become muscle glycogen.</source>
        <translation>Noch nicht: Das gesamte verstoffwechselte Lactat soll zu Muskelglykogen werden.</translation>
    </message>
    <message>
        <source>Lactate to be oxidised</source>
        <translation>Zu oxidierendes Lactat</translation>
    </message>
    <message>
        <source>Not yet: the lactate is oxidised all the way to carbon dioxide and water, through lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle.</source>
        <translation>Noch nicht: Das Lactat wird über Lactatdehydrogenase, Pyruvatdehydrogenase und Citratzyklus vollständig zu Kohlendioxid und Wasser oxidiert.</translation>
    </message>
    <message>
        <source>Additional oxygen</source>
        <translation>Zusätzlicher Sauerstoff</translation>
    </message>
    <message>
        <source>Not yet: oxidation consumes %1 L of oxygen per gram of lactate, whose molecular mass is %2.</source>
        <translation>Noch nicht: Die Oxidation verbraucht %1 L Sauerstoff je Gramm Lactat; die Molekülmasse von Lactat beträgt %2.</translation>
    </message>
    <message>
        <source>Increase in oxygen consumption</source>
        <translation>Anstieg des Sauerstoffverbrauchs</translation>
    </message>
    <message>
        <source>Not yet: total energy expenditure is %1 MJ per day, and each litre of oxygen consumed yields %2 kJ.</source>
        <translation>Noch nicht: Der Gesamtenergieumsatz beträgt %1 MJ pro Tag, und jeder verbrauchte Liter Sauerstoff liefert %2 kJ.</translation>
    </message>
</context>
<context>
    <name>AnswerForm</name>
    <message>
        <source>Your answer to question %1</source>
        <translation>Ihre Antwort auf Frage %1</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>The button that has the answers typed judged: a command, not the noun.</extracomment>
        <translation>Überprüfen</translation>
    </message>
</context>
<context>
    <name>Attempt</name>
    <message>
        <source>The attempt has no start or update time.</source>
        <translation>Der Versuch hat keine Start- oder Aktualisierungszeit.</translation>
    </message>
    <message>
        <source>The attempt&apos;s stage, %1, is not one of 0 to %2.</source>
        <translation>Der Stand des Versuchs, %1, liegt nicht im Bereich von 0 bis %2.</translation>
    </message>
    <message>
        <source>The attempt has %1 checks, more than a record holds (%2).</source>
        <translation>Der Versuch enthält %1 Überprüfungen, mehr als ein Protokoll aufnehmen kann (%2).</translation>
    </message>
    <message>
        <source>The student&apos;s name or ID number is longer than a record holds.</source>
        <translation>Name oder ID-Nummer der oder des Studierenden ist länger, als ein Protokoll aufnehmen kann.</translation>
    </message>
    <message>
        <source>Check %1 of the attempt is not one a record holds.</source>
        <translation>Überprüfung %1 des Versuchs lässt sich nicht in einem Protokoll festhalten.</translation>
    </message>
</context>
<context>
    <name>AttemptDialog</name>
    <message>
        <source>Started %1; read from %2.</source>
        <extracomment>%1 is a date and time, %2 the file the record was read from.</extracomment>
        <translation>Begonnen am %1; eingelesen aus %2.</translation>
    </message>
    <message>
        <source>The exercise was finished.</source>
        <translation>Die Übung wurde abgeschlossen.</translation>
    </message>
    <message>
        <source>The exercise was left at question %1.</source>
        <translation>Die Übung wurde bei Frage %1 unterbrochen.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <extracomment>%n questions of %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>%n von %1 Fragen im ersten Anlauf richtig.</numerusform>
            <numerusform>%n von %1 Fragen im ersten Anlauf richtig.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record was edited. %1 The verdicts shown are the ones its entries earn.</source>
        <extracomment>%1 names the first check at fault, in a sentence of its own.</extracomment>
        <translation>Das Protokoll wurde verändert. %1 Angezeigt werden die Ergebnisse, die seine Eingaben erzielen.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>When a check was made.</extracomment>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Entry</source>
        <extracomment>What the student typed, as typed.</extracomment>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Verdict</source>
        <extracomment>What the entry earns, as the judge gives it.</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Edited</source>
        <extracomment>Why the record gives this check otherwise than the judge does.</extracomment>
        <translation>Verändert</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Überprüfungen</translation>
    </message>
    <message>
        <source>not a number</source>
        <extracomment>The verdict column of an entry the judge could not read as a number.</extracomment>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is the question&apos;s number, %2 its part: &quot;2, glucose&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Export result &amp;slip…</source>
        <translation>Ergebnis&amp;blatt exportieren…</translation>
    </message>
    <message>
        <source>Export result slip</source>
        <translation>Ergebnisblatt exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>No result slip was written. %1</source>
        <translation>Es wurde kein Ergebnisblatt geschrieben. %1</translation>
    </message>
    <message>
        <source>%1&apos;s attempt at subject %2</source>
        <translation>Versuch von %1 mit Proband %2</translation>
    </message>
    <message>
        <source>An attempt at subject %1, naming nobody</source>
        <translation>Versuch mit Proband %1, ohne Namen</translation>
    </message>
</context>
<context>
    <name>AttemptSummary</name>
    <message>
        <source>%1: not checked</source>
        <translation>%1: nicht überprüft</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4)</source>
        <extracomment>%1 names the question, %2 is the verdict&apos;s mark, %3 its words, %4 the entry.</extracomment>
        <translation>%1: %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4); last %5 %6 (%7)</source>
        <extracomment>The first verdict and entry of a question, then the last: %2 and %5 are marks.</extracomment>
        <translation>%1: %2 %3 (%4); zuletzt %5 %6 (%7)</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <extracomment>%2 is the part of the question: glucose, liver glycogen, muscle glycogen.</extracomment>
        <translation>Frage %1, %2</translation>
    </message>
    <message>
        <source>Answers of %1, the first try and the last:</source>
        <translation>Antworten von %1, im ersten und im letzten Anlauf:</translation>
    </message>
    <message>
        <source>Your answers, the first try and the last:</source>
        <translation>Ihre Antworten, im ersten und im letzten Anlauf:</translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 questions right at the first try.</source>
        <extracomment>%n questions of the %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>Punktzahl: %n von %1 Fragen im ersten Anlauf richtig.</numerusform>
            <numerusform>Punktzahl: %n von %1 Fragen im ersten Anlauf richtig.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Each question at the first try and at the last</source>
        <translation>Jede Frage im ersten und im letzten Anlauf</translation>
    </message>
    <message>
        <source>No attempts are read yet.</source>
        <translation>Noch keine Versuche eingelesen.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 names the question, %2 lists the outcomes with their counts: &quot;12 students right at the first try, 5 students close and 1 student not yet right&quot;.</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>ClassFigures</name>
    <message>
        <source>Right at the first try</source>
        <extracomment>An outcome in the key of the class&apos;s chart.</extracomment>
        <translation>Im ersten Anlauf richtig</translation>
    </message>
    <message>
        <source>Carried forward</source>
        <translation>Folgefehler</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The verdict: near the answer, but not within its tolerance.</extracomment>
        <translation>Knapp daneben</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Noch nicht</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Nicht überprüft</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) right at the first try</source>
        <extracomment>How many students of the class came to an outcome in one part of the exercise, as a screen reader says a bar of the class&apos;s chart.</extracomment>
        <translation>
            <numerusform>%n Studierender im ersten Anlauf richtig</numerusform>
            <numerusform>%n Studierende im ersten Anlauf richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) right at the last try</source>
        <translation>
            <numerusform>%n Studierender im letzten Anlauf richtig</numerusform>
            <numerusform>%n Studierende im letzten Anlauf richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) carried forward</source>
        <translation>
            <numerusform>%n Studierender mit Folgefehler</numerusform>
            <numerusform>%n Studierende mit Folgefehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) close</source>
        <extracomment>Close: near the answer, but not within its tolerance.</extracomment>
        <translation>
            <numerusform>%n Studierender knapp daneben</numerusform>
            <numerusform>%n Studierende knapp daneben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) not yet right</source>
        <translation>
            <numerusform>%n Studierender noch nicht richtig</numerusform>
            <numerusform>%n Studierende noch nicht richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n student(s). %2</source>
        <extracomment>%1 names the question; %n students met the slip; %2 is the slip&apos;s hint, a sentence of its own.</extracomment>
        <translation>
            <numerusform>%1: %n Studierender. %2</numerusform>
            <numerusform>%1: %n Studierende. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Right at the last try</source>
        <translation>Im letzten Anlauf richtig</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) who did not check this answer</source>
        <translation>
            <numerusform>%n Studierender, der diese Antwort nicht überprüft hat</numerusform>
            <numerusform>%n Studierende, die diese Antwort nicht überprüft haben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Known slips met, with how many students met each:</source>
        <translation>Aufgetretene typische Fehler, mit der Zahl der Studierenden je Fehler:</translation>
    </message>
    <message>
        <source>No known slip was met.</source>
        <translation>Kein typischer Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Each question at the first try and at the last, students counted:</source>
        <translation>Jede Frage im ersten und im letzten Anlauf, nach Zahl der Studierenden:</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n Studierender</numerusform>
            <numerusform>%n Studierende</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassSetPage</name>
    <message>
        <source>&amp;Random subjects, all different:</source>
        <translation>&amp;Zufällige Probanden, alle verschieden:</translation>
    </message>
    <message>
        <source>These subject &amp;codes:</source>
        <translation>Diese &amp;Probandencodes:</translation>
    </message>
    <message>
        <source>&amp;Worksheets to:</source>
        <translation>Arbeits&amp;blätter in:</translation>
    </message>
    <message>
        <source>Answer &amp;keys to:</source>
        <translation>&amp;Lösungsblätter in:</translation>
    </message>
    <message>
        <source>&amp;Write the class set</source>
        <translation>Klassensatz &amp;erstellen</translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation>Anzahl der Probanden</translation>
    </message>
    <message>
        <source>Subject codes, one a line</source>
        <translation>Probandencodes, einer pro Zeile</translation>
    </message>
    <message>
        <source>Worksheets file</source>
        <translation>Datei der Arbeitsblätter</translation>
    </message>
    <message>
        <source>Answer keys file</source>
        <translation>Datei der Lösungsblätter</translation>
    </message>
    <message>
        <source>Subjects</source>
        <extracomment>The invented people the worksheets are about, one for each student.</extracomment>
        <translation>Probanden</translation>
    </message>
    <message>
        <source>Sheets</source>
        <extracomment>The sheets of paper to write: worksheets and answer keys.</extracomment>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Arbeitsblätter</translation>
    </message>
    <message>
        <source>Answer keys</source>
        <translation>Lösungsblätter</translation>
    </message>
    <message>
        <source>Each subject starts on a page of its own, headed by its code, so that each student&apos;s pages can be handed out alone. Both files are written in full before either replaces anything.</source>
        <translation>Jeder Proband beginnt auf einer eigenen Seite mit seinem Code als Überschrift, sodass sich die Seiten jeder oder jedes Studierenden einzeln austeilen lassen. Beide Dateien werden erst vollständig erstellt, bevor eine von ihnen eine vorhandene Datei ersetzt.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Type the subject codes, one a line, or choose random subjects.</source>
        <translation>Geben Sie die Probandencodes ein, einen pro Zeile, oder wählen Sie zufällige Probanden.</translation>
    </message>
    <message>
        <source>Choose where to save the worksheets.</source>
        <translation>Wählen Sie, wo die Arbeitsblätter gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>Choose where to save the answer keys.</source>
        <translation>Wählen Sie, wo die Lösungsblätter gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>Choose the worksheets, the answer keys or both.</source>
        <translation>Wählen Sie die Arbeitsblätter, die Lösungsblätter oder beides.</translation>
    </message>
    <message>
        <source>The worksheets and the answer keys need files of their own.</source>
        <translation>Arbeitsblätter und Lösungsblätter brauchen jeweils eine eigene Datei.</translation>
    </message>
    <message>
        <source>Writing the class set…</source>
        <translation>Der Klassensatz wird erstellt…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Klassensatz</translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): the worksheets to %1 and the answer keys to %2.</source>
        <translation>
            <numerusform>Für %n Probanden erstellt: die Arbeitsblätter in %1 und die Lösungsblätter in %2.</numerusform>
            <numerusform>Für %n Probanden erstellt: die Arbeitsblätter in %1 und die Lösungsblätter in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): %1.</source>
        <translation>
            <numerusform>Für %n Probanden erstellt: %1.</numerusform>
            <numerusform>Für %n Probanden erstellt: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written, and what stood at those places is as it was.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben; was an diesen Speicherorten stand, ist unverändert.</translation>
    </message>
    <message>
        <source>Choose the file for the worksheets</source>
        <translation>Datei für die Arbeitsblätter auswählen</translation>
    </message>
    <message>
        <source>Choose the file for the answer keys</source>
        <translation>Datei für die Lösungsblätter auswählen</translation>
    </message>
</context>
<context>
    <name>ClassTable</name>
    <message>
        <source>yes</source>
        <extracomment>A cell of the class&apos;s table: whether the attempt was finished, edited or counted.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <translation>
            <numerusform>%n von %1 Fragen im ersten Anlauf richtig.</numerusform>
            <numerusform>%n von %1 Fragen im ersten Anlauf richtig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known slips met in %n question(s): %1.</source>
        <extracomment>%n questions, listed in %1: &quot;2 and 5&quot;.</extracomment>
        <translation>
            <numerusform>Typische Fehler in %n Frage: %1.</numerusform>
            <numerusform>Typische Fehler in %n Fragen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The student&apos;s name.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>nobody named</source>
        <extracomment>The name column of an attempt whose record names nobody.</extracomment>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>ID number</source>
        <extracomment>Moodle&apos;s word for the number a school knows a student by.</extracomment>
        <translation>ID-Nummer</translation>
    </message>
    <message>
        <source>Code</source>
        <extracomment>The subject&apos;s code, such as M72-0.8-12.4.</extracomment>
        <translation>Code</translation>
    </message>
    <message>
        <source>Started</source>
        <extracomment>When the student started the attempt: a date and time.</extracomment>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Questions right at the first try, &quot;4 of 6&quot;.</extracomment>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 questions right at the first try of %2.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Whether the student finished the attempt: yes or no.</extracomment>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Edited</source>
        <extracomment>Whether the record was changed by hand: yes or no.</extracomment>
        <translation>Verändert</translation>
    </message>
    <message>
        <source>Counted</source>
        <extracomment>Whether this attempt is the one that counts for its student: yes or no.</extracomment>
        <translation>Gewertet</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 %2: worked exercise on lactate clearance and oxygen debt after a sprint.
Without options it opens the exercise for a new, random subject.
Paper is A4, or Letter where the locale measures in US units.</source>
        <translation>%1 %2: durchgerechnete Übung zum Lactatabbau und zur Sauerstoffschuld nach einem Sprint.
Ohne Optionen öffnet das Programm die Übung für einen neuen, zufälligen Probanden.
Das Papierformat ist A4, oder Letter, wenn das Gebietsschema US-Maßeinheiten verwendet.</translation>
    </message>
    <message>
        <source>Displays help on command-line options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Starts with the subject of &lt;code&gt;, such as M72-0.8-12.4, instead of a random one. With --worksheet or --key it may be given several times, one subject each.</source>
        <translation>Beginnt mit dem Probanden zu &lt;code&gt;, etwa M72-0.8-12.4, statt mit einem zufälligen. Mit --worksheet oder --key kann die Option mehrfach angegeben werden, je einmal pro Proband.</translation>
    </message>
    <message>
        <source>Starts in practice mode, in which the student types the answers and has them checked.</source>
        <translation>Startet im Übungsmodus, in dem die oder der Studierende die Antworten eingibt und überprüfen lässt.</translation>
    </message>
    <message>
        <source>Practises as the student &lt;name&gt;, for this run, instead of the name this computer remembers or asks for.</source>
        <translation>Übt für diesen Programmlauf als die oder der Studierende &lt;name&gt;, statt unter dem Namen, den dieser Computer gespeichert hat oder erfragt.</translation>
    </message>
    <message>
        <source>With --student: the student&apos;s &lt;id&gt; number, as the school&apos;s gradebook knows it.</source>
        <translation>Mit --student: die ID-Nummer &lt;id&gt; der oder des Studierenden, unter der sie oder er in den Bewertungen der Hochschule geführt wird.</translation>
    </message>
    <message>
        <source>Writes the worksheet, the problem and the six questions with room to work under each, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Schreibt das Arbeitsblatt, also die Aufgabe und die sechs Fragen mit Platz zum Rechnen unter jeder Frage, als PDF nach &lt;file&gt; und beendet sich, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Writes the answer key, each question with its worked answer and both pathway diagrams, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Schreibt das Lösungsblatt, also jede Frage mit ihrer durchgerechneten Antwort und beide Schemata, als PDF nach &lt;file&gt; und beendet sich, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>With --worksheet or --key: a class set of &lt;n&gt; different random subjects, 1 to %1, each on pages of its own headed by its code.</source>
        <translation>Mit --worksheet oder --key: ein Klassensatz aus &lt;n&gt; verschiedenen zufälligen Probanden, 1 bis %1, jeder auf eigenen Seiten mit seinem Code als Überschrift.</translation>
    </message>
    <message>
        <source>With --collate: the CSV &lt;file&gt; to write, a line for each attempt: the student&apos;s name and ID number, the subject code, when the attempt started, each question&apos;s first and last verdicts, the score and whether it was finished, edited and counted.</source>
        <translation>Mit --collate: die zu schreibende CSV-Datei &lt;file&gt;, eine Zeile je Versuch: Name und ID-Nummer der oder des Studierenden, Probandencode, Beginn des Versuchs, erstes und letztes Ergebnis jeder Frage, Punktzahl und ob der Versuch abgeschlossen, verändert und gewertet wurde.</translation>
    </message>
    <message>
        <source>With --collate: the class report, as PDF to &lt;file&gt;: for each question how many students were right at the first try and at the last, the known slips met, and a table of the students.</source>
        <translation>Mit --collate: der Klassenbericht als PDF nach &lt;file&gt;: für jede Frage, wie viele Studierende im ersten und im letzten Anlauf richtig lagen, die aufgetretenen typischen Fehler und eine Tabelle der Studierenden.</translation>
    </message>
    <message>
        <source>Speaks the language of &lt;code&gt;, one of %1, instead of the desktop&apos;s: pt or pt_BR for Brazilian Portuguese.</source>
        <translation>Verwendet die Sprache &lt;code&gt;, eine von %1, statt der Sprache des Desktops: pt oder pt_BR für brasilianisches Portugiesisch.</translation>
    </message>
    <message>
        <source>Writes the result slip of the practice record of --record, its entries, verdicts and score on one page, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Schreibt das Ergebnisblatt des Übungsprotokolls von --record, also seine Eingaben, Ergebnisse und Punktzahl auf einer Seite, als PDF nach &lt;file&gt; und beendet sich, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>With --result-slip: the practice record &lt;file&gt; to read.</source>
        <translation>Mit --result-slip: das zu lesende Übungsprotokoll &lt;file&gt;.</translation>
    </message>
    <message>
        <source>With --collate or --teacher: practice records (.json), or folders of them.</source>
        <translation>Mit --collate oder --teacher: Übungsprotokolle (.json) oder Ordner mit solchen.</translation>
    </message>
    <message>
        <source>--collate reads practice records; it does not go with --%1.</source>
        <translation>--collate liest Übungsprotokolle; es lässt sich nicht mit --%1 kombinieren.</translation>
    </message>
    <message>
        <source>--collate needs practice records to read: files, or folders of them.</source>
        <translation>--collate braucht Übungsprotokolle zum Lesen: Dateien oder Ordner mit solchen.</translation>
    </message>
    <message>
        <source>--result-slip writes the slip of one practice record; it does not go with --%1.</source>
        <translation>--result-slip schreibt das Ergebnisblatt eines Übungsprotokolls; es lässt sich nicht mit --%1 kombinieren.</translation>
    </message>
    <message>
        <source>--record is read for --result-slip; give --result-slip and its file.</source>
        <translation>--record wird nur für --result-slip gelesen; geben Sie --result-slip mit der zugehörigen Datei an.</translation>
    </message>
    <message>
        <source>--result-slip needs the practice record to read; give --record.</source>
        <translation>--result-slip braucht das zu lesende Übungsprotokoll; geben Sie --record an.</translation>
    </message>
    <message>
        <source>--result-slip names the record itself, %1; write the slip to a file of its own.</source>
        <translation>--result-slip gibt das Protokoll selbst an (%1); schreiben Sie das Ergebnisblatt in eine eigene Datei.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>--csv is the table of --collate; give --collate and the records too.</source>
        <translation>--csv ist die Tabelle von --collate; geben Sie auch --collate und die Protokolle an.</translation>
    </message>
    <message>
        <source>--report is the report of --collate; give --collate and the records too.</source>
        <translation>--report ist der Bericht von --collate; geben Sie auch --collate und die Protokolle an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;; only --collate and --teacher take files without an option.</source>
        <translation>Unerwartetes Argument „%1“; nur --collate und --teacher nehmen Dateien ohne Option an.</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>--teacher opens the teacher&apos;s window; it does not go with --%1.</source>
        <translation>--teacher öffnet das Fenster für Lehrende; es lässt sich nicht mit --%1 kombinieren.</translation>
    </message>
    <message>
        <source>--student-id goes with --student and the student&apos;s name.</source>
        <translation>--student-id ist nur zusammen mit --student und dem Namen der oder des Studierenden möglich.</translation>
    </message>
    <message>
        <source>--student names who practises in the window; it does not go with --worksheet or --key.</source>
        <translation>--student nennt, wer im Fenster übt; es lässt sich nicht mit --worksheet oder --key kombinieren.</translation>
    </message>
    <message>
        <source>--count makes a class set on paper; give --worksheet or --key.</source>
        <translation>--count erzeugt einen Klassensatz auf Papier; geben Sie --worksheet oder --key an.</translation>
    </message>
    <message>
        <source>The window shows one subject; give --subject once, or several with --worksheet or --key.</source>
        <translation>Das Fenster zeigt einen einzigen Probanden; geben Sie --subject einmal an oder, mit --worksheet oder --key, mehrmals.</translation>
    </message>
    <message>
        <source>--practice is for the window; it does not go with --worksheet or --key.</source>
        <translation>--practice ist für das Fenster gedacht; es lässt sich nicht mit --worksheet oder --key kombinieren.</translation>
    </message>
    <message>
        <source>--worksheet and --key name the same file, %1.</source>
        <translation>--worksheet und --key geben dieselbe Datei an: %1.</translation>
    </message>
    <message>
        <source>--count draws random subjects and --subject names them; give one or the other.</source>
        <translation>--count zieht zufällige Probanden, und --subject nennt sie; geben Sie das eine oder das andere an.</translation>
    </message>
    <message>
        <source>--count takes a whole number of subjects, 1 to %1, not &quot;%2&quot;.</source>
        <translation>--count erwartet eine ganze Zahl von Probanden, 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Weitere Informationen erhalten Sie mit „%1 --help“.</translation>
    </message>
    <message>
        <source>Cannot read the subject code &quot;%1&quot;. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>Der Probandencode „%1“ ist nicht lesbar. %2</translation>
    </message>
    <message>
        <source>The name given with --student cannot be taken. %1</source>
        <extracomment>%1 says what is wrong with the name, in a sentence of its own.</extracomment>
        <translation>Der mit --student angegebene Name kann nicht übernommen werden. %1</translation>
    </message>
    <message>
        <source>The ID number given with --student-id cannot be taken. %1</source>
        <extracomment>%1 says what is wrong with the ID number, in a sentence of its own.</extracomment>
        <translation>Die mit --student-id angegebene ID-Nummer kann nicht übernommen werden. %1</translation>
    </message>
    <message>
        <source>Reads the practice records given as arguments, files or folders of them, judges each check again from its entry, and writes the table of --csv, the gradebook file of --gradebook, the report of --report, or several of them. A record that cannot be read, or was edited, is named. Exits without opening a window.</source>
        <translation>Liest die als Argumente angegebenen Übungsprotokolle (Dateien oder Ordner mit solchen), beurteilt jede Überprüfung anhand ihrer Eingabe neu und schreibt die Tabelle von --csv, die Bewertungsdatei von --gradebook, den Bericht von --report oder mehrere davon. Ein Protokoll, das nicht lesbar ist oder verändert wurde, wird gemeldet. Beendet sich, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Hands practice attempts in to the folder &lt;dir&gt; for this run, whatever this computer&apos;s settings say: each attempt&apos;s record is kept there too, after every check.</source>
        <translation>Gibt die Übungsversuche dieses Programmlaufs in den Ordner &lt;dir&gt; ab, unabhängig von den Einstellungen dieses Computers: Das Protokoll jedes Versuchs wird nach jeder Überprüfung auch dort gespeichert.</translation>
    </message>
    <message>
        <source>With --teacher: watches the folder &lt;dir&gt; that students hand in to, and shows each record as it arrives or changes.</source>
        <translation>Mit --teacher: überwacht den Ordner &lt;dir&gt;, in den die Studierenden abgeben, und zeigt jedes Protokoll an, sobald es eintrifft oder sich ändert.</translation>
    </message>
    <message>
        <source>Opens %1 for teachers, for class sets and the records handed in, with the records given as arguments, files or folders of them.</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Öffnet %1 für Lehrende, für Klassensätze und abgegebene Protokolle, mit den als Argumente angegebenen Protokollen (Dateien oder Ordner mit solchen).</translation>
    </message>
    <message>
        <source>--collate writes the class&apos;s table, a file for the gradebook, a report, or more than one of them; give --csv, --gradebook, --report or several, each with its file.</source>
        <translation>--collate schreibt die Tabelle der Klasse, eine Bewertungsdatei, einen Bericht oder mehreres davon; geben Sie --csv, --gradebook, --report oder mehrere davon an, jeweils mit der zugehörigen Datei.</translation>
    </message>
    <message>
        <source>--%1 and --%2 name the same file, %3.</source>
        <translation>--%1 und --%2 geben dieselbe Datei an: %3.</translation>
    </message>
    <message>
        <source>--gradebook is the gradebook file of --collate; give --collate and the records too.</source>
        <translation>--gradebook ist die Bewertungsdatei von --collate; geben Sie auch --collate und die Protokolle an.</translation>
    </message>
    <message>
        <source>--watch is for the teacher&apos;s window; give --teacher too.</source>
        <translation>--watch ist für das Fenster für Lehrende gedacht; geben Sie auch --teacher an.</translation>
    </message>
    <message>
        <source>--%1 names %2, which is not a folder.</source>
        <translation>--%1 gibt %2 an; das ist kein Ordner.</translation>
    </message>
    <message>
        <source>--hand-in is for practice in the window; it does not go with --worksheet or --key.</source>
        <translation>--hand-in ist für das Üben im Fenster gedacht; es lässt sich nicht mit --worksheet oder --key kombinieren.</translation>
    </message>
    <message>
        <source>%1: the window cannot open, as there is no display to show it on. --worksheet and --key write their PDF files without one.</source>
        <extracomment>%1 is the program&apos;s name, as the command line starts it.</extracomment>
        <translation>%1: Das Fenster kann nicht geöffnet werden, weil keine Anzeige vorhanden ist. --worksheet und --key schreiben ihre PDF-Dateien auch ohne Anzeige.</translation>
    </message>
    <message>
        <source>With --collate: the CSV &lt;file&gt; to import into the gradebook, a line for each student: the ID number, the name, the score of the attempt that counts and a short feedback. A student whom the gradebook could not find by the ID number (none given, one given to two students, or one that a spreadsheet would read as a formula) is left out, and named.</source>
        <translation>Mit --collate: die CSV-Datei &lt;file&gt; zum Import in die Bewertungen, eine Zeile pro Person: ID-Nummer, Name, Punktzahl des gewerteten Versuchs und ein kurzes Feedback. Studierende, die sich in den Bewertungen nicht über die ID-Nummer zuordnen ließen (weil keine angegeben ist, dieselbe bei zwei Studierenden steht oder eine Tabellenkalkulation sie als Formel lesen würde), bleiben unberücksichtigt und werden namentlich gemeldet.</translation>
    </message>
    <message>
        <source>--%1 names a practice record, %2; give it a file of its own to write.</source>
        <translation>--%1 gibt das Übungsprotokoll %2 an; geben Sie als Ausgabe eine eigene Datei an.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>glucose</source>
        <extracomment>The name of a compound as a label of a pathway diagram: short, as it has little room.</extracomment>
        <translation>Glucose</translation>
    </message>
    <message>
        <source>glucose 6-phosphate</source>
        <translation>Glucose-6-phosphat</translation>
    </message>
    <message>
        <source>glycogen</source>
        <translation>Glykogen</translation>
    </message>
    <message>
        <source>2 x lactate</source>
        <translation>2 x Lactat</translation>
    </message>
    <message>
        <source>2 x pyruvate</source>
        <translation>2 x Pyruvat</translation>
    </message>
    <message>
        <source>lactate</source>
        <translation>Lactat</translation>
    </message>
    <message>
        <source>pyruvate</source>
        <translation>Pyruvat</translation>
    </message>
    <message>
        <source>acetyl CoA</source>
        <translation>Acetyl-CoA</translation>
    </message>
    <message>
        <source>oxaloacetate</source>
        <translation>Oxalacetat</translation>
    </message>
    <message>
        <source>citrate</source>
        <translation>Citrat</translation>
    </message>
    <message>
        <source>isocitrate</source>
        <translation>Isocitrat</translation>
    </message>
    <message>
        <source>α-ketoglutarate</source>
        <translation>α-Ketoglutarat</translation>
    </message>
    <message>
        <source>succinyl CoA</source>
        <translation>Succinyl-CoA</translation>
    </message>
    <message>
        <source>succinate</source>
        <translation>Succinat</translation>
    </message>
    <message>
        <source>fumarate</source>
        <translation>Fumarat</translation>
    </message>
    <message>
        <source>malate</source>
        <translation>Malat</translation>
    </message>
    <message>
        <source>~2.5 ATP</source>
        <extracomment>About 2.5 ATP for each NADH: write the number as your language writes decimals.</extracomment>
        <translation>~2,5 ATP</translation>
    </message>
    <message>
        <source>~1.5 ATP</source>
        <translation>~1,5 ATP</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>Nothing is typed here.</source>
        <translation>Hier ist nichts eingegeben.</translation>
    </message>
    <message>
        <source>This is too long for one number (%1 characters).</source>
        <translation>Das ist zu lang für eine Zahl (%1 Zeichen).</translation>
    </message>
    <message>
        <source>%1 has digits other than 0 to 9.</source>
        <translation>%1 enthält andere Ziffern als 0 bis 9.</translation>
    </message>
    <message>
        <source>%1 is not a number; type it in digits, like 12.5.</source>
        <translation>%1 ist keine Zahl; geben Sie sie in Ziffern ein, etwa 12,5.</translation>
    </message>
    <message>
        <source>%1 is written with an exponent; type the number in full.</source>
        <translation>%1 ist in Exponentialschreibweise angegeben; geben Sie die Zahl ausgeschrieben ein.</translation>
    </message>
    <message>
        <source>%1 is not a number; type digits and at most one decimal point or comma.</source>
        <translation>%1 ist keine Zahl; geben Sie Ziffern und höchstens ein Dezimalkomma oder einen Dezimalpunkt ein.</translation>
    </message>
    <message>
        <source>%1 holds more than one number; type one.</source>
        <translation>%1 enthält mehr als eine Zahl; geben Sie nur eine ein.</translation>
    </message>
    <message>
        <source>%1 has a blank inside; type one number, without thousands separators.</source>
        <translation>%1 enthält ein Leerzeichen; geben Sie eine einzige Zahl ohne Tausendertrennzeichen ein.</translation>
    </message>
    <message>
        <source>%1 has more than one point or comma; type it without thousands separators, with one decimal point or comma.</source>
        <translation>%1 enthält mehr als ein Trennzeichen (Punkt oder Komma); geben Sie die Zahl ohne Tausendertrennzeichen ein, mit einem einzigen Dezimalkomma oder Dezimalpunkt.</translation>
    </message>
    <message>
        <source>The comma in %1 could be a thousands separator or a decimal comma; type the number without it, or with a decimal point.</source>
        <translation>Das Komma in %1 könnte ein Tausendertrennzeichen oder ein Dezimalkomma sein; geben Sie die Zahl ohne Komma oder mit einem Dezimalpunkt ein.</translation>
    </message>
    <message>
        <source>%1 is far too large for this answer; check the digits.</source>
        <translation>%1 ist für diese Antwort viel zu groß; überprüfen Sie die Ziffern.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a unit of this answer, which takes %2, or no unit.</source>
        <translation>„%1“ ist keine Einheit dieser Antwort; zulässig sind %2 oder keine Einheit.</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>You are considering a man who weighs %1 kg. He  has just completed a 100 m sprint.</source>
        <extracomment>%1 is the subject&apos;s weight. The doubled blank is the English exercise&apos;s own.</extracomment>
        <translation>Sie betrachten einen Mann, der %1 kg wiegt. Er ist soeben einen 100-m-Sprint gelaufen.</translation>
    </message>
    <message>
        <source>You are considering a woman who weighs %1 kg. She  has just completed a 100 m sprint.</source>
        <translation>Sie betrachten eine Frau, die %1 kg wiegt. Sie ist soeben einen 100-m-Sprint gelaufen.</translation>
    </message>
    <message>
        <source>Before the race his plasma lactate was %1 mmol /L</source>
        <translation>Vor dem Lauf betrug sein Plasmalactat %1 mmol/L</translation>
    </message>
    <message>
        <source>Before the race her plasma lactate was %1 mmol /L</source>
        <translation>Vor dem Lauf betrug ihr Plasmalactat %1 mmol/L</translation>
    </message>
    <message>
        <source>Immediately after the race  his  plasma lactate was %1 mmol /L</source>
        <extracomment>The doubled blanks are the English exercise&apos;s own.</extracomment>
        <translation>Unmittelbar nach dem Lauf betrug sein Plasmalactat %1 mmol/L</translation>
    </message>
    <message>
        <source>Immediately after the race  her  plasma lactate was %1 mmol /L</source>
        <translation>Unmittelbar nach dem Lauf betrug ihr Plasmalactat %1 mmol/L</translation>
    </message>
    <message>
        <source>30 minutes later  his  plasma lactate was %1 mmol /L</source>
        <extracomment>The doubled blanks are the English exercise&apos;s own.</extracomment>
        <translation>30 Minuten später betrug sein Plasmalactat %1 mmol/L</translation>
    </message>
    <message>
        <source>30 minutes later  her  plasma lactate was %1 mmol /L</source>
        <translation>30 Minuten später betrug ihr Plasmalactat %1 mmol/L</translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that he has metabolised in 30 minutes?</source>
        <extracomment>%1 is a percentage.</extracomment>
        <translation>Angenommen, die extrazelluläre Flüssigkeit macht %1 % des Körpergewichts aus:
Wie viel Lactat hat er in den 30 Minuten insgesamt verstoffwechselt?</translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that she has metabolised in 30 minutes?</source>
        <translation>Angenommen, die extrazelluläre Flüssigkeit macht %1 % des Körpergewichts aus:
Wie viel Lactat hat sie in den 30 Minuten insgesamt verstoffwechselt?</translation>
    </message>
    <message>
        <source>Extracellular fluid = %1 x %2 = %3 L   (You can assume that 1 kg of ecf = 1 L)</source>
        <extracomment>%1 is the share of body weight, %2 the weight, %3 the volume of extracellular fluid.</extracomment>
        <translation>Extrazelluläre Flüssigkeit (EZF) = %1 x %2 = %3 L   (Sie können annehmen: 1 kg EZF = 1 L)</translation>
    </message>
    <message>
        <source>Over 30 min his plasma lactate falls by %1 mmol/L</source>
        <translation>In 30 min fällt sein Plasmalactat um %1 mmol/L</translation>
    </message>
    <message>
        <source>Over 30 min her plasma lactate falls by %1 mmol/L</source>
        <translation>In 30 min fällt ihr Plasmalactat um %1 mmol/L</translation>
    </message>
    <message>
        <source>Total lactate metabolised = %1 x %2 = %3 mmol</source>
        <translation>Insgesamt verstoffwechseltes Lactat = %1 x %2 = %3 mmol</translation>
    </message>
    <message>
        <source>Most of this lactate will be taken up by the liver and used for gluconeogenesis.</source>
        <translation>Der größte Teil dieses Lactats wird von der Leber aufgenommen und für die Gluconeogenese verwendet.</translation>
    </message>
    <message>
        <source>Some will be used for synthesis of liver glycogen, but most will be released from the liver as glucose
and used for glycogen synthesis in muscle.</source>
        <translation>Ein Teil dient der Synthese von Leberglykogen, der größte Teil aber wird von der Leber als Glucose
abgegeben und im Muskel für die Glykogensynthese verwendet.</translation>
    </message>
    <message>
        <source>What is the total cost in ATP (summing ATP, GTP and UTP) for synthesis of:</source>
        <translation>Wie hoch sind die Gesamtkosten in ATP (Summe aus ATP, GTP und UTP) für die Synthese von:</translation>
    </message>
    <message>
        <source>glucose from 2 x lactate</source>
        <extracomment>The three products of question 2, each a line of their own under the question.</extracomment>
        <translation>Glucose aus 2 x Lactat</translation>
    </message>
    <message>
        <source>liver glycogen from 2 x lactate</source>
        <translation>Leberglykogen aus 2 x Lactat</translation>
    </message>
    <message>
        <source>muscle glycogen from 2 x lactate</source>
        <translation>Muskelglykogen aus 2 x Lactat</translation>
    </message>
    <message>
        <source>Synthesis of glucose from 2 x lactate uses %1 x ATP</source>
        <translation>Die Synthese von Glucose aus 2 x Lactat verbraucht %1 x ATP</translation>
    </message>
    <message>
        <source>Synthesis of liver glycogen from 2 x lactate uses %1 x ATP</source>
        <translation>Die Synthese von Leberglykogen aus 2 x Lactat verbraucht %1 x ATP</translation>
    </message>
    <message>
        <source>Synthesis of muscle glycogen from 2 x lactate uses %1 x ATP</source>
        <translation>Die Synthese von Muskelglykogen aus 2 x Lactat verbraucht %1 x ATP</translation>
    </message>
    <message>
        <source>Although gluconogenesis from pyruvate requires NADH, this is provided by the oxidation of lactate to pyruvate.</source>
        <extracomment>&quot;gluconogenesis&quot; is the English exercise&apos;s own slip for gluconeogenesis: write the word correctly. The NADH that gluconeogenesis uses is supplied by the oxidation of lactate.</extracomment>
        <translation>Die Gluconeogenese aus Pyruvat benötigt zwar NADH,
doch dieses wird durch die Oxidation von Lactat zu Pyruvat geliefert.</translation>
    </message>
    <message>
        <source>How much ATP would be required to convert all of the lactate that has been metabolised to muscle glycogen?</source>
        <translation>Wie viel ATP wäre nötig, um das gesamte verstoffwechselte Lactat in Muskelglykogen umzuwandeln?</translation>
    </message>
    <message>
        <source>%1 mmol of lactate has been metabolised; this will require (%2 / 2 x %3 ) = %4 mmol ATP</source>
        <extracomment>%1 and %2 are the lactate metabolised, %3 the ATP for 2 lactate, %4 the ATP required.</extracomment>
        <translation>%1 mmol Lactat wurden verstoffwechselt; dafür sind (%2 / 2 x %3) = %4 mmol ATP nötig</translation>
    </message>
    <message>
        <source> How much lactate must undergo total oxidation to carbon dioxide and water
(via lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle) to provide this ATP?</source>
        <extracomment>The leading blank is the English exercise&apos;s own.</extracomment>
        <translation>Wie viel Lactat muss vollständig zu Kohlendioxid und Wasser oxidiert werden
(über Lactatdehydrogenase, Pyruvatdehydrogenase und den Citratzyklus), um dieses ATP bereitzustellen?</translation>
    </message>
    <message>
        <source>1 mol of lactate oxidised to pyruvate yields %1 x NADH =~%2 ATP</source>
        <extracomment>%1 NADH, each worth about %2 ATP.</extracomment>
        <translation>1 mol Lactat, zu Pyruvat oxidiert, liefert %1 x NADH =~%2 ATP</translation>
    </message>
    <message>
        <source>1 mol of pyruvate oxidised to acetyl CoA yields %1 x NADH =~%2 ATP</source>
        <translation>1 mol Pyruvat, zu Acetyl-CoA oxidiert, liefert %1 x NADH =~%2 ATP</translation>
    </message>
    <message>
        <source>1 mol of acetate oxidised in the citric acid cycle yields:</source>
        <translation>1 mol Acetyl-CoA, im Citratzyklus oxidiert, liefert:</translation>
    </message>
    <message>
        <source>%1 x NADH =~%2 ATP</source>
        <extracomment>What the citric acid cycle yields, a line each under the line before.</extracomment>
        <translation>%1 x NADH =~%2 ATP</translation>
    </message>
    <message>
        <source>%1 x FADH =~%2 ATP</source>
        <extracomment>&quot;FADH&quot; is the English exercise&apos;s own for FADH2: write FADH2.</extracomment>
        <translation>%1 x FADH2 =~%2 ATP</translation>
    </message>
    <message>
        <source>%1 x GTP = %2 ATP</source>
        <translation>%1 x GTP = %2 ATP</translation>
    </message>
    <message>
        <source>Total %1 ATP produced per lactate oxidised; he needs %2mmol ATP
therefore he must oxidise %3/%4 = %5 mmol lactate.</source>
        <extracomment>%1 and %4 are the ATP per lactate, %2 and %3 the ATP needed, %5 the lactate to oxidise.</extracomment>
        <translation>Insgesamt %1 ATP je oxidiertem Lactat; er benötigt %2 mmol ATP,
also muss er %3/%4 = %5 mmol Lactat oxidieren.</translation>
    </message>
    <message>
        <source>Total %1 ATP produced per lactate oxidised; she needs %2mmol ATP
therefore she must oxidise %3/%4 = %5 mmol lactate.</source>
        <translation>Insgesamt %1 ATP je oxidiertem Lactat; sie benötigt %2 mmol ATP,
also muss sie %3/%4 = %5 mmol Lactat oxidieren.</translation>
    </message>
    <message>
        <source>The oxidation of lactate, like that of glucose, consumes %1 L of oxygen per gram.</source>
        <translation>Die Oxidation von Lactat verbraucht wie die von Glucose %1 L Sauerstoff je Gramm.</translation>
    </message>
    <message>
        <source>The molecular mass of lactate is %1.</source>
        <translation>Die Molekülmasse von Lactat beträgt %1.</translation>
    </message>
    <message>
        <source>What is his additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation>Wie hoch ist sein zusätzlicher Sauerstoffverbrauch (in L) in den 30 Minuten nach dem Ende des Laufs?</translation>
    </message>
    <message>
        <source>What is her additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation>Wie hoch ist ihr zusätzlicher Sauerstoffverbrauch (in L) in den 30 Minuten nach dem Ende des Laufs?</translation>
    </message>
    <message>
        <source>%1 mmol lactate = %2x %3  = %4 mg</source>
        <extracomment>%1 and %2 are the lactate to oxidise, %3 its molecular mass, %4 its mass. The doubled blank is the English exercise&apos;s own.</extracomment>
        <translation>%1 mmol Lactat = %2 x %3 = %4 mg</translation>
    </message>
    <message>
        <source>Additional oxygen consumed = (%1 / 1000) x %2 = %3 L</source>
        <translation>Zusätzlich verbrauchter Sauerstoff = (%1 / 1000) x %2 = %3 L</translation>
    </message>
    <message>
        <source>This is oxygen debt - the extra oxygen that is consumed in the metabolism of lactate to provide
the ATP that is required for gluconeogenesis and the formation of glycogen.</source>
        <translation>Das ist die Sauerstoffschuld: der zusätzliche Sauerstoff, der beim Lactatabbau verbraucht wird,
um das ATP für die Gluconeogenese und die Glykogenbildung bereitzustellen.</translation>
    </message>
    <message>
        <source>Assuming that his total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in his oxygen consumption during this 30 minutes?</source>
        <extracomment>%1 is the total energy expenditure, %2 the energy each litre of oxygen yields. &quot;perday&quot; and &quot;pecentage&quot; are the English exercise&apos;s own slips: write &quot;per day&quot; and &quot;percentage&quot; correctly.</extracomment>
        <translation>Angenommen, sein Gesamtenergieumsatz beträgt %1 MJ pro Tag
und der Energieertrag liegt unabhängig vom verstoffwechselten Substrat bei %2 kJ je L verbrauchten Sauerstoffs:
Um wie viel Prozent steigt sein Sauerstoffverbrauch in diesen 30 Minuten?</translation>
    </message>
    <message>
        <source>Assuming that her total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in her oxygen consumption during this 30 minutes?</source>
        <translation>Angenommen, ihr Gesamtenergieumsatz beträgt %1 MJ pro Tag
und der Energieertrag liegt unabhängig vom verstoffwechselten Substrat bei %2 kJ je L verbrauchten Sauerstoffs:
Um wie viel Prozent steigt ihr Sauerstoffverbrauch in diesen 30 Minuten?</translation>
    </message>
    <message>
        <source>total oxygen consumed = total energy expenditure (MJ) x 1000 / %1 = %2x 1000 / %3 = %4 L oxygen /day</source>
        <extracomment>%1 and %3 are the kJ per litre of oxygen, %2 the energy expenditure, %4 the litres a day.</extracomment>
        <translation>Gesamter Sauerstoffverbrauch = Gesamtenergieumsatz (MJ) x 1000 / %1
= %2 x 1000 / %3 = %4 L Sauerstoff/Tag</translation>
    </message>
    <message>
        <source>= %1 /%2 = %3 L oxygen per 30 minutes</source>
        <extracomment>%1 is the litres a day, %2 the half hours of a day, %3 the litres per 30 minutes.</extracomment>
        <translation>= %1 / %2 = %3 L Sauerstoff je 30 Minuten</translation>
    </message>
    <message>
        <source>percent increase in oxygen consumption = 100 x %1 / %2= %3%</source>
        <extracomment>%1 is the additional oxygen, %2 the litres per 30 minutes, %3 the percentage.</extracomment>
        <translation>Prozentualer Anstieg des Sauerstoffverbrauchs = 100 x %1 / %2 = %3 %</translation>
    </message>
    <message>
        <source>%1 calculation</source>
        <extracomment>The title of every window and the head of every page; %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>%1-Rechenübung</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Questions</source>
        <extracomment>The pane that holds the problem and the questions posed so far.</extracomment>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>The pane that shows a worked answer (a noun).</extracomment>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>See answer 1</source>
        <translation>Antwort 1 anzeigen</translation>
    </message>
    <message>
        <source>end</source>
        <extracomment>The button that ends the program, written in small letters as the program always has.</extracomment>
        <translation>beenden</translation>
    </message>
    <message>
        <source>Hide answer 1</source>
        <translation>Antwort 1 ausblenden</translation>
    </message>
    <message>
        <source>See answer 2</source>
        <translation>Antwort 2 anzeigen</translation>
    </message>
    <message>
        <source>Hide answer 2</source>
        <translation>Antwort 2 ausblenden</translation>
    </message>
    <message>
        <source>See pathway 1</source>
        <translation>Schema 1 anzeigen</translation>
    </message>
    <message>
        <source>See answer 3</source>
        <translation>Antwort 3 anzeigen</translation>
    </message>
    <message>
        <source>Hide answer 3</source>
        <translation>Antwort 3 ausblenden</translation>
    </message>
    <message>
        <source>See pathway 2</source>
        <translation>Schema 2 anzeigen</translation>
    </message>
    <message>
        <source>See answer 4</source>
        <translation>Antwort 4 anzeigen</translation>
    </message>
    <message>
        <source>Hide answer 4</source>
        <translation>Antwort 4 ausblenden</translation>
    </message>
    <message>
        <source>See answer 5</source>
        <translation>Antwort 5 anzeigen</translation>
    </message>
    <message>
        <source>Hide answer 5</source>
        <translation>Antwort 5 ausblenden</translation>
    </message>
    <message>
        <source>See answer 6</source>
        <translation>Antwort 6 anzeigen</translation>
    </message>
    <message>
        <source>Hide answer 6</source>
        <translation>Antwort 6 ausblenden</translation>
    </message>
</context>
<context>
    <name>FolderWatch</name>
    <message>
        <source>The watched folder %1 cannot be reached. What was read of it stays; watching goes on, and it is read again when it is back.</source>
        <extracomment>%1 is a folder; it was deleted, or the share it is on went offline.</extracomment>
        <translation>Der überwachte Ordner %1 ist nicht erreichbar. Was bereits daraus eingelesen wurde, bleibt erhalten; die Überwachung läuft weiter, und der Ordner wird erneut eingelesen, sobald er wieder erreichbar ist.</translation>
    </message>
    <message>
        <source>The file is a link to a place outside the folder, and it was not followed.</source>
        <extracomment>Follows a sentence that names the file.</extracomment>
        <translation>Die Datei ist ein Link auf einen Ort außerhalb des Ordners; dem Link wurde nicht gefolgt.</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Reset zoom</source>
        <translation>Zoom &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>An Fenstergröße &amp;anpassen</translation>
    </message>
    <message>
        <source>Zoom %1 %, fitted to the window</source>
        <translation>Zoom %1 %, an das Fenster angepasst</translation>
    </message>
    <message>
        <source>Zoom %1 %, as the screen allows</source>
        <translation>Zoom %1 %, so weit der Bildschirm es zulässt</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>The window&apos;s context menu.</extracomment>
        <translation>Menü</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>%1-Logo</translation>
    </message>
</context>
<context>
    <name>Gradebook</name>
    <message>
        <source>%1 is left out of the gradebook file: the attempt gives no ID number, by which the gradebook finds a student.</source>
        <extracomment>%1 is a student&apos;s name, or the record&apos;s file where it names nobody.</extracomment>
        <translation>%1 bleibt in der Bewertungsdatei unberücksichtigt: Der Versuch enthält keine ID-Nummer, über die Studierende in den Bewertungen zugeordnet werden.</translation>
    </message>
    <message>
        <source>ID number %1 is left out of the gradebook file: it is given to more than one student (%2).</source>
        <extracomment>%1 is an ID number, %2 the names the records give with it: &quot;Ana and Ben&quot;.</extracomment>
        <translation>Die ID-Nummer %1 bleibt in der Bewertungsdatei unberücksichtigt: Sie ist bei mehreren Studierenden angegeben (%2).</translation>
    </message>
    <message>
        <source>%1 is left out of the gradebook file: the ID number &quot;%2&quot; would be read as a formula or holds a control character, and the gradebook would find nobody by it.</source>
        <extracomment>%1 is a student&apos;s name, %2 the ID number.</extracomment>
        <translation>%1 bleibt in der Bewertungsdatei unberücksichtigt: Die ID-Nummer „%2“ würde als Formel gelesen oder enthält ein Steuerzeichen, sodass sich in den Bewertungen niemand darüber zuordnen ließe.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Handing in to %1…</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Wird in %1 abgegeben…</translation>
    </message>
    <message>
        <source>Handed in to %1 at %2.</source>
        <extracomment>%1 is a folder, %2 a time of day.</extracomment>
        <translation>Um %2 in %1 abgegeben.</translation>
    </message>
    <message>
        <source>Your attempt is not handed in. %1 It is kept on this computer, and handed in at the next check.</source>
        <extracomment>%1 says why, in a sentence of its own that names the folder.</extracomment>
        <translation>Ihr Versuch wurde nicht abgegeben. %1 Er bleibt auf diesem Computer gespeichert und wird bei der nächsten Überprüfung abgegeben.</translation>
    </message>
</context>
<context>
    <name>HandInFolder</name>
    <message>
        <source>The hand-in folder %1 cannot be reached.</source>
        <extracomment>A hand-in folder on a USB stick that was pulled, or a share that is offline.</extracomment>
        <translation>Der Abgabeordner %1 ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The hand-in folder %1 names a file, not a folder.</source>
        <translation>Der als Abgabeordner angegebene Pfad %1 ist eine Datei, kein Ordner.</translation>
    </message>
</context>
<context>
    <name>HandedIn</name>
    <message>
        <source>The folder holds no practice records (*.json).</source>
        <extracomment>Follows a sentence that names the folder.</extracomment>
        <translation>Der Ordner enthält keine Übungsprotokolle (*.json).</translation>
    </message>
    <message>
        <source>Records read: %1; students: %2; attempts: %3.</source>
        <translation>Gelesene Protokolle: %1; Studierende: %2; Versuche: %3.</translation>
    </message>
    <message>
        <source>Where a student handed in more than one attempt, the latest finished counts, else the latest; the table says which.</source>
        <translation>Hat jemand mehr als einen Versuch abgegeben, wird der neueste abgeschlossene gewertet, sonst der neueste; die Tabelle zeigt, welcher.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) were edited; what their entries earn is shown, not what they say.</source>
        <translation>
            <numerusform>%n Protokoll wurde verändert; angezeigt wird, was seine Eingaben ergeben, nicht was darin steht.</numerusform>
            <numerusform>%n Protokolle wurden verändert; angezeigt wird, was ihre Eingaben ergeben, nicht was darin steht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and are left out.</source>
        <translation>
            <numerusform>%n Datei konnte nicht gelesen werden und bleibt unberücksichtigt.</numerusform>
            <numerusform>%n Dateien konnten nicht gelesen werden und bleiben unberücksichtigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is left out. %2</source>
        <extracomment>%1 is a file or folder, %2 why, in a sentence of its own such as &quot;The file is empty.&quot;</extracomment>
        <translation>%1 bleibt unberücksichtigt. %2</translation>
    </message>
    <message>
        <source>The record %1 was edited. %2 The verdicts its entries earn are the ones shown.</source>
        <extracomment>%1 is the record&apos;s file; %2 names the check that differs, in a sentence of its own; the table and report show what its entry earns.</extracomment>
        <translation>Das Protokoll %1 wurde verändert. %2 Angezeigt werden die Ergebnisse, die seine Eingaben erzielen.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <extracomment>Follows a sentence that names the folder.</extracomment>
        <translation>Der Ordner ist nicht lesbar.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) held an attempt read already; each attempt counts once.</source>
        <translation>
            <numerusform>%n Protokoll enthielt einen bereits eingelesenen Versuch; jeder Versuch wird nur einmal berücksichtigt.</numerusform>
            <numerusform>%n Protokolle enthielten bereits eingelesene Versuche; jeder Versuch wird nur einmal berücksichtigt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HandedInPage</name>
    <message>
        <source>Export &amp;table…</source>
        <translation>&amp;Tabelle exportieren…</translation>
    </message>
    <message>
        <source>Export &amp;report…</source>
        <translation>Be&amp;richt exportieren…</translation>
    </message>
    <message>
        <source>Attempts handed in</source>
        <translation>Abgegebene Versuche</translation>
    </message>
    <message>
        <source>Records not read, or edited</source>
        <translation>Nicht lesbare oder veränderte Protokolle</translation>
    </message>
    <message>
        <source>Add &amp;records…</source>
        <translation>&amp;Protokolle hinzufügen…</translation>
    </message>
    <message>
        <source>Add a &amp;folder…</source>
        <translation>&amp;Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>Empties the page of every record read.</extracomment>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>No records are read yet.</source>
        <translation>Noch keine Protokolle eingelesen.</translation>
    </message>
    <message>
        <source>Add records</source>
        <translation>Protokolle hinzufügen</translation>
    </message>
    <message>
        <source>Practice records (*.json)</source>
        <translation>Übungsprotokolle (*.json)</translation>
    </message>
    <message>
        <source>Add a folder of records</source>
        <translation>Ordner mit Protokollen hinzufügen</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The table is written to %1.</source>
        <translation>Die Tabelle wurde unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>No table was written. %1</source>
        <translation>Es wurde keine Tabelle geschrieben. %1</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>Der Bericht wurde unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>No report was written. %1</source>
        <translation>Es wurde kein Bericht geschrieben. %1</translation>
    </message>
    <message>
        <source>Export for the &amp;gradebook…</source>
        <extracomment>Writes the file that the school&apos;s gradebook (Moodle) imports.</extracomment>
        <translation>Für die &amp;Bewertungen exportieren…</translation>
    </message>
    <message>
        <source>&amp;Watch a folder…</source>
        <extracomment>Follows a folder that students hand in to, as records arrive and change.</extracomment>
        <translation>Ordner über&amp;wachen…</translation>
    </message>
    <message>
        <source>Records &amp;not read, or edited:</source>
        <translation>&amp;Nicht lesbare oder veränderte Protokolle:</translation>
    </message>
    <message>
        <source>Add the records (.json) your students hand in, drop their files or folders on this window, or watch the folder they hand in to. Each record&apos;s checks are judged again from its entries; open an attempt to see them all.</source>
        <translation>Fügen Sie die Protokolle (.json) hinzu, die Ihre Studierenden abgeben, ziehen Sie deren Dateien oder Ordner auf dieses Fenster oder überwachen Sie den Ordner, in den sie abgeben. Die Überprüfungen jedes Protokolls werden anhand seiner Eingaben neu beurteilt; öffnen Sie einen Versuch, um alle zu sehen.</translation>
    </message>
    <message>
        <source>Watching %1: records are read as they arrive or change.</source>
        <translation>%1 wird überwacht: Protokolle werden eingelesen, sobald sie eintreffen oder sich ändern.</translation>
    </message>
    <message>
        <source>Watch the folder your students hand in to</source>
        <translation>Ordner überwachen, in den Ihre Studierenden abgeben</translation>
    </message>
    <message>
        <source>Export for the gradebook</source>
        <translation>Für die Bewertungen exportieren</translation>
    </message>
    <message>
        <source>No gradebook file was written. %1</source>
        <translation>Es wurde keine Bewertungsdatei geschrieben. %1</translation>
    </message>
    <message>
        <source>The gradebook file is written to %1.</source>
        <translation>Die Bewertungsdatei wurde unter %1 gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>The gradebook file is written to %1, and %n student(s) are left out of it:</source>
        <extracomment>%1 is the file; the sentence of each student left out follows, one a line.</extracomment>
        <translation>
            <numerusform>Die Bewertungsdatei wurde unter %1 gespeichert; %n Studierender bleibt darin unberücksichtigt:</numerusform>
            <numerusform>Die Bewertungsdatei wurde unter %1 gespeichert; %n Studierende bleiben darin unberücksichtigt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in.</source>
        <translation>
            <numerusform>%n neuer Versuch abgegeben.</numerusform>
            <numerusform>%n neue Versuche abgegeben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, by %1.</source>
        <extracomment>%n new attempts, %1 the names of the students: &quot;Ana Souza and Ben Okafor&quot;.</extracomment>
        <translation>
            <numerusform>%n neuer Versuch von %1 abgegeben.</numerusform>
            <numerusform>%n neue Versuche von %1 abgegeben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, among them by %1.</source>
        <translation>
            <numerusform>%n neuer Versuch von %1 abgegeben.</numerusform>
            <numerusform>%n neue Versuche abgegeben, darunter von %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>Type an answer first.</source>
        <translation>Geben Sie zuerst eine Antwort ein.</translation>
    </message>
    <message>
        <source>Not yet: only the sign is wrong; the amount is positive.</source>
        <translation>Noch nicht: Nur das Vorzeichen ist falsch; die gesuchte Größe ist positiv.</translation>
    </message>
    <message>
        <source>Not yet: the amount is positive.</source>
        <translation>Noch nicht: Die gesuchte Größe ist positiv.</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Close: within %1 % of the answer but not within %2 %; check the arithmetic.</source>
        <translation>Knapp daneben: Ihr Wert weicht um höchstens %1 %, aber um mehr als %2 % von der Lösung ab; überprüfen Sie die Rechnung.</translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answer to question %1 (%2).</source>
        <translation>Folgefehler: Ihr Rechenweg ist richtig; die Abweichung ergibt sich aus Ihrer Antwort auf Frage %1 (%2).</translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answers to questions %1 (%2) and %3 (%4).</source>
        <translation>Folgefehler: Ihr Rechenweg ist richtig; die Abweichung ergibt sich aus Ihren Antworten auf die Fragen %1 (%2) und %3 (%4).</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>%1 speaks no &quot;%2&quot;; the languages there are: %3.</source>
        <extracomment>%1 is the program&apos;s name, %2 the language asked for, %3 the languages there are.</extracomment>
        <translation>%1 gibt es nicht in der Sprache „%2“; verfügbar sind: %3.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Cannot read the record %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own, such as &quot;The file is empty.&quot;</extracomment>
        <translation>Das Protokoll %1 ist nicht lesbar. %2</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Exercise complete.</source>
        <translation>Übung abgeschlossen.</translation>
    </message>
    <message>
        <source>Practice mode on: type each answer and check it.</source>
        <translation>Übungsmodus an: Geben Sie jede Antwort ein und überprüfen Sie sie.</translation>
    </message>
    <message>
        <source>Practice mode off.</source>
        <translation>Übungsmodus aus.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of question 2, then its verdict: &quot;Glucose from 2 x lactate: Correct.&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>There is no subject to print.</source>
        <translation>Es ist kein Proband zum Drucken vorhanden.</translation>
    </message>
    <message>
        <source>Cannot draw on the page.</source>
        <translation>Auf die Seite kann nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Cannot start a new page.</source>
        <translation>Eine neue Seite kann nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Cannot finish the pages.</source>
        <translation>Die Seiten können nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Subject %1, practised by %2 on %3 from %4 to %5.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the student, %3 the day, %4 and %5 times.</extracomment>
        <translation>Proband %1, geübt von %2 am %3 von %4 bis %5.</translation>
    </message>
    <message>
        <source>Subject %1, practised on %2 from %3 to %4.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the day, %3 and %4 times.</extracomment>
        <translation>Proband %1, geübt am %2 von %3 bis %4.</translation>
    </message>
    <message>
        <source>The exercise was finished.</source>
        <translation>Die Übung wurde abgeschlossen.</translation>
    </message>
    <message>
        <source>This record was edited. %1 The verdicts shown are the ones its entries earn.</source>
        <translation>Dieses Protokoll wurde verändert. %1 Angezeigt werden die Ergebnisse, die seine Eingaben erzielen.</translation>
    </message>
    <message>
        <source>The exercise was left at question %1.</source>
        <translation>Die Übung wurde bei Frage %1 unterbrochen.</translation>
    </message>
    <message>
        <source>The exercise was left at answer %1.</source>
        <translation>Die Übung wurde bei Antwort %1 unterbrochen.</translation>
    </message>
    <message>
        <source>Drawing was cancelled.</source>
        <translation>Das Zeichnen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: class report</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: Klassenbericht</translation>
    </message>
    <message>
        <source>%1: answer key</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: Lösungsblatt</translation>
    </message>
    <message>
        <source>%1: worksheet</source>
        <translation>%1: Arbeitsblatt</translation>
    </message>
    <message>
        <source>%1: result slip</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: Ergebnisblatt</translation>
    </message>
</context>
<context>
    <name>Pathway</name>
    <message>
        <source>Gluconeogenesis from lactate, and glycogen made in the liver and in muscle. Read from the bottom.</source>
        <translation>Gluconeogenese aus Lactat und Glykogensynthese in Leber und Muskel. Von unten nach oben zu lesen.</translation>
    </message>
    <message>
        <source>2 x lactate is oxidised to 2 x pyruvate; this step uses 2 x NAD+ and gives 2 x NADH.</source>
        <translation>2 x Lactat wird zu 2 x Pyruvat oxidiert; dieser Schritt verbraucht 2 x NAD+ und liefert 2 x NADH.</translation>
    </message>
    <message>
        <source>In the liver, 2 x pyruvate is made into glucose 6-phosphate in three steps, drawn as three arrows going up.</source>
        <translation>In der Leber wird 2 x Pyruvat in drei Schritten zu Glucose-6-phosphat umgesetzt, dargestellt als drei nach oben weisende Pfeile.</translation>
    </message>
    <message>
        <source>The first step uses 4 x ATP and gives 4 x ADP, and uses 2 x GTP and gives 2 x GDP.</source>
        <translation>Der erste Schritt verbraucht 4 x ATP und 2 x GTP und liefert 4 x ADP und 2 x GDP.</translation>
    </message>
    <message>
        <source>The second step uses the 2 x NADH and gives 2 x NAD+.</source>
        <translation>Der zweite Schritt verbraucht die 2 x NADH und liefert 2 x NAD+.</translation>
    </message>
    <message>
        <source>The third step ends at glucose 6-phosphate, drawn as its open-chain formula with a phosphate group on carbon 6.</source>
        <translation>Der dritte Schritt endet bei Glucose-6-phosphat, dargestellt in der offenkettigen Form mit einer Phosphatgruppe an C-Atom 6.</translation>
    </message>
    <message>
        <source>In the liver, glucose 6-phosphate is turned into free glucose, which leaves the liver.</source>
        <translation>In der Leber wird Glucose-6-phosphat in freie Glucose umgewandelt, die die Leber verlässt.</translation>
    </message>
    <message>
        <source>Or, in the liver, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation>Oder Glucose-6-phosphat wird in der Leber zu Glykogen umgesetzt; dieser Schritt verbraucht UTP und liefert UDP + Pi.</translation>
    </message>
    <message>
        <source>The free glucose is carried in the blood to muscle, the yellow panel.</source>
        <translation>Die freie Glucose gelangt mit dem Blut zum Muskel, dem gelben Feld.</translation>
    </message>
    <message>
        <source>In muscle, glucose is made into glucose 6-phosphate; this step uses ATP and gives ADP.</source>
        <translation>Im Muskel wird Glucose zu Glucose-6-phosphat umgesetzt; dieser Schritt verbraucht ATP und liefert ADP.</translation>
    </message>
    <message>
        <source>In muscle, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation>Im Muskel wird Glucose-6-phosphat zu Glykogen umgesetzt; dieser Schritt verbraucht UTP und liefert UDP + Pi.</translation>
    </message>
    <message>
        <source>Complete oxidation of lactate through pyruvate, acetyl CoA and the citric acid cycle.</source>
        <translation>Vollständige Oxidation von Lactat über Pyruvat, Acetyl-CoA und den Citratzyklus.</translation>
    </message>
    <message>
        <source>Lactate is oxidised to pyruvate; this step uses NAD+ and gives NADH.</source>
        <translation>Lactat wird zu Pyruvat oxidiert; dieser Schritt verbraucht NAD+ und liefert NADH.</translation>
    </message>
    <message>
        <source>Pyruvate is converted to acetyl CoA; this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation>Pyruvat wird zu Acetyl-CoA umgesetzt; dieser Schritt verbraucht NAD+, liefert NADH und setzt CO2 frei.</translation>
    </message>
    <message>
        <source>Acetyl CoA (2 carbons) joins oxaloacetate (4 carbons) to make citrate (6 carbons); this step gives off CoASH.</source>
        <translation>Acetyl-CoA (2 C-Atome) kondensiert mit Oxalacetat (4 C-Atome) zu Citrat (6 C-Atome); dieser Schritt setzt CoASH frei.</translation>
    </message>
    <message>
        <source>Citrate is rearranged to isocitrate (6 carbons).</source>
        <translation>Citrat wird zu Isocitrat (6 C-Atome) umgelagert.</translation>
    </message>
    <message>
        <source>Isocitrate is oxidised to alpha-ketoglutarate (5 carbons); this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation>Isocitrat wird zu α-Ketoglutarat (5 C-Atome) oxidiert; dieser Schritt verbraucht NAD+, liefert NADH und setzt CO2 frei.</translation>
    </message>
    <message>
        <source>Alpha-ketoglutarate is converted to succinyl CoA (4 carbons); this step uses CoASH and NAD+ and gives NADH, and gives off CO2.</source>
        <translation>α-Ketoglutarat wird zu Succinyl-CoA (4 C-Atome) umgesetzt; dieser Schritt verbraucht CoASH und NAD+, liefert NADH und setzt CO2 frei.</translation>
    </message>
    <message>
        <source>Succinyl CoA is converted to succinate (4 carbons); this step gives off CoASH, and uses GDP + Pi and gives GTP.</source>
        <translation>Succinyl-CoA wird zu Succinat (4 C-Atome) umgesetzt; dieser Schritt setzt CoASH frei, verbraucht GDP + Pi und liefert GTP.</translation>
    </message>
    <message>
        <source>Succinate is oxidised to fumarate (4 carbons); this step uses FAD and gives FADH2.</source>
        <translation>Succinat wird zu Fumarat (4 C-Atome) oxidiert; dieser Schritt verbraucht FAD und liefert FADH2.</translation>
    </message>
    <message>
        <source>Fumarate takes up H2O to make malate (4 carbons).</source>
        <translation>Fumarat nimmt H2O auf und wird zu Malat (4 C-Atome).</translation>
    </message>
    <message>
        <source>Malate is oxidised to oxaloacetate (4 carbons), which closes the cycle; this step uses NAD+ and gives NADH.</source>
        <translation>Malat wird zu Oxalacetat (4 C-Atome) oxidiert, womit sich der Zyklus schließt; dieser Schritt verbraucht NAD+ und liefert NADH.</translation>
    </message>
    <message>
        <source>Gluconeogenesis from lactate</source>
        <translation>Gluconeogenese aus Lactat</translation>
    </message>
    <message>
        <source>Pathway diagram: gluconeogenesis from lactate</source>
        <translation>Schema: Gluconeogenese aus Lactat</translation>
    </message>
    <message>
        <source>Lactate oxidation and the citric acid cycle</source>
        <translation>Lactatoxidation und Citratzyklus</translation>
    </message>
    <message>
        <source>Pathway diagram: lactate oxidation and the citric acid cycle</source>
        <translation>Schema: Lactatoxidation und Citratzyklus</translation>
    </message>
    <message>
        <source>Totals: making glucose from 2 x lactate uses %1 nucleoside triphosphates (%2 ATP and %3 GTP).</source>
        <extracomment>%1 nucleoside triphosphates in all: %2 ATP and %3 GTP.</extracomment>
        <translation>Bilanz: Die Synthese von Glucose aus 2 x Lactat verbraucht %1 Nucleosidtriphosphate (%2 ATP und %3 GTP).</translation>
    </message>
    <message>
        <source>Making liver glycogen uses %1 (the %2 for glucose and %3 UTP in the liver).</source>
        <extracomment>%1 in all: the %2 for glucose and %3 UTP.</extracomment>
        <translation>Die Synthese von Leberglykogen verbraucht %1 (die %2 für Glucose und %3 UTP in der Leber).</translation>
    </message>
    <message>
        <source>Making muscle glycogen uses %1 (the %2 for glucose, %3 ATP and %4 UTP in muscle).</source>
        <extracomment>%1 in all: the %2 for glucose, %3 ATP and %4 UTP.</extracomment>
        <translation>Die Synthese von Muskelglykogen verbraucht %1 (die %2 für Glucose, %3 ATP und %4 UTP im Muskel).</translation>
    </message>
    <message>
        <source>The box in the middle of the cycle gives the exchange rates: each NADH gives about %1 ATP, each FADH2 gives about %2 ATP.</source>
        <translation>Der Kasten in der Mitte des Zyklus gibt die Umrechnung an: Jedes NADH liefert etwa %1 ATP, jedes FADH2 etwa %2 ATP.</translation>
    </message>
    <message>
        <source>In total one lactate gives %1 NADH, %2 FADH2 and %3 GTP, which make %4 ATP.</source>
        <translation>Insgesamt liefert ein Lactat %1 NADH, %2 FADH2 und %3 GTP, die zusammen %4 ATP ergeben.</translation>
    </message>
    <message>
        <source>%1: gluconeogenesis from lactate</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: Gluconeogenese aus Lactat</translation>
    </message>
    <message>
        <source>%1: lactate oxidation and the citric acid cycle</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: Lactatoxidation und Citratzyklus</translation>
    </message>
</context>
<context>
    <name>PathwayWindow</name>
    <message>
        <source>Hide pathway</source>
        <translation>Schema ausblenden</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The pane that holds the diagram&apos;s title.</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>%1. The diagram and its step-by-step description follow on Tab; Escape puts the window away.</source>
        <translation>%1. Das Schema und seine schrittweise Beschreibung erreichen Sie mit der Tabulatortaste; mit Escape wird das Fenster ausgeblendet.</translation>
    </message>
</context>
<context>
    <name>PracticeActions</name>
    <message>
        <source>Pr&amp;actice mode</source>
        <translation>Übungs&amp;modus</translation>
    </message>
    <message>
        <source>Yo&amp;ur name…</source>
        <translation>Ihr &amp;Name…</translation>
    </message>
    <message>
        <source>Export result &amp;slip…</source>
        <translation>Ergebnis&amp;blatt exportieren…</translation>
    </message>
    <message>
        <source>&amp;Hand in…</source>
        <extracomment>Gives the attempt&apos;s record to the teacher, into a folder the teacher reads.</extracomment>
        <translation>&amp;Versuch abgeben…</translation>
    </message>
    <message>
        <source>Show &amp;my records</source>
        <extracomment>Opens the folder of this computer&apos;s practice records in the file manager.</extracomment>
        <translation>Meine P&amp;rotokolle anzeigen</translation>
    </message>
    <message>
        <source>Practice mode</source>
        <translation>Übungsmodus</translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at question %3. Continue where you stopped?</source>
        <translation>Sie haben am %2 begonnen, mit Proband %1 zu üben, und bei Frage %3 aufgehört. Möchten Sie dort weitermachen?</translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at answer %3. Continue where you stopped?</source>
        <translation>Sie haben am %2 begonnen, mit Proband %1 zu üben, und bei Antwort %3 aufgehört. Möchten Sie dort weitermachen?</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Start &amp;again</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>Export result slip</source>
        <translation>Ergebnisblatt exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>No result slip was written. %1</source>
        <translation>Es wurde kein Ergebnisblatt geschrieben. %1</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Abgabe</translation>
    </message>
    <message>
        <source>Your attempt is handed in to %1, the folder your school set, and again after every check.</source>
        <translation>Ihr Versuch wird in den Ordner %1 abgegeben, den Ihre Hochschule festgelegt hat, und nach jeder Überprüfung erneut.</translation>
    </message>
    <message>
        <source>Hand in to a folder</source>
        <translation>In einen Ordner abgeben</translation>
    </message>
    <message>
        <source>Show my records</source>
        <translation>Meine Protokolle anzeigen</translation>
    </message>
    <message>
        <source>Your practice records are in %1.</source>
        <extracomment>%1 is a folder; the file manager could not be started.</extracomment>
        <translation>Ihre Übungsprotokolle befinden sich in %1.</translation>
    </message>
    <message>
        <source>Your answers cannot be kept. %1 Practice goes on.</source>
        <extracomment>%1 says why, in a sentence of its own that names the record.</extracomment>
        <translation>Ihre Antworten können nicht gespeichert werden. %1 Sie können weiter üben.</translation>
    </message>
    <message>
        <source>Your attempt cannot be handed in. %1 It is kept on this computer, and handed in again at the next check.</source>
        <extracomment>%1 says why, in a sentence of its own that names the folder.</extracomment>
        <translation>Ihr Versuch kann nicht abgegeben werden. %1 Er bleibt auf diesem Computer gespeichert und wird bei der nächsten Überprüfung erneut abgegeben.</translation>
    </message>
    <message>
        <source>Your attempt is handed in to %1, the folder set for this run, and again after every check.</source>
        <extracomment>%1 is a folder, given on the command line that started the program.</extracomment>
        <translation>Ihr Versuch wird in den Ordner %1 abgegeben, der für diesen Programmlauf festgelegt ist, und nach jeder Überprüfung erneut.</translation>
    </message>
</context>
<context>
    <name>RecordFolder</name>
    <message>
        <source>Cannot save the practice record %1: %2</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Das Übungsprotokoll %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The path is a folder, not a record.</source>
        <extracomment>Follows a sentence that names the path.</extracomment>
        <translation>Der Pfad bezeichnet einen Ordner, kein Protokoll.</translation>
    </message>
    <message>
        <source>The path is not a regular file (it may be a FIFO, a socket or a device), so it was not opened.</source>
        <extracomment>Follows a sentence that names the path.</extracomment>
        <translation>Der Pfad bezeichnet keine reguläre Datei, sondern vielleicht ein FIFO, einen Socket oder ein Gerät; er wurde daher nicht geöffnet.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <extracomment>Follows a sentence that names the file; %1 is the system&apos;s reason.</extracomment>
        <translation>Die Datei ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 ist nicht lesbar.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 is passed over. %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why, in a sentence of its own such as &quot;The file is empty.&quot;</extracomment>
        <translation>%1 wird übersprungen. %2</translation>
    </message>
    <message>
        <source>Cannot save the practice record %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own.</extracomment>
        <translation>Das Übungsprotokoll %1 kann nicht gespeichert werden. %2</translation>
    </message>
</context>
<context>
    <name>RecordJson</name>
    <message>
        <source>In the record, &quot;%1&quot; is missing.</source>
        <translation>Im Protokoll fehlt „%1“.</translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is missing.</source>
        <translation>In Überprüfung %2 fehlt „%1“.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not text.</source>
        <translation>Im Protokoll ist „%1“ kein Text.</translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is not text.</source>
        <translation>In Überprüfung %2 ist „%1“ kein Text.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation>Im Protokoll ist „%1“ keine ganze Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>In check %4, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation>In Überprüfung %4 ist „%1“ keine ganze Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation>Im Protokoll hat „%1“ den Wert „%2“, der kein Datum mit Uhrzeit ist.</translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation>In Überprüfung %3 hat „%1“ den Wert „%2“, der kein Datum mit Uhrzeit ist.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is longer than %2 characters.</source>
        <translation>Im Protokoll ist „%1“ länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is longer than %2 characters.</source>
        <translation>In Überprüfung %3 ist „%1“ länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>Check %1 is not an object.</source>
        <translation>Überprüfung %1 ist kein Objekt.</translation>
    </message>
    <message>
        <source>In check %1, &quot;field&quot; is &quot;%2&quot;, which is not an answer field.</source>
        <translation>In Überprüfung %1 hat „field“ den Wert „%2“, der kein Antwortfeld bezeichnet.</translation>
    </message>
    <message>
        <source>In check %1, the field %2 is of question %3, not %4.</source>
        <translation>In Überprüfung %1 gehört das Feld %2 zu Frage %3, nicht zu Frage %4.</translation>
    </message>
    <message>
        <source>In check %1, &quot;value&quot; is not a finite number.</source>
        <translation>In Überprüfung %1 ist „value“ keine endliche Zahl.</translation>
    </message>
    <message>
        <source>In check %1, &quot;verdict&quot; is not one of correct, slip, carriedForward, close or notYet.</source>
        <translation>In Überprüfung %1 ist „verdict“ keiner der Werte correct, slip, carriedForward, close oder notYet.</translation>
    </message>
    <message>
        <source>In check %1, a value and a verdict go together, and one is missing.</source>
        <translation>In Überprüfung %1 fehlt der Wert oder das Ergebnis; beide gehören zusammen.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <extracomment>Follows a sentence that names the file.</extracomment>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is cut short: its JSON ends unfinished (%1).</source>
        <extracomment>Follows a sentence that names the file; %1 is the JSON parser&apos;s own words.</extracomment>
        <translation>Die Datei ist abgeschnitten: Das JSON endet vorzeitig (%1).</translation>
    </message>
    <message>
        <source>The file is not JSON: %1 at byte %2.</source>
        <translation>Die Datei ist kein JSON: %1 bei Byte %2.</translation>
    </message>
    <message>
        <source>The file is not a %1 practice record.</source>
        <extracomment>Follows a sentence that names the file. %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Die Datei ist kein %1-Übungsprotokoll.</translation>
    </message>
    <message>
        <source>The record has no version number.</source>
        <translation>Das Protokoll hat keine Versionsnummer.</translation>
    </message>
    <message>
        <source>The record was written by a newer %1 (record version %2; this one reads version %3).</source>
        <extracomment>Follows a sentence that names the file. %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Das Protokoll wurde von einer neueren %1-Version geschrieben (Protokollversion %2; diese Version liest Protokollversion %3).</translation>
    </message>
    <message>
        <source>In the record, &quot;checks&quot; is not a list.</source>
        <translation>Im Protokoll ist „checks“ keine Liste.</translation>
    </message>
    <message>
        <source>The record&apos;s code &quot;%1&quot; is not a subject code. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>Der Code „%1“ im Protokoll ist kein Probandencode. %2</translation>
    </message>
    <message>
        <source>The record has %1 checks, more than any attempt could (%2 at most).</source>
        <translation>Das Protokoll enthält %1 Überprüfungen, mehr als ein Versuch haben kann (höchstens %2).</translation>
    </message>
    <message>
        <source>The file is too large for a practice record: %1, where a record takes at most %2.</source>
        <extracomment>Follows a sentence that names the file; %1 and %2 are sizes, such as &quot;9.1 MB&quot;.</extracomment>
        <translation>Die Datei ist für ein Übungsprotokoll zu groß: %1, während ein Protokoll höchstens %2 umfasst.</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; is not a number the judge can read.</source>
        <translation>Überprüfung %1 gibt „%2“ an, aber ihre Eingabe „%3“ ist keine Zahl, die sich auswerten lässt.</translation>
    </message>
    <message>
        <source>Check %1 holds no verdict, but its entry &quot;%2&quot; earns &quot;%3&quot;.</source>
        <translation>Überprüfung %1 enthält kein Ergebnis, aber ihre Eingabe „%2“ ergibt „%3“.</translation>
    </message>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; earns &quot;%4&quot;.</source>
        <translation>Überprüfung %1 gibt „%2“ an, aber ihre Eingabe „%3“ ergibt „%4“.</translation>
    </message>
    <message>
        <source>Check %1 holds the value %2, but its entry &quot;%3&quot; reads %4.</source>
        <translation>Überprüfung %1 enthält den Wert %2, aber ihre Eingabe „%3“ wird als %4 gelesen.</translation>
    </message>
    <message>
        <source>Check %1 was made after the attempt&apos;s last update.</source>
        <translation>Überprüfung %1 liegt zeitlich nach der letzten Aktualisierung des Versuchs.</translation>
    </message>
    <message>
        <source>Check %1 is of question %2, which was not posed at that point.</source>
        <translation>Überprüfung %1 gehört zu Frage %2, die zu diesem Zeitpunkt noch nicht gestellt war.</translation>
    </message>
    <message>
        <source>Check %1 was made before the check before it, or before the attempt started.</source>
        <translation>Überprüfung %1 liegt zeitlich vor der vorangehenden Überprüfung oder vor dem Beginn des Versuchs.</translation>
    </message>
</context>
<context>
    <name>SaveGroup</name>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%2 is the reason, as the system gives it.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot write %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own.</extracomment>
        <translation>%1 kann nicht geschrieben werden. %2</translation>
    </message>
</context>
<context>
    <name>Slip</name>
    <message>
        <source>Not yet: you multiplied the fall by the whole body weight, %1 kg; the lactate is spread through the extracellular fluid only, %2 % of body weight.</source>
        <translation>Noch nicht: Sie haben den Abfall mit dem ganzen Körpergewicht (%1 kg) multipliziert; das Lactat verteilt sich nur in der extrazellulären Flüssigkeit, die %2 % des Körpergewichts ausmacht.</translation>
    </message>
    <message>
        <source>Not yet: you took the fall from %1 mmol/L, the level before the race; the lactate metabolised is the fall over the 30 minutes after it, to %2 mmol/L.</source>
        <translation>Noch nicht: Sie haben den Abfall ab %1 mmol/L berechnet, dem Wert vor dem Lauf; verstoffwechselt wurde der Abfall in den 30 Minuten nach dem Lauf, bis auf %2 mmol/L.</translation>
    </message>
    <message>
        <source>Not yet: that is the fall in concentration, in mmol/L; multiply it by the volume of fluid the lactate is spread through.</source>
        <translation>Noch nicht: Das ist der Abfall der Konzentration in mmol/L; multiplizieren Sie ihn mit dem Flüssigkeitsvolumen, in dem sich das Lactat verteilt.</translation>
    </message>
    <message>
        <source>Not yet: that is all the lactate there was just after the race, at %1 mmol/L; only the fall over the next 30 minutes has been metabolised.</source>
        <translation>Noch nicht: Das ist die gesamte Lactatmenge unmittelbar nach dem Lauf, bei %1 mmol/L; verstoffwechselt wurde nur, was in den folgenden 30 Minuten abgebaut wurde.</translation>
    </message>
    <message>
        <source>Not yet: the GTP is not counted: making phosphoenolpyruvate from oxaloacetate uses one GTP for each lactate.</source>
        <translation>Noch nicht: Das GTP ist nicht mitgezählt; die Bildung von Phosphoenolpyruvat aus Oxalacetat verbraucht ein GTP je Lactat.</translation>
    </message>
    <message>
        <source>Not yet: the UTP is not counted: adding glucose to glycogen uses one UTP to make UDP-glucose.</source>
        <translation>Noch nicht: Das UTP ist nicht mitgezählt; der Einbau von Glucose in Glykogen verbraucht ein UTP zur Bildung von UDP-Glucose.</translation>
    </message>
    <message>
        <source>Not yet: the muscle&apos;s own phosphorylation is not counted: muscle spends one ATP turning the glucose it takes up into glucose 6-phosphate.</source>
        <translation>Noch nicht: Die Phosphorylierung im Muskel selbst ist nicht mitgezählt; der Muskel verbraucht ein ATP, um die aufgenommene Glucose in Glucose-6-phosphat umzuwandeln.</translation>
    </message>
    <message>
        <source>Not yet: that is the cost for one lactate; the question asks for 2 x lactate.</source>
        <translation>Noch nicht: Das sind die Kosten für ein Lactat; gefragt ist nach 2 x Lactat.</translation>
    </message>
    <message>
        <source>Not yet: the NADH is not a cost here: oxidising the lactate to pyruvate provides it.</source>
        <translation>Noch nicht: Das NADH zählt hier nicht zu den Kosten, denn es wird bei der Oxidation von Lactat zu Pyruvat gebildet.</translation>
    </message>
    <message>
        <source>Not yet: the %1 ATP are the cost for 2 lactate, and you took them for each lactate.</source>
        <translation>Noch nicht: Die %1 ATP sind die Kosten für 2 Lactat; Sie haben sie aber für jedes einzelne Lactat angesetzt.</translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of glucose; this lactate becomes muscle glycogen.</source>
        <translation>Noch nicht: %1 ATP für 2 Lactat sind die Kosten für Glucose; dieses Lactat wird zu Muskelglykogen.</translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of liver glycogen; this lactate becomes muscle glycogen.</source>
        <translation>Noch nicht: %1 ATP für 2 Lactat sind die Kosten für Leberglykogen; dieses Lactat wird zu Muskelglykogen.</translation>
    </message>
    <message>
        <source>Not yet: that counts %1 ATP per NADH and %2 per FADH2, %3 per lactate; take %4 and %5, which give %6.</source>
        <translation>Noch nicht: Damit rechnen Sie mit %1 ATP je NADH und %2 je FADH2, also %3 je Lactat; richtig sind %4 und %5, das ergibt %6.</translation>
    </message>
    <message>
        <source>Not yet: the NADH from lactate to pyruvate is left out; it yields %1 ATP as well, %2 in all.</source>
        <translation>Noch nicht: Das NADH aus der Oxidation von Lactat zu Pyruvat ist nicht mitgezählt; es liefert ebenfalls %1 ATP, insgesamt also %2.</translation>
    </message>
    <message>
        <source>Not yet: that counts the citric acid cycle only; the NADH from lactate to pyruvate and from pyruvate to acetyl CoA yield %1 ATP each, %2 in all.</source>
        <translation>Noch nicht: Sie haben nur den Citratzyklus gezählt; das NADH aus der Oxidation von Lactat zu Pyruvat und das aus der Oxidation von Pyruvat zu Acetyl-CoA liefern je %1 ATP, insgesamt also %2.</translation>
    </message>
    <message>
        <source>Not yet: you multiplied by the %1 ATP each lactate yields; the ATP needed is to be divided by it.</source>
        <translation>Noch nicht: Sie haben mit den %1 ATP multipliziert, die jedes Lactat liefert; das benötigte ATP ist durch diese Zahl zu teilen.</translation>
    </message>
    <message>
        <source>Not yet: the mass is in mg: %1 mg is to be divided by 1000 before it is multiplied by %2 L per gram.</source>
        <translation>Noch nicht: Die Masse ist in mg angegeben; %1 mg sind durch 1000 zu teilen, bevor Sie mit %2 L je Gramm multiplizieren.</translation>
    </message>
    <message>
        <source>Not yet: the %1 L is for each gram, not each mmol: the molecular mass, %2, turns %3 mmol into mg.</source>
        <translation>Noch nicht: Die %1 L gelten je Gramm, nicht je mmol; mit der Molekülmasse %2 rechnen Sie %3 mmol in mg um.</translation>
    </message>
    <message>
        <source>Not yet: that is the mass of lactate in grams; each gram consumes %1 L of oxygen.</source>
        <translation>Noch nicht: Das ist die Masse des Lactats in Gramm; jedes Gramm verbraucht %1 L Sauerstoff.</translation>
    </message>
    <message>
        <source>Not yet: that is a fraction; a percentage is 100 times it.</source>
        <translation>Noch nicht: Das ist ein Anteil, kein Prozentwert; der Prozentwert ist das Hundertfache davon.</translation>
    </message>
    <message>
        <source>Not yet: that is the extra oxygen as a share of all the oxygen used; the increase is measured against the usual %1 L per 30 minutes.</source>
        <translation>Noch nicht: Das ist der zusätzliche Sauerstoff als Anteil am gesamten verbrauchten Sauerstoff; der Anstieg bezieht sich auf den üblichen Verbrauch von %1 L je 30 Minuten.</translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of a whole day, %1 L; the question asks about 30 minutes, a day having %2 of them.</source>
        <translation>Noch nicht: Sie haben mit dem Sauerstoffverbrauch eines ganzen Tages (%1 L) verglichen; gefragt ist nach 30 Minuten, und ein Tag hat %2 halbe Stunden.</translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of an hour, a day having %1 of them; the question asks about 30 minutes, a day having %2 of them.</source>
        <translation>Noch nicht: Sie haben mit dem Sauerstoffverbrauch einer Stunde verglichen (ein Tag hat %1 Stunden); gefragt ist nach 30 Minuten, und ein Tag hat %2 halbe Stunden.</translation>
    </message>
</context>
<context>
    <name>Student</name>
    <message>
        <source>Type your name.</source>
        <translation>Geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>A name cannot hold control characters, such as a tab.</source>
        <translation>Ein Name darf keine Steuerzeichen wie einen Tabulator enthalten.</translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation>Ein Name darf höchstens %1 Zeichen haben; dieser hat %2.</translation>
    </message>
    <message>
        <source>An ID number cannot hold control characters, such as a tab.</source>
        <translation>Eine ID-Nummer darf keine Steuerzeichen wie einen Tabulator enthalten.</translation>
    </message>
    <message>
        <source>An ID number has at most %1 characters; this one has %2.</source>
        <translation>Eine ID-Nummer darf höchstens %1 Zeichen haben; diese hat %2.</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <comment>a student&apos;s name and ID number</comment>
        <translation>%1 (ID %2)</translation>
    </message>
</context>
<context>
    <name>StudentDialog</name>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your name goes into the record of each practice attempt and onto its result slip, so that your teacher knows whose it is.</source>
        <translation>Ihr Name wird im Protokoll jedes Übungsversuchs und auf dessen Ergebnisblatt vermerkt, damit Ihre Lehrenden wissen, von wem beides stammt.</translation>
    </message>
    <message>
        <source>ID number, if your school gives one</source>
        <translation>ID-Nummer, falls Ihre Hochschule eine vergibt</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Where the dialog says what is wrong with what was typed.</extracomment>
        <translation>Problem</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;ID number (optional):</source>
        <extracomment>Moodle&apos;s word for the number a school&apos;s gradebook knows a student by.</extracomment>
        <translation>&amp;ID-Nummer (optional):</translation>
    </message>
</context>
<context>
    <name>SubjectCode</name>
    <message>
        <source>The weight is missing.</source>
        <translation>Das Gewicht fehlt.</translation>
    </message>
    <message>
        <source>Weight %1 has digits other than 0 to 9.</source>
        <translation>Das Gewicht %1 enthält andere Ziffern als 0 bis 9.</translation>
    </message>
    <message>
        <source>Weight %1 is not a number like %2.</source>
        <translation>Das Gewicht %1 ist keine Zahl der Form %2.</translation>
    </message>
    <message>
        <source>Weight %1 is not a whole number of kg.</source>
        <translation>Das Gewicht %1 ist keine ganze Zahl von Kilogramm.</translation>
    </message>
    <message>
        <source>Weight %1 is out of range.</source>
        <translation>Das Gewicht %1 liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>The lactate before the race is missing.</source>
        <translation>Der Lactatwert vor dem Lauf fehlt.</translation>
    </message>
    <message>
        <source>Lactate before %1 has digits other than 0 to 9.</source>
        <translation>Der Lactatwert vor dem Lauf, %1, enthält andere Ziffern als 0 bis 9.</translation>
    </message>
    <message>
        <source>Lactate before %1 is not a number like %2.</source>
        <translation>Der Lactatwert vor dem Lauf, %1, ist keine Zahl der Form %2.</translation>
    </message>
    <message>
        <source>Lactate before %1 has more than one decimal.</source>
        <translation>Der Lactatwert vor dem Lauf, %1, hat mehr als eine Nachkommastelle.</translation>
    </message>
    <message>
        <source>Lactate before %1 is out of range.</source>
        <translation>Der Lactatwert vor dem Lauf, %1, liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>The lactate after the race is missing.</source>
        <translation>Der Lactatwert nach dem Lauf fehlt.</translation>
    </message>
    <message>
        <source>Lactate after %1 has digits other than 0 to 9.</source>
        <translation>Der Lactatwert nach dem Lauf, %1, enthält andere Ziffern als 0 bis 9.</translation>
    </message>
    <message>
        <source>Lactate after %1 is not a number like %2.</source>
        <translation>Der Lactatwert nach dem Lauf, %1, ist keine Zahl der Form %2.</translation>
    </message>
    <message>
        <source>Lactate after %1 has more than one decimal.</source>
        <translation>Der Lactatwert nach dem Lauf, %1, hat mehr als eine Nachkommastelle.</translation>
    </message>
    <message>
        <source>Lactate after %1 is out of range.</source>
        <translation>Der Lactatwert nach dem Lauf, %1, liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>%1 A code reads like %2: M or W, weight %3 to %4 kg, lactate before %5 to %6 and after %7 to %8 mmol/L.</source>
        <extracomment>%1 says what is wrong with the code as typed, in a sentence of its own.</extracomment>
        <translation>%1 Ein Code hat die Form %2: M oder W, Gewicht %3 bis %4 kg, Lactat vor dem Lauf %5 bis %6 und danach %7 bis %8 mmol/L.</translation>
    </message>
    <message>
        <source>The code is empty.</source>
        <translation>Der Code ist leer.</translation>
    </message>
    <message>
        <source>The code is too long (%1 characters).</source>
        <translation>Der Code ist zu lang (%1 Zeichen).</translation>
    </message>
    <message>
        <source>The code starts with &quot;%1&quot;; it must start with M or W.</source>
        <translation>Der Code beginnt mit „%1“; er muss mit M oder W beginnen.</translation>
    </message>
    <message>
        <source>The code has &quot;%1&quot; where it needs a plain &quot;-&quot;.</source>
        <translation>Der Code enthält „%1“, wo ein einfaches „-“ stehen muss.</translation>
    </message>
    <message>
        <source>The lactates before and after the race are missing.</source>
        <translation>Die Lactatwerte vor und nach dem Lauf fehlen.</translation>
    </message>
    <message>
        <source>The code has %1 parts joined by &quot;-&quot; instead of 3.</source>
        <translation>Der Code besteht aus %1 durch „-“ verbundenen Teilen statt aus 3.</translation>
    </message>
    <message>
        <source>A class set holds 1 to %1 different subjects, not %2.</source>
        <translation>Ein Klassensatz umfasst 1 bis %1 verschiedene Probanden, nicht %2.</translation>
    </message>
    <message>
        <source>The subject code &quot;%1&quot; cannot be read. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>Der Probandencode „%1“ ist nicht lesbar. %2</translation>
    </message>
</context>
<context>
    <name>SubjectDialog</name>
    <message>
        <source>Subject from code</source>
        <translation>Proband aus Code</translation>
    </message>
    <message>
        <source>&amp;Subject code, such as M72-0.8-12.4:</source>
        <translation>&amp;Probandencode, etwa M72-0.8-12.4:</translation>
    </message>
    <message>
        <source>Subject code</source>
        <translation>Probandencode</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Where the dialog says what is wrong with the code typed.</extracomment>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>TeacherActions</name>
    <message>
        <source>&amp;New subject</source>
        <translation>Neuer &amp;Proband</translation>
    </message>
    <message>
        <source>Subject from &amp;code…</source>
        <translation>Proband aus &amp;Code…</translation>
    </message>
    <message>
        <source>Cop&amp;y subject code</source>
        <translation>Probandencode k&amp;opieren</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>PDF &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Worksheet</source>
        <translation>&amp;Arbeitsblatt</translation>
    </message>
    <message>
        <source>Answer &amp;key</source>
        <translation>&amp;Lösungsblatt</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Nothing was printed. %1</source>
        <translation>Es wurde nichts gedruckt. %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>No PDF was written. %1</source>
        <translation>Es wurde kein PDF geschrieben. %1</translation>
    </message>
    <message>
        <source>For &amp;teachers…</source>
        <translation>Für &amp;Lehrende…</translation>
    </message>
    <message>
        <source>Which sheet for subject %1: the worksheet, to hand out, or the answer key?</source>
        <translation>Welches Blatt für Proband %1: das Arbeitsblatt zum Austeilen oder das Lösungsblatt?</translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>&amp;Class set</source>
        <translation>&amp;Klassensatz</translation>
    </message>
    <message>
        <source>&amp;Handed in</source>
        <translation>&amp;Abgegeben</translation>
    </message>
    <message>
        <source>%1 for teachers</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>%1 für Lehrende</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct</source>
        <extracomment>A verdict on an answer: right.</extracomment>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Not yet</source>
        <extracomment>A verdict on an answer: not right yet, said kindly, for it invites another try.</extracomment>
        <translation>Noch nicht</translation>
    </message>
    <message>
        <source>Carried forward</source>
        <extracomment>A verdict on an answer: the method is right, and the difference comes from the student&apos;s own wrong answer to an earlier question.</extracomment>
        <translation>Folgefehler</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A verdict on an answer: near it, but not within its tolerance; not the command that closes a window.</extracomment>
        <translation>Knapp daneben</translation>
    </message>
</context>
</TS>
