<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Announcer</name>
    <message>
        <source>Messages</source>
        <extracomment>What a screen reader calls the source of the window&apos;s spoken messages.</extracomment>
        <translation>Messages</translation>
    </message>
</context>
<context>
    <name>AnswerField</name>
    <message>
        <source>Total lactate metabolised</source>
        <translation>Lactate total métabolisé</translation>
    </message>
    <message>
        <source>Not yet: extracellular fluid is %1 % of body weight; follow the lactate over the 30 minutes after the race.</source>
        <translation>Pas encore&#xa0;: le liquide extracellulaire représente %1&#xa0;% du poids corporel&#xa0;; suivez le lactate pendant les 30 minutes qui suivent la course.</translation>
    </message>
    <message>
        <source>Glucose from 2 x lactate</source>
        <translation>Glucose à partir de 2 x lactate</translation>
    </message>
    <message>
        <source>glucose</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>glucose</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make glucose from 2 lactate.</source>
        <translation>Pas encore&#xa0;: comptez chaque ATP, GTP et UTP utilisé pour synthétiser le glucose à partir de 2 lactates.</translation>
    </message>
    <message>
        <source>Liver glycogen from 2 x lactate</source>
        <translation>Glycogène hépatique à partir de 2 x lactate</translation>
    </message>
    <message>
        <source>liver glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>glycogène hépatique</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make liver glycogen from 2 lactate.</source>
        <translation>Pas encore&#xa0;: comptez chaque ATP, GTP et UTP utilisé pour synthétiser le glycogène hépatique à partir de 2 lactates.</translation>
    </message>
    <message>
        <source>Muscle glycogen from 2 x lactate</source>
        <translation>Glycogène musculaire à partir de 2 x lactate</translation>
    </message>
    <message>
        <source>muscle glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>glycogène musculaire</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make muscle glycogen from 2 lactate.</source>
        <translation>Pas encore&#xa0;: comptez chaque ATP, GTP et UTP utilisé pour synthétiser le glycogène musculaire à partir de 2 lactates.</translation>
    </message>
    <message>
        <source>ATP required</source>
        <translation>ATP nécessaire</translation>
    </message>
    <message>
        <source>Not yet: all of the lactate metabolised is to become muscle glycogen.</source>
        <translation>Pas encore&#xa0;: tout le lactate métabolisé doit devenir du glycogène musculaire.</translation>
    </message>
    <message>
        <source>Lactate to be oxidised</source>
        <translation>Lactate à oxyder</translation>
    </message>
    <message>
        <source>Not yet: the lactate is oxidised all the way to carbon dioxide and water, through lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle.</source>
        <translation>Pas encore&#xa0;: le lactate est entièrement oxydé en dioxyde de carbone et en eau, par la lactate déshydrogénase, la pyruvate déshydrogénase et le cycle de Krebs.</translation>
    </message>
    <message>
        <source>Additional oxygen</source>
        <translation>Oxygène supplémentaire</translation>
    </message>
    <message>
        <source>Not yet: oxidation consumes %1 L of oxygen per gram of lactate, whose molecular mass is %2.</source>
        <translation>Pas encore&#xa0;: l&apos;oxydation consomme %1 L d&apos;oxygène par gramme de lactate, dont la masse molaire est de %2.</translation>
    </message>
    <message>
        <source>Increase in oxygen consumption</source>
        <translation>Augmentation de la consommation d&apos;oxygène</translation>
    </message>
    <message>
        <source>Not yet: total energy expenditure is %1 MJ per day, and each litre of oxygen consumed yields %2 kJ.</source>
        <translation>Pas encore&#xa0;: la dépense énergétique totale est de %1 MJ par jour, et chaque litre d&apos;oxygène consommé fournit %2 kJ.</translation>
    </message>
</context>
<context>
    <name>AnswerForm</name>
    <message>
        <source>Your answer to question %1</source>
        <translation>Votre réponse à la question %1</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>The button that has the answers typed judged: a command, not the noun.</extracomment>
        <translation>Vérifier</translation>
    </message>
</context>
<context>
    <name>Attempt</name>
    <message>
        <source>The attempt has no start or update time.</source>
        <translation>La tentative n&apos;a pas d&apos;heure de début ou de dernière mise à jour.</translation>
    </message>
    <message>
        <source>The attempt&apos;s stage, %1, is not one of 0 to %2.</source>
        <translation>L&apos;étape de la tentative, %1, n&apos;est pas comprise entre 0 et %2.</translation>
    </message>
    <message>
        <source>The attempt has %1 checks, more than a record holds (%2).</source>
        <translation>La tentative compte %1 vérifications, plus qu&apos;un enregistrement ne peut en contenir (%2).</translation>
    </message>
    <message>
        <source>The student&apos;s name or ID number is longer than a record holds.</source>
        <translation>Le nom ou le numéro d&apos;identification de l&apos;étudiant est plus long qu&apos;un enregistrement ne peut le contenir.</translation>
    </message>
    <message>
        <source>Check %1 of the attempt is not one a record holds.</source>
        <translation>La vérification %1 de la tentative ne peut pas figurer dans un enregistrement.</translation>
    </message>
</context>
<context>
    <name>AttemptDialog</name>
    <message>
        <source>Started %1; read from %2.</source>
        <extracomment>%1 is a date and time, %2 the file the record was read from.</extracomment>
        <translation>Commencée le %1&#xa0;; enregistrement lu dans %2.</translation>
    </message>
    <message>
        <source>The exercise was finished.</source>
        <translation>L&apos;exercice a été terminé.</translation>
    </message>
    <message>
        <source>The exercise was left at question %1.</source>
        <translation>L&apos;exercice a été interrompu à la question %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <extracomment>%n questions of %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>%n question sur %1 juste au premier essai.</numerusform>
            <numerusform>%n questions sur %1 justes au premier essai.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record was edited. %1 The verdicts shown are the ones its entries earn.</source>
        <extracomment>%1 names the first check at fault, in a sentence of its own.</extracomment>
        <translation>L&apos;enregistrement a été modifié. %1 Les verdicts affichés sont ceux que méritent ses saisies.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>When a check was made.</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Entry</source>
        <extracomment>What the student typed, as typed.</extracomment>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Verdict</source>
        <extracomment>What the entry earns, as the judge gives it.</extracomment>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Edited</source>
        <extracomment>Why the record gives this check otherwise than the judge does.</extracomment>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>not a number</source>
        <extracomment>The verdict column of an entry the judge could not read as a number.</extracomment>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is the question&apos;s number, %2 its part: &quot;2, glucose&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Export result &amp;slip…</source>
        <translation>Exporter la fiche de &amp;résultats…</translation>
    </message>
    <message>
        <source>Export result slip</source>
        <translation>Exporter la fiche de résultats</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No result slip was written. %1</source>
        <translation>Aucune fiche de résultats n&apos;a été écrite. %1</translation>
    </message>
    <message>
        <source>%1&apos;s attempt at subject %2</source>
        <translation>Tentative faite par %1 sur le sujet %2</translation>
    </message>
    <message>
        <source>An attempt at subject %1, naming nobody</source>
        <translation>Tentative faite sur le sujet %1, sans nom d&apos;étudiant</translation>
    </message>
</context>
<context>
    <name>AttemptSummary</name>
    <message>
        <source>%1: not checked</source>
        <translation>%1&#xa0;: non vérifiée</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4)</source>
        <extracomment>%1 names the question, %2 is the verdict&apos;s mark, %3 its words, %4 the entry.</extracomment>
        <translation>%1&#xa0;: %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4); last %5 %6 (%7)</source>
        <extracomment>The first verdict and entry of a question, then the last: %2 and %5 are marks.</extracomment>
        <translation>%1&#xa0;: %2 %3 (%4)&#xa0;; au dernier essai, %5 %6 (%7)</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <extracomment>%2 is the part of the question: glucose, liver glycogen, muscle glycogen.</extracomment>
        <translation>Question %1, %2</translation>
    </message>
    <message>
        <source>Answers of %1, the first try and the last:</source>
        <translation>Réponses de %1, au premier essai et au dernier&#xa0;:</translation>
    </message>
    <message>
        <source>Your answers, the first try and the last:</source>
        <translation>Vos réponses, au premier essai et au dernier&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 questions right at the first try.</source>
        <extracomment>%n questions of the %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>Score&#xa0;: %n question sur %1 juste au premier essai.</numerusform>
            <numerusform>Score&#xa0;: %n questions sur %1 justes au premier essai.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Each question at the first try and at the last</source>
        <translation>Chaque question au premier essai et au dernier</translation>
    </message>
    <message>
        <source>No attempts are read yet.</source>
        <translation>Aucune tentative n&apos;a encore été lue.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 names the question, %2 lists the outcomes with their counts: &quot;12 students right at the first try, 5 students close and 1 student not yet right&quot;.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ClassFigures</name>
    <message>
        <source>Right at the first try</source>
        <extracomment>An outcome in the key of the class&apos;s chart.</extracomment>
        <translation>Juste au premier essai</translation>
    </message>
    <message>
        <source>Carried forward</source>
        <translation>Erreur reportée</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The verdict: near the answer, but not within its tolerance.</extracomment>
        <translation>Presque</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Pas encore</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Non vérifiée</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) right at the first try</source>
        <extracomment>How many students of the class came to an outcome in one part of the exercise, as a screen reader says a bar of the class&apos;s chart.</extracomment>
        <translation>
            <numerusform>%n étudiant ayant répondu juste au premier essai</numerusform>
            <numerusform>%n étudiants ayant répondu juste au premier essai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) right at the last try</source>
        <translation>
            <numerusform>%n étudiant ayant répondu juste au dernier essai</numerusform>
            <numerusform>%n étudiants ayant répondu juste au dernier essai</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) carried forward</source>
        <translation>
            <numerusform>%n étudiant avec une erreur reportée</numerusform>
            <numerusform>%n étudiants avec une erreur reportée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) close</source>
        <extracomment>Close: near the answer, but not within its tolerance.</extracomment>
        <translation>
            <numerusform>%n étudiant proche de la réponse</numerusform>
            <numerusform>%n étudiants proches de la réponse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) not yet right</source>
        <translation>
            <numerusform>%n étudiant n&apos;ayant pas encore répondu juste</numerusform>
            <numerusform>%n étudiants n&apos;ayant pas encore répondu juste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n student(s). %2</source>
        <extracomment>%1 names the question; %n students met the slip; %2 is the slip&apos;s hint, a sentence of its own.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n étudiant. %2</numerusform>
            <numerusform>%1&#xa0;: %n étudiants. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Right at the last try</source>
        <translation>Juste au dernier essai</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) who did not check this answer</source>
        <translation>
            <numerusform>%n étudiant n&apos;ayant pas fait vérifier cette réponse</numerusform>
            <numerusform>%n étudiants n&apos;ayant pas fait vérifier cette réponse</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Known slips met, with how many students met each:</source>
        <translation>Erreurs connues rencontrées, avec le nombre d&apos;étudiants pour chacune&#xa0;:</translation>
    </message>
    <message>
        <source>No known slip was met.</source>
        <translation>Aucune erreur connue n&apos;a été rencontrée.</translation>
    </message>
    <message>
        <source>Each question at the first try and at the last, students counted:</source>
        <translation>Chaque question au premier essai et au dernier, en nombre d&apos;étudiants&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n étudiant</numerusform>
            <numerusform>%n étudiants</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassSetPage</name>
    <message>
        <source>&amp;Random subjects, all different:</source>
        <translation>Sujets &amp;aléatoires, tous différents&#xa0;:</translation>
    </message>
    <message>
        <source>These subject &amp;codes:</source>
        <translation>Ces &amp;codes de sujet&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Worksheets to:</source>
        <translation>&amp;Feuilles d&apos;exercices dans&#xa0;:</translation>
    </message>
    <message>
        <source>Answer &amp;keys to:</source>
        <translation>Co&amp;rrigés dans&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Write the class set</source>
        <translation>&amp;Enregistrer le jeu pour la classe</translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation>Nombre de sujets</translation>
    </message>
    <message>
        <source>Subject codes, one a line</source>
        <translation>Codes de sujet, un par ligne</translation>
    </message>
    <message>
        <source>Worksheets file</source>
        <translation>Fichier des feuilles d&apos;exercices</translation>
    </message>
    <message>
        <source>Answer keys file</source>
        <translation>Fichier des corrigés</translation>
    </message>
    <message>
        <source>Subjects</source>
        <extracomment>The invented people the worksheets are about, one for each student.</extracomment>
        <translation>Sujets</translation>
    </message>
    <message>
        <source>Sheets</source>
        <extracomment>The sheets of paper to write: worksheets and answer keys.</extracomment>
        <translation>Feuilles</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Feuilles d&apos;exercices</translation>
    </message>
    <message>
        <source>Answer keys</source>
        <translation>Corrigés</translation>
    </message>
    <message>
        <source>Each subject starts on a page of its own, headed by its code, so that each student&apos;s pages can be handed out alone. Both files are written in full before either replaces anything.</source>
        <translation>Chaque sujet commence sur une page à part, avec son code en en-tête, afin que les pages de chaque étudiant puissent être distribuées séparément. Les deux fichiers sont entièrement écrits avant que l&apos;un ou l&apos;autre ne remplace quoi que ce soit.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Type the subject codes, one a line, or choose random subjects.</source>
        <translation>Tapez les codes de sujet, un par ligne, ou choisissez des sujets aléatoires.</translation>
    </message>
    <message>
        <source>Choose where to save the worksheets.</source>
        <translation>Choisissez où enregistrer les feuilles d&apos;exercices.</translation>
    </message>
    <message>
        <source>Choose where to save the answer keys.</source>
        <translation>Choisissez où enregistrer les corrigés.</translation>
    </message>
    <message>
        <source>Choose the worksheets, the answer keys or both.</source>
        <translation>Choisissez les feuilles d&apos;exercices, les corrigés ou les deux.</translation>
    </message>
    <message>
        <source>The worksheets and the answer keys need files of their own.</source>
        <translation>Les feuilles d&apos;exercices et les corrigés doivent avoir chacun leur propre fichier.</translation>
    </message>
    <message>
        <source>Writing the class set…</source>
        <translation>Écriture du jeu pour la classe…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Jeu pour la classe</translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): the worksheets to %1 and the answer keys to %2.</source>
        <translation>
            <numerusform>Jeu écrit pour %n sujet&#xa0;: les feuilles d&apos;exercices dans %1 et les corrigés dans %2.</numerusform>
            <numerusform>Jeu écrit pour %n sujets&#xa0;: les feuilles d&apos;exercices dans %1 et les corrigés dans %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): %1.</source>
        <translation>
            <numerusform>Jeu écrit pour %n sujet&#xa0;: %1.</numerusform>
            <numerusform>Jeu écrit pour %n sujets&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written, and what stood at those places is as it was.</source>
        <translation>Annulé&#xa0;: rien n&apos;a été écrit, et ce qui se trouvait à ces emplacements est resté tel quel.</translation>
    </message>
    <message>
        <source>Choose the file for the worksheets</source>
        <translation>Choisir le fichier des feuilles d&apos;exercices</translation>
    </message>
    <message>
        <source>Choose the file for the answer keys</source>
        <translation>Choisir le fichier des corrigés</translation>
    </message>
</context>
<context>
    <name>ClassTable</name>
    <message>
        <source>yes</source>
        <extracomment>A cell of the class&apos;s table: whether the attempt was finished, edited or counted.</extracomment>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <translation>
            <numerusform>%n question sur %1 juste au premier essai.</numerusform>
            <numerusform>%n questions sur %1 justes au premier essai.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known slips met in %n question(s): %1.</source>
        <extracomment>%n questions, listed in %1: &quot;2 and 5&quot;.</extracomment>
        <translation>
            <numerusform>Erreurs connues rencontrées dans %n question&#xa0;: %1.</numerusform>
            <numerusform>Erreurs connues rencontrées dans %n questions&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The student&apos;s name.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>nobody named</source>
        <extracomment>The name column of an attempt whose record names nobody.</extracomment>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>ID number</source>
        <extracomment>Moodle&apos;s word for the number a school knows a student by.</extracomment>
        <translation>N° d&apos;identification</translation>
    </message>
    <message>
        <source>Code</source>
        <extracomment>The subject&apos;s code, such as M72-0.8-12.4.</extracomment>
        <translation>Code</translation>
    </message>
    <message>
        <source>Started</source>
        <extracomment>When the student started the attempt: a date and time.</extracomment>
        <translation>Début</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Questions right at the first try, &quot;4 of 6&quot;.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 questions right at the first try of %2.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Whether the student finished the attempt: yes or no.</extracomment>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Edited</source>
        <extracomment>Whether the record was changed by hand: yes or no.</extracomment>
        <translation>Modifiée</translation>
    </message>
    <message>
        <source>Counted</source>
        <extracomment>Whether this attempt is the one that counts for its student: yes or no.</extracomment>
        <translation>Comptée</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 %2: worked exercise on lactate clearance and oxygen debt after a sprint.
Without options it opens the exercise for a new, random subject.
Paper is A4, or Letter where the locale measures in US units.</source>
        <translation>%1 %2&#xa0;: exercice corrigé sur l&apos;élimination du lactate et la dette d&apos;oxygène après un sprint.
Sans option, il ouvre l&apos;exercice pour un nouveau sujet tiré au hasard.
Les pages sont au format A4, ou Letter là où les paramètres régionaux utilisent les unités américaines.</translation>
    </message>
    <message>
        <source>Displays help on command-line options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Starts with the subject of &lt;code&gt;, such as M72-0.8-12.4, instead of a random one. With --worksheet or --key it may be given several times, one subject each.</source>
        <translation>Démarre avec le sujet de code &lt;code&gt;, par exemple M72-0.8-12.4, au lieu d&apos;un sujet aléatoire. Avec --worksheet ou --key, l&apos;option peut être donnée plusieurs fois, un sujet à chaque fois.</translation>
    </message>
    <message>
        <source>Starts in practice mode, in which the student types the answers and has them checked.</source>
        <translation>Démarre en mode entraînement, où l&apos;étudiant tape les réponses et les fait vérifier.</translation>
    </message>
    <message>
        <source>Practises as the student &lt;name&gt;, for this run, instead of the name this computer remembers or asks for.</source>
        <translation>S&apos;entraîne en tant qu&apos;étudiant &lt;name&gt;, pour cette exécution, au lieu du nom que cet ordinateur a retenu ou demande.</translation>
    </message>
    <message>
        <source>With --student: the student&apos;s &lt;id&gt; number, as the school&apos;s gradebook knows it.</source>
        <translation>Avec --student&#xa0;: le numéro d&apos;identification &lt;id&gt; de l&apos;étudiant, tel que le connaît le carnet de notes de l&apos;établissement.</translation>
    </message>
    <message>
        <source>Writes the worksheet, the problem and the six questions with room to work under each, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Écrit la feuille d&apos;exercices, c&apos;est-à-dire l&apos;énoncé et les six questions avec de la place pour travailler sous chacune, en PDF dans &lt;file&gt;, et quitte sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Writes the answer key, each question with its worked answer and both pathway diagrams, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Écrit le corrigé, chaque question avec sa réponse détaillée et les deux schémas métaboliques, en PDF dans &lt;file&gt;, et quitte sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>With --worksheet or --key: a class set of &lt;n&gt; different random subjects, 1 to %1, each on pages of its own headed by its code.</source>
        <translation>Avec --worksheet ou --key&#xa0;: un jeu pour la classe de &lt;n&gt; sujets aléatoires différents, de 1 à %1, chacun sur des pages à part avec son code en en-tête.</translation>
    </message>
    <message>
        <source>With --collate: the CSV &lt;file&gt; to write, a line for each attempt: the student&apos;s name and ID number, the subject code, when the attempt started, each question&apos;s first and last verdicts, the score and whether it was finished, edited and counted.</source>
        <translation>Avec --collate&#xa0;: le fichier CSV &lt;file&gt; à écrire, avec une ligne par tentative donnant le nom et le numéro d&apos;identification de l&apos;étudiant, le code du sujet, le début de la tentative, le premier et le dernier verdict de chaque question, le score, et si elle a été terminée, modifiée et comptée.</translation>
    </message>
    <message>
        <source>With --collate: the class report, as PDF to &lt;file&gt;: for each question how many students were right at the first try and at the last, the known slips met, and a table of the students.</source>
        <translation>Avec --collate&#xa0;: le rapport de classe, en PDF dans &lt;file&gt;&#xa0;; pour chaque question, combien d&apos;étudiants ont répondu juste au premier essai et au dernier, les erreurs connues rencontrées, et un tableau des étudiants.</translation>
    </message>
    <message>
        <source>Speaks the language of &lt;code&gt;, one of %1, instead of the desktop&apos;s: pt or pt_BR for Brazilian Portuguese.</source>
        <translation>Utilise la langue désignée par &lt;code&gt;, parmi %1, au lieu de celle du bureau&#xa0;; pt ou pt_BR pour le portugais du Brésil.</translation>
    </message>
    <message>
        <source>Writes the result slip of the practice record of --record, its entries, verdicts and score on one page, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Écrit la fiche de résultats de l&apos;enregistrement d&apos;entraînement de --record, avec ses saisies, ses verdicts et son score sur une page, en PDF dans &lt;file&gt;, et quitte sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>With --result-slip: the practice record &lt;file&gt; to read.</source>
        <translation>Avec --result-slip&#xa0;: le fichier &lt;file&gt; de l&apos;enregistrement d&apos;entraînement à lire.</translation>
    </message>
    <message>
        <source>With --collate or --teacher: practice records (.json), or folders of them.</source>
        <translation>Avec --collate ou --teacher&#xa0;: des enregistrements d&apos;entraînement (.json), ou des dossiers qui en contiennent.</translation>
    </message>
    <message>
        <source>--collate reads practice records; it does not go with --%1.</source>
        <translation>--collate lit des enregistrements d&apos;entraînement&#xa0;; cette option est incompatible avec --%1.</translation>
    </message>
    <message>
        <source>--collate needs practice records to read: files, or folders of them.</source>
        <translation>--collate a besoin d&apos;enregistrements d&apos;entraînement à lire&#xa0;: des fichiers, ou des dossiers qui en contiennent.</translation>
    </message>
    <message>
        <source>--result-slip writes the slip of one practice record; it does not go with --%1.</source>
        <translation>--result-slip écrit la fiche de résultats d&apos;un seul enregistrement d&apos;entraînement&#xa0;; cette option est incompatible avec --%1.</translation>
    </message>
    <message>
        <source>--record is read for --result-slip; give --result-slip and its file.</source>
        <translation>--record est lu pour --result-slip&#xa0;; donnez --result-slip et son fichier.</translation>
    </message>
    <message>
        <source>--result-slip needs the practice record to read; give --record.</source>
        <translation>--result-slip a besoin de l&apos;enregistrement d&apos;entraînement à lire&#xa0;; donnez --record.</translation>
    </message>
    <message>
        <source>--result-slip names the record itself, %1; write the slip to a file of its own.</source>
        <translation>--result-slip désigne l&apos;enregistrement lui-même, %1&#xa0;; écrivez la fiche dans un fichier à part.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>L&apos;option --%1 est donnée plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>--csv is the table of --collate; give --collate and the records too.</source>
        <translation>--csv est le tableau de --collate&#xa0;; donnez aussi --collate et les enregistrements.</translation>
    </message>
    <message>
        <source>--report is the report of --collate; give --collate and the records too.</source>
        <translation>--report est le rapport de --collate&#xa0;; donnez aussi --collate et les enregistrements.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;; only --collate and --teacher take files without an option.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;»&#xa0;; seules les options --collate et --teacher acceptent des fichiers donnés sans option.</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>L&apos;option --%1 demande une valeur.</translation>
    </message>
    <message>
        <source>--teacher opens the teacher&apos;s window; it does not go with --%1.</source>
        <translation>--teacher ouvre la fenêtre des enseignants&#xa0;; cette option est incompatible avec --%1.</translation>
    </message>
    <message>
        <source>--student-id goes with --student and the student&apos;s name.</source>
        <translation>--student-id s&apos;utilise avec --student et le nom de l&apos;étudiant.</translation>
    </message>
    <message>
        <source>--student names who practises in the window; it does not go with --worksheet or --key.</source>
        <translation>--student indique qui s&apos;entraîne dans la fenêtre&#xa0;; cette option est incompatible avec --worksheet ou --key.</translation>
    </message>
    <message>
        <source>--count makes a class set on paper; give --worksheet or --key.</source>
        <translation>--count produit un jeu pour la classe en fichiers PDF&#xa0;; donnez --worksheet ou --key.</translation>
    </message>
    <message>
        <source>The window shows one subject; give --subject once, or several with --worksheet or --key.</source>
        <translation>La fenêtre affiche un seul sujet&#xa0;; donnez --subject une fois, ou plusieurs fois avec --worksheet ou --key.</translation>
    </message>
    <message>
        <source>--practice is for the window; it does not go with --worksheet or --key.</source>
        <translation>--practice ne concerne que la fenêtre&#xa0;; cette option est incompatible avec --worksheet ou --key.</translation>
    </message>
    <message>
        <source>--worksheet and --key name the same file, %1.</source>
        <translation>--worksheet et --key désignent le même fichier, %1.</translation>
    </message>
    <message>
        <source>--count draws random subjects and --subject names them; give one or the other.</source>
        <translation>--count tire des sujets au hasard et --subject les désigne&#xa0;; donnez l&apos;une ou l&apos;autre de ces options.</translation>
    </message>
    <message>
        <source>--count takes a whole number of subjects, 1 to %1, not &quot;%2&quot;.</source>
        <translation>--count prend un nombre entier de sujets, de 1 à %1, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Cannot read the subject code &quot;%1&quot;. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>Impossible de lire le code de sujet «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>The name given with --student cannot be taken. %1</source>
        <extracomment>%1 says what is wrong with the name, in a sentence of its own.</extracomment>
        <translation>Le nom donné avec --student n&apos;est pas valable. %1</translation>
    </message>
    <message>
        <source>The ID number given with --student-id cannot be taken. %1</source>
        <extracomment>%1 says what is wrong with the ID number, in a sentence of its own.</extracomment>
        <translation>Le numéro d&apos;identification donné avec --student-id n&apos;est pas valable. %1</translation>
    </message>
    <message>
        <source>Reads the practice records given as arguments, files or folders of them, judges each check again from its entry, and writes the table of --csv, the gradebook file of --gradebook, the report of --report, or several of them. A record that cannot be read, or was edited, is named. Exits without opening a window.</source>
        <translation>Lit les enregistrements d&apos;entraînement donnés en arguments, fichiers ou dossiers qui en contiennent, juge à nouveau chaque vérification d&apos;après sa saisie, et écrit le tableau de --csv, le fichier pour le carnet de notes de --gradebook, le rapport de --report, ou plusieurs d&apos;entre eux. Un enregistrement illisible, ou modifié, est signalé. Quitte sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Hands practice attempts in to the folder &lt;dir&gt; for this run, whatever this computer&apos;s settings say: each attempt&apos;s record is kept there too, after every check.</source>
        <translation>Rend les tentatives d&apos;entraînement dans le dossier de remise &lt;dir&gt; pour cette exécution, quels que soient les réglages de cet ordinateur&#xa0;; l&apos;enregistrement de chaque tentative y est conservé lui aussi, après chaque vérification.</translation>
    </message>
    <message>
        <source>With --teacher: watches the folder &lt;dir&gt; that students hand in to, and shows each record as it arrives or changes.</source>
        <translation>Avec --teacher&#xa0;: surveille le dossier de remise &lt;dir&gt;, où les étudiants rendent leur travail, et affiche chaque enregistrement dès qu&apos;il arrive ou qu&apos;il change.</translation>
    </message>
    <message>
        <source>Opens %1 for teachers, for class sets and the records handed in, with the records given as arguments, files or folders of them.</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Ouvre %1 pour les enseignants (jeux pour la classe et enregistrements rendus), avec les enregistrements donnés en arguments, fichiers ou dossiers qui en contiennent.</translation>
    </message>
    <message>
        <source>--collate writes the class&apos;s table, a file for the gradebook, a report, or more than one of them; give --csv, --gradebook, --report or several, each with its file.</source>
        <translation>--collate écrit le tableau de la classe, un fichier pour le carnet de notes, un rapport, ou plusieurs d&apos;entre eux&#xa0;; donnez --csv, --gradebook, --report ou plusieurs de ces options, chacune avec son fichier.</translation>
    </message>
    <message>
        <source>--%1 and --%2 name the same file, %3.</source>
        <translation>--%1 et --%2 désignent le même fichier, %3.</translation>
    </message>
    <message>
        <source>--gradebook is the gradebook file of --collate; give --collate and the records too.</source>
        <translation>--gradebook est le fichier pour le carnet de notes de --collate&#xa0;; donnez aussi --collate et les enregistrements.</translation>
    </message>
    <message>
        <source>--watch is for the teacher&apos;s window; give --teacher too.</source>
        <translation>--watch ne concerne que la fenêtre des enseignants&#xa0;; donnez aussi --teacher.</translation>
    </message>
    <message>
        <source>--%1 names %2, which is not a folder.</source>
        <translation>--%1 désigne %2, qui n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>--hand-in is for practice in the window; it does not go with --worksheet or --key.</source>
        <translation>--hand-in ne concerne que l&apos;entraînement dans la fenêtre&#xa0;; cette option est incompatible avec --worksheet ou --key.</translation>
    </message>
    <message>
        <source>%1: the window cannot open, as there is no display to show it on. --worksheet and --key write their PDF files without one.</source>
        <extracomment>%1 is the program&apos;s name, as the command line starts it.</extracomment>
        <translation>%1&#xa0;: la fenêtre ne peut pas s&apos;ouvrir, car aucun écran n&apos;est disponible pour l&apos;afficher. --worksheet et --key écrivent leurs fichiers PDF sans écran.</translation>
    </message>
    <message>
        <source>With --collate: the CSV &lt;file&gt; to import into the gradebook, a line for each student: the ID number, the name, the score of the attempt that counts and a short feedback. A student whom the gradebook could not find by the ID number (none given, one given to two students, or one that a spreadsheet would read as a formula) is left out, and named.</source>
        <translation>Avec --collate&#xa0;: le fichier CSV &lt;file&gt; à importer dans le carnet de notes, avec une ligne par étudiant donnant le numéro d&apos;identification, le nom, le score de la tentative qui compte et un court commentaire. Un étudiant que le carnet de notes ne pourrait pas retrouver par son numéro d&apos;identification (numéro absent, attribué à deux étudiants, ou qu&apos;un tableur lirait comme une formule) est écarté du fichier, et signalé.</translation>
    </message>
    <message>
        <source>--%1 names a practice record, %2; give it a file of its own to write.</source>
        <translation>--%1 désigne un enregistrement d&apos;entraînement, %2&#xa0;; donnez à cette option un fichier distinct où écrire.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>glucose</source>
        <extracomment>The name of a compound as a label of a pathway diagram: short, as it has little room.</extracomment>
        <translation>glucose</translation>
    </message>
    <message>
        <source>glucose 6-phosphate</source>
        <translation>glucose 6-phosphate</translation>
    </message>
    <message>
        <source>glycogen</source>
        <translation>glycogène</translation>
    </message>
    <message>
        <source>2 x lactate</source>
        <translation>2 x lactate</translation>
    </message>
    <message>
        <source>2 x pyruvate</source>
        <translation>2 x pyruvate</translation>
    </message>
    <message>
        <source>lactate</source>
        <translation>lactate</translation>
    </message>
    <message>
        <source>pyruvate</source>
        <translation>pyruvate</translation>
    </message>
    <message>
        <source>acetyl CoA</source>
        <translation>acétyl-CoA</translation>
    </message>
    <message>
        <source>oxaloacetate</source>
        <translation>oxaloacétate</translation>
    </message>
    <message>
        <source>citrate</source>
        <translation>citrate</translation>
    </message>
    <message>
        <source>isocitrate</source>
        <translation>isocitrate</translation>
    </message>
    <message>
        <source>α-ketoglutarate</source>
        <translation>α-cétoglutarate</translation>
    </message>
    <message>
        <source>succinyl CoA</source>
        <translation>succinyl-CoA</translation>
    </message>
    <message>
        <source>succinate</source>
        <translation>succinate</translation>
    </message>
    <message>
        <source>fumarate</source>
        <translation>fumarate</translation>
    </message>
    <message>
        <source>malate</source>
        <translation>malate</translation>
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
        <translation>Rien n&apos;est saisi ici.</translation>
    </message>
    <message>
        <source>This is too long for one number (%1 characters).</source>
        <translation>C&apos;est trop long pour un seul nombre (%1 caractères).</translation>
    </message>
    <message>
        <source>%1 has digits other than 0 to 9.</source>
        <translation>%1 contient des chiffres autres que ceux de 0 à 9.</translation>
    </message>
    <message>
        <source>%1 is not a number; type it in digits, like 12.5.</source>
        <translation>%1 n&apos;est pas un nombre&#xa0;; tapez-le en chiffres, par exemple 12,5.</translation>
    </message>
    <message>
        <source>%1 is written with an exponent; type the number in full.</source>
        <translation>%1 est écrit avec un exposant&#xa0;; tapez le nombre en entier.</translation>
    </message>
    <message>
        <source>%1 is not a number; type digits and at most one decimal point or comma.</source>
        <translation>%1 n&apos;est pas un nombre&#xa0;; tapez des chiffres et au plus une virgule ou un point décimal.</translation>
    </message>
    <message>
        <source>%1 holds more than one number; type one.</source>
        <translation>%1 contient plus d&apos;un nombre&#xa0;; tapez-en un seul.</translation>
    </message>
    <message>
        <source>%1 has a blank inside; type one number, without thousands separators.</source>
        <translation>%1 contient un espace&#xa0;; tapez un seul nombre, sans séparateur de milliers.</translation>
    </message>
    <message>
        <source>%1 has more than one point or comma; type it without thousands separators, with one decimal point or comma.</source>
        <translation>%1 contient plus d&apos;un point ou d&apos;une virgule&#xa0;; tapez-le sans séparateur de milliers, avec une seule virgule ou un seul point décimal.</translation>
    </message>
    <message>
        <source>The comma in %1 could be a thousands separator or a decimal comma; type the number without it, or with a decimal point.</source>
        <translation>La virgule dans %1 pourrait être un séparateur de milliers ou une virgule décimale&#xa0;; tapez le nombre sans elle, ou avec un point décimal.</translation>
    </message>
    <message>
        <source>%1 is far too large for this answer; check the digits.</source>
        <translation>%1 est beaucoup trop grand pour cette réponse&#xa0;; vérifiez les chiffres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a unit of this answer, which takes %2, or no unit.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une unité de cette réponse, qui s&apos;exprime en %2, ou sans unité.</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>You are considering a man who weighs %1 kg. He  has just completed a 100 m sprint.</source>
        <extracomment>%1 is the subject&apos;s weight. The doubled blank is the English exercise&apos;s own.</extracomment>
        <translation>Vous étudiez le cas d&apos;un homme qui pèse %1 kg. Il vient de courir un sprint de 100 m.</translation>
    </message>
    <message>
        <source>You are considering a woman who weighs %1 kg. She  has just completed a 100 m sprint.</source>
        <translation>Vous étudiez le cas d&apos;une femme qui pèse %1 kg. Elle vient de courir un sprint de 100 m.</translation>
    </message>
    <message>
        <source>Before the race his plasma lactate was %1 mmol /L</source>
        <translation>Avant la course, sa lactatémie était de %1 mmol/L</translation>
    </message>
    <message>
        <source>Before the race her plasma lactate was %1 mmol /L</source>
        <translation>Avant la course, sa lactatémie était de %1 mmol/L</translation>
    </message>
    <message>
        <source>Immediately after the race  his  plasma lactate was %1 mmol /L</source>
        <extracomment>The doubled blanks are the English exercise&apos;s own.</extracomment>
        <translation>Juste après la course, sa lactatémie était de %1 mmol/L</translation>
    </message>
    <message>
        <source>Immediately after the race  her  plasma lactate was %1 mmol /L</source>
        <translation>Juste après la course, sa lactatémie était de %1 mmol/L</translation>
    </message>
    <message>
        <source>30 minutes later  his  plasma lactate was %1 mmol /L</source>
        <extracomment>The doubled blanks are the English exercise&apos;s own.</extracomment>
        <translation>30 minutes plus tard, sa lactatémie était de %1 mmol/L</translation>
    </message>
    <message>
        <source>30 minutes later  her  plasma lactate was %1 mmol /L</source>
        <translation>30 minutes plus tard, sa lactatémie était de %1 mmol/L</translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that he has metabolised in 30 minutes?</source>
        <extracomment>%1 is a percentage.</extracomment>
        <translation>En admettant que le liquide extracellulaire représente %1&#xa0;% du poids corporel,
quelle quantité totale de lactate a-t-il métabolisée en 30 minutes&#xa0;?</translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that she has metabolised in 30 minutes?</source>
        <translation>En admettant que le liquide extracellulaire représente %1&#xa0;% du poids corporel,
quelle quantité totale de lactate a-t-elle métabolisée en 30 minutes&#xa0;?</translation>
    </message>
    <message>
        <source>Extracellular fluid = %1 x %2 = %3 L   (You can assume that 1 kg of ecf = 1 L)</source>
        <extracomment>%1 is the share of body weight, %2 the weight, %3 the volume of extracellular fluid.</extracomment>
        <translation>Liquide extracellulaire = %1 x %2 = %3 L   (vous pouvez admettre que 1 kg de LEC = 1 L)</translation>
    </message>
    <message>
        <source>Over 30 min his plasma lactate falls by %1 mmol/L</source>
        <translation>En 30 min, sa lactatémie baisse de %1 mmol/L</translation>
    </message>
    <message>
        <source>Over 30 min her plasma lactate falls by %1 mmol/L</source>
        <translation>En 30 min, sa lactatémie baisse de %1 mmol/L</translation>
    </message>
    <message>
        <source>Total lactate metabolised = %1 x %2 = %3 mmol</source>
        <translation>Lactate total métabolisé = %1 x %2 = %3 mmol</translation>
    </message>
    <message>
        <source>Most of this lactate will be taken up by the liver and used for gluconeogenesis.</source>
        <translation>La majeure partie de ce lactate sera captée par le foie et utilisée pour la néoglucogenèse.</translation>
    </message>
    <message>
        <source>Some will be used for synthesis of liver glycogen, but most will be released from the liver as glucose
and used for glycogen synthesis in muscle.</source>
        <translation>Une partie servira à la synthèse du glycogène hépatique, mais la majeure partie sera libérée
par le foie sous forme de glucose et utilisée pour la synthèse du glycogène musculaire.</translation>
    </message>
    <message>
        <source>What is the total cost in ATP (summing ATP, GTP and UTP) for synthesis of:</source>
        <translation>Quel est le coût total en ATP (en additionnant ATP, GTP et UTP) de la synthèse&#xa0;:</translation>
    </message>
    <message>
        <source>glucose from 2 x lactate</source>
        <extracomment>The three products of question 2, each a line of their own under the question.</extracomment>
        <translation>du glucose à partir de 2 x lactate</translation>
    </message>
    <message>
        <source>liver glycogen from 2 x lactate</source>
        <translation>du glycogène hépatique à partir de 2 x lactate</translation>
    </message>
    <message>
        <source>muscle glycogen from 2 x lactate</source>
        <translation>du glycogène musculaire à partir de 2 x lactate</translation>
    </message>
    <message>
        <source>Synthesis of glucose from 2 x lactate uses %1 x ATP</source>
        <translation>La synthèse du glucose à partir de 2 x lactate utilise %1 x ATP</translation>
    </message>
    <message>
        <source>Synthesis of liver glycogen from 2 x lactate uses %1 x ATP</source>
        <translation>La synthèse du glycogène hépatique à partir de 2 x lactate utilise %1 x ATP</translation>
    </message>
    <message>
        <source>Synthesis of muscle glycogen from 2 x lactate uses %1 x ATP</source>
        <translation>La synthèse du glycogène musculaire à partir de 2 x lactate utilise %1 x ATP</translation>
    </message>
    <message>
        <source>Although gluconogenesis from pyruvate requires NADH, this is provided by the oxidation of lactate to pyruvate.</source>
        <extracomment>&quot;gluconogenesis&quot; is the English exercise&apos;s own slip for gluconeogenesis: write the word correctly. The NADH that gluconeogenesis uses is supplied by the oxidation of lactate.</extracomment>
        <translation>Bien que la néoglucogenèse à partir du pyruvate nécessite du NADH,
celui-ci est fourni par l&apos;oxydation du lactate en pyruvate.</translation>
    </message>
    <message>
        <source>How much ATP would be required to convert all of the lactate that has been metabolised to muscle glycogen?</source>
        <translation>Quelle quantité d&apos;ATP faudrait-il pour convertir en glycogène musculaire tout le lactate qui a été métabolisé&#xa0;?</translation>
    </message>
    <message>
        <source>%1 mmol of lactate has been metabolised; this will require (%2 / 2 x %3 ) = %4 mmol ATP</source>
        <extracomment>%1 and %2 are the lactate metabolised, %3 the ATP for 2 lactate, %4 the ATP required.</extracomment>
        <translation>On a métabolisé %1 mmol de lactate&#xa0;; cela nécessitera (%2 / 2 x %3) = %4 mmol d&apos;ATP</translation>
    </message>
    <message>
        <source> How much lactate must undergo total oxidation to carbon dioxide and water
(via lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle) to provide this ATP?</source>
        <extracomment>The leading blank is the English exercise&apos;s own.</extracomment>
        <translation>Quelle quantité de lactate doit subir une oxydation complète en dioxyde de carbone et en eau
(via la lactate déshydrogénase, la pyruvate déshydrogénase et le cycle de Krebs) pour fournir cet ATP&#xa0;?</translation>
    </message>
    <message>
        <source>1 mol of lactate oxidised to pyruvate yields %1 x NADH =~%2 ATP</source>
        <extracomment>%1 NADH, each worth about %2 ATP.</extracomment>
        <translation>1 mol de lactate oxydé en pyruvate fournit %1 x NADH =~%2 ATP</translation>
    </message>
    <message>
        <source>1 mol of pyruvate oxidised to acetyl CoA yields %1 x NADH =~%2 ATP</source>
        <translation>1 mol de pyruvate oxydé en acétyl-CoA fournit %1 x NADH =~%2 ATP</translation>
    </message>
    <message>
        <source>1 mol of acetate oxidised in the citric acid cycle yields:</source>
        <translation>1 mol d&apos;acétate oxydé dans le cycle de Krebs fournit&#xa0;:</translation>
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
        <translation>Au total, %1 ATP sont produits par lactate oxydé&#xa0;; il a besoin de %2 mmol d&apos;ATP,
il doit donc oxyder %3/%4 = %5 mmol de lactate.</translation>
    </message>
    <message>
        <source>Total %1 ATP produced per lactate oxidised; she needs %2mmol ATP
therefore she must oxidise %3/%4 = %5 mmol lactate.</source>
        <translation>Au total, %1 ATP sont produits par lactate oxydé&#xa0;; elle a besoin de %2 mmol d&apos;ATP,
elle doit donc oxyder %3/%4 = %5 mmol de lactate.</translation>
    </message>
    <message>
        <source>The oxidation of lactate, like that of glucose, consumes %1 L of oxygen per gram.</source>
        <translation>L&apos;oxydation du lactate, comme celle du glucose, consomme %1 L d&apos;oxygène par gramme.</translation>
    </message>
    <message>
        <source>The molecular mass of lactate is %1.</source>
        <translation>La masse molaire du lactate est de %1.</translation>
    </message>
    <message>
        <source>What is his additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation>Quelle est sa consommation supplémentaire d&apos;oxygène (en L) dans les 30 minutes suivant la fin de la course&#xa0;?</translation>
    </message>
    <message>
        <source>What is her additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation>Quelle est sa consommation supplémentaire d&apos;oxygène (en L) dans les 30 minutes suivant la fin de la course&#xa0;?</translation>
    </message>
    <message>
        <source>%1 mmol lactate = %2x %3  = %4 mg</source>
        <extracomment>%1 and %2 are the lactate to oxidise, %3 its molecular mass, %4 its mass. The doubled blank is the English exercise&apos;s own.</extracomment>
        <translation>%1 mmol de lactate = %2 x %3 = %4 mg</translation>
    </message>
    <message>
        <source>Additional oxygen consumed = (%1 / 1000) x %2 = %3 L</source>
        <translation>Oxygène supplémentaire consommé = (%1 / 1000) x %2 = %3 L</translation>
    </message>
    <message>
        <source>This is oxygen debt - the extra oxygen that is consumed in the metabolism of lactate to provide
the ATP that is required for gluconeogenesis and the formation of glycogen.</source>
        <translation>C&apos;est la dette d&apos;oxygène&#xa0;: l&apos;oxygène supplémentaire consommé par le métabolisme du lactate
pour fournir l&apos;ATP nécessaire à la néoglucogenèse et à la formation du glycogène.</translation>
    </message>
    <message>
        <source>Assuming that his total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in his oxygen consumption during this 30 minutes?</source>
        <extracomment>%1 is the total energy expenditure, %2 the energy each litre of oxygen yields. &quot;perday&quot; and &quot;pecentage&quot; are the English exercise&apos;s own slips: write &quot;per day&quot; and &quot;percentage&quot; correctly.</extracomment>
        <translation>En admettant que sa dépense énergétique totale soit de %1 MJ par jour
et que, quel que soit le substrat métabolisé, l&apos;énergie fournie soit de %2 kJ par L d&apos;oxygène consommé,
quel est le pourcentage d&apos;augmentation de sa consommation d&apos;oxygène pendant ces 30 minutes&#xa0;?</translation>
    </message>
    <message>
        <source>Assuming that her total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in her oxygen consumption during this 30 minutes?</source>
        <translation>En admettant que sa dépense énergétique totale soit de %1 MJ par jour
et que, quel que soit le substrat métabolisé, l&apos;énergie fournie soit de %2 kJ par L d&apos;oxygène consommé,
quel est le pourcentage d&apos;augmentation de sa consommation d&apos;oxygène pendant ces 30 minutes&#xa0;?</translation>
    </message>
    <message>
        <source>total oxygen consumed = total energy expenditure (MJ) x 1000 / %1 = %2x 1000 / %3 = %4 L oxygen /day</source>
        <extracomment>%1 and %3 are the kJ per litre of oxygen, %2 the energy expenditure, %4 the litres a day.</extracomment>
        <translation>Oxygène total consommé = dépense énergétique totale (MJ) x 1000 / %1
= %2 x 1000 / %3 = %4 L d&apos;oxygène/jour</translation>
    </message>
    <message>
        <source>= %1 /%2 = %3 L oxygen per 30 minutes</source>
        <extracomment>%1 is the litres a day, %2 the half hours of a day, %3 the litres per 30 minutes.</extracomment>
        <translation>= %1 / %2 = %3 L d&apos;oxygène par 30 minutes</translation>
    </message>
    <message>
        <source>percent increase in oxygen consumption = 100 x %1 / %2= %3%</source>
        <extracomment>%1 is the additional oxygen, %2 the litres per 30 minutes, %3 the percentage.</extracomment>
        <translation>Pourcentage d&apos;augmentation de la consommation d&apos;oxygène = 100 x %1 / %2 = %3&#xa0;%</translation>
    </message>
    <message>
        <source>%1 calculation</source>
        <extracomment>The title of every window and the head of every page; %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Calcul %1</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Questions</source>
        <extracomment>The pane that holds the problem and the questions posed so far.</extracomment>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>The pane that shows a worked answer (a noun).</extracomment>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>See answer 1</source>
        <translation>Voir la réponse 1</translation>
    </message>
    <message>
        <source>end</source>
        <extracomment>The button that ends the program, written in small letters as the program always has.</extracomment>
        <translation>fin</translation>
    </message>
    <message>
        <source>Hide answer 1</source>
        <translation>Masquer la réponse 1</translation>
    </message>
    <message>
        <source>See answer 2</source>
        <translation>Voir la réponse 2</translation>
    </message>
    <message>
        <source>Hide answer 2</source>
        <translation>Masquer la réponse 2</translation>
    </message>
    <message>
        <source>See pathway 1</source>
        <translation>Voir le schéma 1</translation>
    </message>
    <message>
        <source>See answer 3</source>
        <translation>Voir la réponse 3</translation>
    </message>
    <message>
        <source>Hide answer 3</source>
        <translation>Masquer la réponse 3</translation>
    </message>
    <message>
        <source>See pathway 2</source>
        <translation>Voir le schéma 2</translation>
    </message>
    <message>
        <source>See answer 4</source>
        <translation>Voir la réponse 4</translation>
    </message>
    <message>
        <source>Hide answer 4</source>
        <translation>Masquer la réponse 4</translation>
    </message>
    <message>
        <source>See answer 5</source>
        <translation>Voir la réponse 5</translation>
    </message>
    <message>
        <source>Hide answer 5</source>
        <translation>Masquer la réponse 5</translation>
    </message>
    <message>
        <source>See answer 6</source>
        <translation>Voir la réponse 6</translation>
    </message>
    <message>
        <source>Hide answer 6</source>
        <translation>Masquer la réponse 6</translation>
    </message>
</context>
<context>
    <name>FolderWatch</name>
    <message>
        <source>The watched folder %1 cannot be reached. What was read of it stays; watching goes on, and it is read again when it is back.</source>
        <extracomment>%1 is a folder; it was deleted, or the share it is on went offline.</extracomment>
        <translation>Le dossier surveillé %1 est inaccessible. Ce qui en a déjà été lu est conservé&#xa0;; la surveillance continue, et le dossier sera relu dès qu&apos;il sera de nouveau accessible.</translation>
    </message>
    <message>
        <source>The file is a link to a place outside the folder, and it was not followed.</source>
        <extracomment>Follows a sentence that names the file.</extracomment>
        <translation>Le fichier est un lien vers un emplacement situé hors du dossier&#xa0;; ce lien n&apos;a pas été suivi.</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom &amp;arrière</translation>
    </message>
    <message>
        <source>&amp;Reset zoom</source>
        <translation>Zoom par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>Ajuster à la &amp;fenêtre</translation>
    </message>
    <message>
        <source>Zoom %1 %, fitted to the window</source>
        <translation>Zoom %1&#xa0;%, ajusté à la fenêtre</translation>
    </message>
    <message>
        <source>Zoom %1 %, as the screen allows</source>
        <translation>Zoom %1&#xa0;%, autant que l&apos;écran le permet</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1&#xa0;%</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>The window&apos;s context menu.</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Logo de %1</translation>
    </message>
</context>
<context>
    <name>Gradebook</name>
    <message>
        <source>%1 is left out of the gradebook file: the attempt gives no ID number, by which the gradebook finds a student.</source>
        <extracomment>%1 is a student&apos;s name, or the record&apos;s file where it names nobody.</extracomment>
        <translation>%1 est écarté du fichier pour le carnet de notes&#xa0;: la tentative ne donne aucun numéro d&apos;identification, or c&apos;est par ce numéro que le carnet de notes retrouve un étudiant.</translation>
    </message>
    <message>
        <source>ID number %1 is left out of the gradebook file: it is given to more than one student (%2).</source>
        <extracomment>%1 is an ID number, %2 the names the records give with it: &quot;Ana and Ben&quot;.</extracomment>
        <translation>Le numéro d&apos;identification %1 est écarté du fichier pour le carnet de notes&#xa0;: il est attribué à plusieurs étudiants (%2).</translation>
    </message>
    <message>
        <source>%1 is left out of the gradebook file: the ID number &quot;%2&quot; would be read as a formula or holds a control character, and the gradebook would find nobody by it.</source>
        <extracomment>%1 is a student&apos;s name, %2 the ID number.</extracomment>
        <translation>%1 est écarté du fichier pour le carnet de notes&#xa0;: le numéro d&apos;identification «&#xa0;%2&#xa0;» serait lu comme une formule ou contient un caractère de contrôle, et le carnet de notes ne trouverait personne avec ce numéro.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Handing in to %1…</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Remise de la tentative dans le dossier %1…</translation>
    </message>
    <message>
        <source>Handed in to %1 at %2.</source>
        <extracomment>%1 is a folder, %2 a time of day.</extracomment>
        <translation>Tentative rendue dans le dossier %1 à %2.</translation>
    </message>
    <message>
        <source>Your attempt is not handed in. %1 It is kept on this computer, and handed in at the next check.</source>
        <extracomment>%1 says why, in a sentence of its own that names the folder.</extracomment>
        <translation>Votre tentative n&apos;a pas été rendue. %1 Elle est conservée sur cet ordinateur et sera rendue à la prochaine vérification.</translation>
    </message>
</context>
<context>
    <name>HandInFolder</name>
    <message>
        <source>The hand-in folder %1 cannot be reached.</source>
        <extracomment>A hand-in folder on a USB stick that was pulled, or a share that is offline.</extracomment>
        <translation>Le dossier de remise %1 est inaccessible.</translation>
    </message>
    <message>
        <source>The hand-in folder %1 names a file, not a folder.</source>
        <translation>Le dossier de remise %1 désigne un fichier, et non un dossier.</translation>
    </message>
</context>
<context>
    <name>HandedIn</name>
    <message>
        <source>The folder holds no practice records (*.json).</source>
        <extracomment>Follows a sentence that names the folder.</extracomment>
        <translation>Le dossier ne contient aucun enregistrement d&apos;entraînement (*.json).</translation>
    </message>
    <message>
        <source>Records read: %1; students: %2; attempts: %3.</source>
        <translation>Enregistrements lus&#xa0;: %1&#xa0;; étudiants&#xa0;: %2&#xa0;; tentatives&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Where a student handed in more than one attempt, the latest finished counts, else the latest; the table says which.</source>
        <translation>Quand un étudiant a rendu plusieurs tentatives, c&apos;est la dernière terminée qui compte, sinon la dernière&#xa0;; le tableau indique laquelle.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) were edited; what their entries earn is shown, not what they say.</source>
        <translation>
            <numerusform>%n enregistrement a été modifié&#xa0;; c&apos;est ce que méritent ses saisies qui est affiché, non ce qu&apos;il indique.</numerusform>
            <numerusform>%n enregistrements ont été modifiés&#xa0;; c&apos;est ce que méritent leurs saisies qui est affiché, non ce qu&apos;ils indiquent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and are left out.</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être lu et est laissé de côté.</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être lus et sont laissés de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is left out. %2</source>
        <extracomment>%1 is a file or folder, %2 why, in a sentence of its own such as &quot;The file is empty.&quot;</extracomment>
        <translation>%1 est laissé de côté. %2</translation>
    </message>
    <message>
        <source>The record %1 was edited. %2 The verdicts its entries earn are the ones shown.</source>
        <extracomment>%1 is the record&apos;s file; %2 names the check that differs, in a sentence of its own; the table and report show what its entry earns.</extracomment>
        <translation>L&apos;enregistrement %1 a été modifié. %2 Les verdicts affichés sont ceux que méritent ses saisies.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <extracomment>Follows a sentence that names the folder.</extracomment>
        <translation>Le dossier ne peut pas être lu.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) held an attempt read already; each attempt counts once.</source>
        <translation>
            <numerusform>%n enregistrement contenait une tentative déjà lue&#xa0;; chaque tentative ne compte qu&apos;une fois.</numerusform>
            <numerusform>%n enregistrements contenaient une tentative déjà lue&#xa0;; chaque tentative ne compte qu&apos;une fois.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HandedInPage</name>
    <message>
        <source>Export &amp;table…</source>
        <translation>Exporter le ta&amp;bleau…</translation>
    </message>
    <message>
        <source>Export &amp;report…</source>
        <translation>Exporter le &amp;rapport…</translation>
    </message>
    <message>
        <source>Attempts handed in</source>
        <translation>Tentatives rendues</translation>
    </message>
    <message>
        <source>Records not read, or edited</source>
        <translation>Enregistrements non lus, ou modifiés</translation>
    </message>
    <message>
        <source>Add &amp;records…</source>
        <translation>Ajouter des &amp;enregistrements…</translation>
    </message>
    <message>
        <source>Add a &amp;folder…</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>Empties the page of every record read.</extracomment>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>No records are read yet.</source>
        <translation>Aucun enregistrement n&apos;a encore été lu.</translation>
    </message>
    <message>
        <source>Add records</source>
        <translation>Ajouter des enregistrements</translation>
    </message>
    <message>
        <source>Practice records (*.json)</source>
        <translation>Enregistrements d&apos;entraînement (*.json)</translation>
    </message>
    <message>
        <source>Add a folder of records</source>
        <translation>Ajouter un dossier d&apos;enregistrements</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exporter le tableau</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table is written to %1.</source>
        <translation>Le tableau a été écrit dans %1.</translation>
    </message>
    <message>
        <source>No table was written. %1</source>
        <translation>Aucun tableau n&apos;a été écrit. %1</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>Le rapport a été écrit dans %1.</translation>
    </message>
    <message>
        <source>No report was written. %1</source>
        <translation>Aucun rapport n&apos;a été écrit. %1</translation>
    </message>
    <message>
        <source>Export for the &amp;gradebook…</source>
        <extracomment>Writes the file that the school&apos;s gradebook (Moodle) imports.</extracomment>
        <translation>Exporter pour le &amp;carnet de notes…</translation>
    </message>
    <message>
        <source>&amp;Watch a folder…</source>
        <extracomment>Follows a folder that students hand in to, as records arrive and change.</extracomment>
        <translation>&amp;Surveiller un dossier…</translation>
    </message>
    <message>
        <source>Records &amp;not read, or edited:</source>
        <translation>Enregistrements &amp;non lus, ou modifiés&#xa0;:</translation>
    </message>
    <message>
        <source>Add the records (.json) your students hand in, drop their files or folders on this window, or watch the folder they hand in to. Each record&apos;s checks are judged again from its entries; open an attempt to see them all.</source>
        <translation>Ajoutez les enregistrements (.json) que vos étudiants rendent, déposez leurs fichiers ou dossiers sur cette fenêtre, ou surveillez le dossier où ils rendent leur travail. Les vérifications de chaque enregistrement sont jugées à nouveau d&apos;après ses saisies&#xa0;; ouvrez une tentative pour les voir toutes.</translation>
    </message>
    <message>
        <source>Watching %1: records are read as they arrive or change.</source>
        <translation>Surveillance de %1&#xa0;: les enregistrements sont lus dès qu&apos;ils arrivent ou qu&apos;ils changent.</translation>
    </message>
    <message>
        <source>Watch the folder your students hand in to</source>
        <translation>Surveiller le dossier où vos étudiants rendent leur travail</translation>
    </message>
    <message>
        <source>Export for the gradebook</source>
        <translation>Exporter pour le carnet de notes</translation>
    </message>
    <message>
        <source>No gradebook file was written. %1</source>
        <translation>Aucun fichier pour le carnet de notes n&apos;a été écrit. %1</translation>
    </message>
    <message>
        <source>The gradebook file is written to %1.</source>
        <translation>Le fichier pour le carnet de notes a été écrit dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>The gradebook file is written to %1, and %n student(s) are left out of it:</source>
        <extracomment>%1 is the file; the sentence of each student left out follows, one a line.</extracomment>
        <translation>
            <numerusform>Le fichier pour le carnet de notes a été écrit dans %1, mais %n étudiant en est écarté&#xa0;:</numerusform>
            <numerusform>Le fichier pour le carnet de notes a été écrit dans %1, mais %n étudiants en sont écartés&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in.</source>
        <translation>
            <numerusform>%n nouvelle tentative rendue.</numerusform>
            <numerusform>%n nouvelles tentatives rendues.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, by %1.</source>
        <extracomment>%n new attempts, %1 the names of the students: &quot;Ana Souza and Ben Okafor&quot;.</extracomment>
        <translation>
            <numerusform>%n nouvelle tentative rendue par %1.</numerusform>
            <numerusform>%n nouvelles tentatives rendues par %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, among them by %1.</source>
        <translation>
            <numerusform>%n nouvelle tentative rendue par %1.</numerusform>
            <numerusform>%n nouvelles tentatives rendues, dont certaines par %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>Type an answer first.</source>
        <translation>Tapez d&apos;abord une réponse.</translation>
    </message>
    <message>
        <source>Not yet: only the sign is wrong; the amount is positive.</source>
        <translation>Pas encore&#xa0;: seul le signe est faux&#xa0;; la quantité est positive.</translation>
    </message>
    <message>
        <source>Not yet: the amount is positive.</source>
        <translation>Pas encore&#xa0;: la quantité est positive.</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Juste.</translation>
    </message>
    <message>
        <source>Close: within %1 % of the answer but not within %2 %; check the arithmetic.</source>
        <translation>Presque&#xa0;: à moins de %1&#xa0;% de la réponse, mais pas à moins de %2&#xa0;%&#xa0;; vérifiez le calcul.</translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answer to question %1 (%2).</source>
        <translation>Erreur reportée&#xa0;: votre méthode est juste&#xa0;; l&apos;écart vient de votre réponse à la question %1 (%2).</translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answers to questions %1 (%2) and %3 (%4).</source>
        <translation>Erreur reportée&#xa0;: votre méthode est juste&#xa0;; l&apos;écart vient de vos réponses aux questions %1 (%2) et %3 (%4).</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>%1 speaks no &quot;%2&quot;; the languages there are: %3.</source>
        <extracomment>%1 is the program&apos;s name, %2 the language asked for, %3 the languages there are.</extracomment>
        <translation>%1 n&apos;est pas disponible dans la langue «&#xa0;%2&#xa0;»&#xa0;; les langues disponibles sont&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Cannot read the record %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own, such as &quot;The file is empty.&quot;</extracomment>
        <translation>Impossible de lire l&apos;enregistrement %1. %2</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Exercise complete.</source>
        <translation>Exercice terminé.</translation>
    </message>
    <message>
        <source>Practice mode on: type each answer and check it.</source>
        <translation>Mode entraînement activé&#xa0;: tapez chaque réponse et vérifiez-la.</translation>
    </message>
    <message>
        <source>Practice mode off.</source>
        <translation>Mode entraînement désactivé.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of question 2, then its verdict: &quot;Glucose from 2 x lactate: Correct.&quot;</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>There is no subject to print.</source>
        <translation>Il n&apos;y a aucun sujet à imprimer.</translation>
    </message>
    <message>
        <source>Cannot draw on the page.</source>
        <translation>Impossible de dessiner sur la page.</translation>
    </message>
    <message>
        <source>Cannot start a new page.</source>
        <translation>Impossible de commencer une nouvelle page.</translation>
    </message>
    <message>
        <source>Cannot finish the pages.</source>
        <translation>Impossible de terminer les pages.</translation>
    </message>
    <message>
        <source>Subject %1, practised by %2 on %3 from %4 to %5.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the student, %3 the day, %4 and %5 times.</extracomment>
        <translation>Sujet %1, traité par %2 le %3 de %4 à %5.</translation>
    </message>
    <message>
        <source>Subject %1, practised on %2 from %3 to %4.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the day, %3 and %4 times.</extracomment>
        <translation>Sujet %1, traité le %2 de %3 à %4.</translation>
    </message>
    <message>
        <source>The exercise was finished.</source>
        <translation>L&apos;exercice a été terminé.</translation>
    </message>
    <message>
        <source>This record was edited. %1 The verdicts shown are the ones its entries earn.</source>
        <translation>Cet enregistrement a été modifié. %1 Les verdicts affichés sont ceux que méritent ses saisies.</translation>
    </message>
    <message>
        <source>The exercise was left at question %1.</source>
        <translation>L&apos;exercice a été interrompu à la question %1.</translation>
    </message>
    <message>
        <source>The exercise was left at answer %1.</source>
        <translation>L&apos;exercice a été interrompu à la réponse %1.</translation>
    </message>
    <message>
        <source>Drawing was cancelled.</source>
        <translation>La création des pages a été annulée.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Annulé&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: class report</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1&#xa0;: rapport de classe</translation>
    </message>
    <message>
        <source>%1: answer key</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1&#xa0;: corrigé</translation>
    </message>
    <message>
        <source>%1: worksheet</source>
        <translation>%1&#xa0;: feuille d&apos;exercices</translation>
    </message>
    <message>
        <source>%1: result slip</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1&#xa0;: fiche de résultats</translation>
    </message>
</context>
<context>
    <name>Pathway</name>
    <message>
        <source>Gluconeogenesis from lactate, and glycogen made in the liver and in muscle. Read from the bottom.</source>
        <translation>Néoglucogenèse à partir du lactate, et synthèse du glycogène dans le foie et dans le muscle. À lire de bas en haut.</translation>
    </message>
    <message>
        <source>2 x lactate is oxidised to 2 x pyruvate; this step uses 2 x NAD+ and gives 2 x NADH.</source>
        <translation>2 x lactate est oxydé en 2 x pyruvate&#xa0;; cette étape utilise 2 x NAD+ et donne 2 x NADH.</translation>
    </message>
    <message>
        <source>In the liver, 2 x pyruvate is made into glucose 6-phosphate in three steps, drawn as three arrows going up.</source>
        <translation>Dans le foie, 2 x pyruvate est transformé en glucose 6-phosphate en trois étapes, représentées par trois flèches montantes.</translation>
    </message>
    <message>
        <source>The first step uses 4 x ATP and gives 4 x ADP, and uses 2 x GTP and gives 2 x GDP.</source>
        <translation>La première étape utilise 4 x ATP et donne 4 x ADP, et utilise 2 x GTP et donne 2 x GDP.</translation>
    </message>
    <message>
        <source>The second step uses the 2 x NADH and gives 2 x NAD+.</source>
        <translation>La deuxième étape utilise les 2 x NADH et donne 2 x NAD+.</translation>
    </message>
    <message>
        <source>The third step ends at glucose 6-phosphate, drawn as its open-chain formula with a phosphate group on carbon 6.</source>
        <translation>La troisième étape aboutit au glucose 6-phosphate, représenté par sa formule à chaîne ouverte avec un groupement phosphate sur le carbone 6.</translation>
    </message>
    <message>
        <source>In the liver, glucose 6-phosphate is turned into free glucose, which leaves the liver.</source>
        <translation>Dans le foie, le glucose 6-phosphate est transformé en glucose libre, qui quitte le foie.</translation>
    </message>
    <message>
        <source>Or, in the liver, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation>Ou bien, dans le foie, le glucose 6-phosphate est transformé en glycogène&#xa0;; cette étape utilise de l&apos;UTP et donne UDP + Pi.</translation>
    </message>
    <message>
        <source>The free glucose is carried in the blood to muscle, the yellow panel.</source>
        <translation>Le glucose libre est transporté par le sang jusqu&apos;au muscle (le panneau jaune).</translation>
    </message>
    <message>
        <source>In muscle, glucose is made into glucose 6-phosphate; this step uses ATP and gives ADP.</source>
        <translation>Dans le muscle, le glucose est transformé en glucose 6-phosphate&#xa0;; cette étape utilise de l&apos;ATP et donne de l&apos;ADP.</translation>
    </message>
    <message>
        <source>In muscle, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation>Dans le muscle, le glucose 6-phosphate est transformé en glycogène&#xa0;; cette étape utilise de l&apos;UTP et donne UDP + Pi.</translation>
    </message>
    <message>
        <source>Complete oxidation of lactate through pyruvate, acetyl CoA and the citric acid cycle.</source>
        <translation>Oxydation complète du lactate via le pyruvate, l&apos;acétyl-CoA et le cycle de Krebs.</translation>
    </message>
    <message>
        <source>Lactate is oxidised to pyruvate; this step uses NAD+ and gives NADH.</source>
        <translation>Le lactate est oxydé en pyruvate&#xa0;; cette étape utilise du NAD+ et donne du NADH.</translation>
    </message>
    <message>
        <source>Pyruvate is converted to acetyl CoA; this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation>Le pyruvate est converti en acétyl-CoA&#xa0;; cette étape utilise du NAD+, donne du NADH et libère du CO2.</translation>
    </message>
    <message>
        <source>Acetyl CoA (2 carbons) joins oxaloacetate (4 carbons) to make citrate (6 carbons); this step gives off CoASH.</source>
        <translation>L&apos;acétyl-CoA (2 carbones) se condense avec l&apos;oxaloacétate (4 carbones) pour former le citrate (6 carbones)&#xa0;; cette étape libère du CoASH.</translation>
    </message>
    <message>
        <source>Citrate is rearranged to isocitrate (6 carbons).</source>
        <translation>Le citrate est isomérisé en isocitrate (6 carbones).</translation>
    </message>
    <message>
        <source>Isocitrate is oxidised to alpha-ketoglutarate (5 carbons); this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation>L&apos;isocitrate est oxydé en alpha-cétoglutarate (5 carbones)&#xa0;; cette étape utilise du NAD+, donne du NADH et libère du CO2.</translation>
    </message>
    <message>
        <source>Alpha-ketoglutarate is converted to succinyl CoA (4 carbons); this step uses CoASH and NAD+ and gives NADH, and gives off CO2.</source>
        <translation>L&apos;alpha-cétoglutarate est converti en succinyl-CoA (4 carbones)&#xa0;; cette étape utilise du CoASH et du NAD+, donne du NADH et libère du CO2.</translation>
    </message>
    <message>
        <source>Succinyl CoA is converted to succinate (4 carbons); this step gives off CoASH, and uses GDP + Pi and gives GTP.</source>
        <translation>Le succinyl-CoA est converti en succinate (4 carbones)&#xa0;; cette étape libère du CoASH, utilise GDP + Pi et donne du GTP.</translation>
    </message>
    <message>
        <source>Succinate is oxidised to fumarate (4 carbons); this step uses FAD and gives FADH2.</source>
        <translation>Le succinate est oxydé en fumarate (4 carbones)&#xa0;; cette étape utilise du FAD et donne du FADH2.</translation>
    </message>
    <message>
        <source>Fumarate takes up H2O to make malate (4 carbons).</source>
        <translation>Le fumarate fixe une molécule de H2O pour former le malate (4 carbones).</translation>
    </message>
    <message>
        <source>Malate is oxidised to oxaloacetate (4 carbons), which closes the cycle; this step uses NAD+ and gives NADH.</source>
        <translation>Le malate est oxydé en oxaloacétate (4 carbones), ce qui boucle le cycle&#xa0;; cette étape utilise du NAD+ et donne du NADH.</translation>
    </message>
    <message>
        <source>Gluconeogenesis from lactate</source>
        <translation>Néoglucogenèse à partir du lactate</translation>
    </message>
    <message>
        <source>Pathway diagram: gluconeogenesis from lactate</source>
        <translation>Schéma métabolique&#xa0;: néoglucogenèse à partir du lactate</translation>
    </message>
    <message>
        <source>Lactate oxidation and the citric acid cycle</source>
        <translation>Oxydation du lactate et cycle de Krebs</translation>
    </message>
    <message>
        <source>Pathway diagram: lactate oxidation and the citric acid cycle</source>
        <translation>Schéma métabolique&#xa0;: oxydation du lactate et cycle de Krebs</translation>
    </message>
    <message>
        <source>Totals: making glucose from 2 x lactate uses %1 nucleoside triphosphates (%2 ATP and %3 GTP).</source>
        <extracomment>%1 nucleoside triphosphates in all: %2 ATP and %3 GTP.</extracomment>
        <translation>Totaux&#xa0;: la synthèse du glucose à partir de 2 x lactate utilise %1 nucléosides triphosphates (%2 ATP et %3 GTP).</translation>
    </message>
    <message>
        <source>Making liver glycogen uses %1 (the %2 for glucose and %3 UTP in the liver).</source>
        <extracomment>%1 in all: the %2 for glucose and %3 UTP.</extracomment>
        <translation>La synthèse du glycogène hépatique en utilise %1 (les %2 du glucose et %3 UTP dans le foie).</translation>
    </message>
    <message>
        <source>Making muscle glycogen uses %1 (the %2 for glucose, %3 ATP and %4 UTP in muscle).</source>
        <extracomment>%1 in all: the %2 for glucose, %3 ATP and %4 UTP.</extracomment>
        <translation>La synthèse du glycogène musculaire en utilise %1 (les %2 du glucose, %3 ATP et %4 UTP dans le muscle).</translation>
    </message>
    <message>
        <source>The box in the middle of the cycle gives the exchange rates: each NADH gives about %1 ATP, each FADH2 gives about %2 ATP.</source>
        <translation>L&apos;encadré au centre du cycle donne les équivalences&#xa0;: chaque NADH fournit environ %1 ATP, chaque FADH2 environ %2 ATP.</translation>
    </message>
    <message>
        <source>In total one lactate gives %1 NADH, %2 FADH2 and %3 GTP, which make %4 ATP.</source>
        <translation>Au total, un lactate fournit %1 NADH, %2 FADH2 et %3 GTP, soit %4 ATP.</translation>
    </message>
    <message>
        <source>%1: gluconeogenesis from lactate</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1&#xa0;: néoglucogenèse à partir du lactate</translation>
    </message>
    <message>
        <source>%1: lactate oxidation and the citric acid cycle</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1&#xa0;: oxydation du lactate et cycle de Krebs</translation>
    </message>
</context>
<context>
    <name>PathwayWindow</name>
    <message>
        <source>Hide pathway</source>
        <translation>Masquer le schéma</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The pane that holds the diagram&apos;s title.</extracomment>
        <translation>Titre</translation>
    </message>
    <message>
        <source>%1. The diagram and its step-by-step description follow on Tab; Escape puts the window away.</source>
        <translation>%1. La touche Tab mène au schéma puis à sa description étape par étape&#xa0;; Échap ferme la fenêtre.</translation>
    </message>
</context>
<context>
    <name>PracticeActions</name>
    <message>
        <source>Pr&amp;actice mode</source>
        <translation>Mode en&amp;traînement</translation>
    </message>
    <message>
        <source>Yo&amp;ur name…</source>
        <translation>&amp;Votre nom…</translation>
    </message>
    <message>
        <source>Export result &amp;slip…</source>
        <translation>Exporter la fiche de &amp;résultats…</translation>
    </message>
    <message>
        <source>&amp;Hand in…</source>
        <extracomment>Gives the attempt&apos;s record to the teacher, into a folder the teacher reads.</extracomment>
        <translation>Rendre &amp;mon travail…</translation>
    </message>
    <message>
        <source>Show &amp;my records</source>
        <extracomment>Opens the folder of this computer&apos;s practice records in the file manager.</extracomment>
        <translation>&amp;Ouvrir le dossier de mes enregistrements</translation>
    </message>
    <message>
        <source>Practice mode</source>
        <translation>Mode entraînement</translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at question %3. Continue where you stopped?</source>
        <translation>Vous avez commencé à vous entraîner sur le sujet %1 le %2 et vous avez interrompu l&apos;exercice à la question %3. Reprendre là où vous en étiez&#xa0;?</translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at answer %3. Continue where you stopped?</source>
        <translation>Vous avez commencé à vous entraîner sur le sujet %1 le %2 et vous avez interrompu l&apos;exercice à la réponse %3. Reprendre là où vous en étiez&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>Start &amp;again</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>Export result slip</source>
        <translation>Exporter la fiche de résultats</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No result slip was written. %1</source>
        <translation>Aucune fiche de résultats n&apos;a été écrite. %1</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Rendre mon travail</translation>
    </message>
    <message>
        <source>Your attempt is handed in to %1, the folder your school set, and again after every check.</source>
        <translation>Votre tentative est rendue dans %1, le dossier choisi par votre établissement, puis de nouveau après chaque vérification.</translation>
    </message>
    <message>
        <source>Hand in to a folder</source>
        <translation>Rendre mon travail dans un dossier</translation>
    </message>
    <message>
        <source>Show my records</source>
        <translation>Mes enregistrements</translation>
    </message>
    <message>
        <source>Your practice records are in %1.</source>
        <extracomment>%1 is a folder; the file manager could not be started.</extracomment>
        <translation>Vos enregistrements d&apos;entraînement se trouvent dans %1.</translation>
    </message>
    <message>
        <source>Your answers cannot be kept. %1 Practice goes on.</source>
        <extracomment>%1 says why, in a sentence of its own that names the record.</extracomment>
        <translation>Vos réponses ne peuvent pas être conservées. %1 L&apos;entraînement continue.</translation>
    </message>
    <message>
        <source>Your attempt cannot be handed in. %1 It is kept on this computer, and handed in again at the next check.</source>
        <extracomment>%1 says why, in a sentence of its own that names the folder.</extracomment>
        <translation>Votre tentative ne peut pas être rendue. %1 Elle est conservée sur cet ordinateur et sera rendue à la prochaine vérification.</translation>
    </message>
    <message>
        <source>Your attempt is handed in to %1, the folder set for this run, and again after every check.</source>
        <extracomment>%1 is a folder, given on the command line that started the program.</extracomment>
        <translation>Votre tentative est rendue dans %1, le dossier indiqué au lancement du programme, puis de nouveau après chaque vérification.</translation>
    </message>
</context>
<context>
    <name>RecordFolder</name>
    <message>
        <source>Cannot save the practice record %1: %2</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Impossible de sauvegarder l&apos;enregistrement d&apos;entraînement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The path is a folder, not a record.</source>
        <extracomment>Follows a sentence that names the path.</extracomment>
        <translation>Le chemin désigne un dossier, et non un enregistrement.</translation>
    </message>
    <message>
        <source>The path is not a regular file (it may be a FIFO, a socket or a device), so it was not opened.</source>
        <extracomment>Follows a sentence that names the path.</extracomment>
        <translation>Le chemin ne désigne pas un fichier ordinaire (il peut s&apos;agir d&apos;un tube nommé, d&apos;un socket ou d&apos;un périphérique)&#xa0;; il n&apos;a donc pas été ouvert.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <extracomment>Follows a sentence that names the file; %1 is the system&apos;s reason.</extracomment>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Le dossier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 is passed over. %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why, in a sentence of its own such as &quot;The file is empty.&quot;</extracomment>
        <translation>%1 est ignoré. %2</translation>
    </message>
    <message>
        <source>Cannot save the practice record %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own.</extracomment>
        <translation>Impossible de sauvegarder l&apos;enregistrement d&apos;entraînement %1. %2</translation>
    </message>
</context>
<context>
    <name>RecordJson</name>
    <message>
        <source>In the record, &quot;%1&quot; is missing.</source>
        <translation>Dans l&apos;enregistrement, «&#xa0;%1&#xa0;» est absent.</translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is missing.</source>
        <translation>Dans la vérification %2, «&#xa0;%1&#xa0;» est absent.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not text.</source>
        <translation>Dans l&apos;enregistrement, «&#xa0;%1&#xa0;» n&apos;est pas un texte.</translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is not text.</source>
        <translation>Dans la vérification %2, «&#xa0;%1&#xa0;» n&apos;est pas un texte.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation>Dans l&apos;enregistrement, «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>In check %4, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation>Dans la vérification %4, «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation>Dans l&apos;enregistrement, «&#xa0;%1&#xa0;» vaut «&#xa0;%2&#xa0;», qui n&apos;est pas une date et une heure.</translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation>Dans la vérification %3, «&#xa0;%1&#xa0;» vaut «&#xa0;%2&#xa0;», qui n&apos;est pas une date et une heure.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is longer than %2 characters.</source>
        <translation>Dans l&apos;enregistrement, «&#xa0;%1&#xa0;» dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is longer than %2 characters.</source>
        <translation>Dans la vérification %3, «&#xa0;%1&#xa0;» dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>Check %1 is not an object.</source>
        <translation>La vérification %1 n&apos;est pas un objet.</translation>
    </message>
    <message>
        <source>In check %1, &quot;field&quot; is &quot;%2&quot;, which is not an answer field.</source>
        <translation>Dans la vérification %1, «&#xa0;field&#xa0;» vaut «&#xa0;%2&#xa0;», qui n&apos;est pas un champ de réponse.</translation>
    </message>
    <message>
        <source>In check %1, the field %2 is of question %3, not %4.</source>
        <translation>Dans la vérification %1, le champ %2 appartient à la question %3, et non à la question %4.</translation>
    </message>
    <message>
        <source>In check %1, &quot;value&quot; is not a finite number.</source>
        <translation>Dans la vérification %1, «&#xa0;value&#xa0;» n&apos;est pas un nombre fini.</translation>
    </message>
    <message>
        <source>In check %1, &quot;verdict&quot; is not one of correct, slip, carriedForward, close or notYet.</source>
        <translation>Dans la vérification %1, «&#xa0;verdict&#xa0;» n&apos;est pas l&apos;une des valeurs correct, slip, carriedForward, close ou notYet.</translation>
    </message>
    <message>
        <source>In check %1, a value and a verdict go together, and one is missing.</source>
        <translation>Dans la vérification %1, une valeur et un verdict vont de pair, et l&apos;un des deux manque.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <extracomment>Follows a sentence that names the file.</extracomment>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is cut short: its JSON ends unfinished (%1).</source>
        <extracomment>Follows a sentence that names the file; %1 is the JSON parser&apos;s own words.</extracomment>
        <translation>Le fichier est tronqué&#xa0;: son JSON s&apos;arrête avant la fin (%1).</translation>
    </message>
    <message>
        <source>The file is not JSON: %1 at byte %2.</source>
        <translation>Le fichier n&apos;est pas au format JSON&#xa0;: %1 à l&apos;octet %2.</translation>
    </message>
    <message>
        <source>The file is not a %1 practice record.</source>
        <extracomment>Follows a sentence that names the file. %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Le fichier n&apos;est pas un enregistrement d&apos;entraînement %1.</translation>
    </message>
    <message>
        <source>The record has no version number.</source>
        <translation>L&apos;enregistrement n&apos;a pas de numéro de version.</translation>
    </message>
    <message>
        <source>The record was written by a newer %1 (record version %2; this one reads version %3).</source>
        <extracomment>Follows a sentence that names the file. %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>L&apos;enregistrement a été écrit par une version plus récente de %1 (enregistrement de version %2&#xa0;; cette version de %1 lit la version %3).</translation>
    </message>
    <message>
        <source>In the record, &quot;checks&quot; is not a list.</source>
        <translation>Dans l&apos;enregistrement, «&#xa0;checks&#xa0;» n&apos;est pas une liste.</translation>
    </message>
    <message>
        <source>The record&apos;s code &quot;%1&quot; is not a subject code. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>Le code «&#xa0;%1&#xa0;» de l&apos;enregistrement n&apos;est pas un code de sujet. %2</translation>
    </message>
    <message>
        <source>The record has %1 checks, more than any attempt could (%2 at most).</source>
        <translation>L&apos;enregistrement compte %1 vérifications, plus qu&apos;aucune tentative ne pourrait en avoir (%2 au plus).</translation>
    </message>
    <message>
        <source>The file is too large for a practice record: %1, where a record takes at most %2.</source>
        <extracomment>Follows a sentence that names the file; %1 and %2 are sizes, such as &quot;9.1 MB&quot;.</extracomment>
        <translation>Le fichier est trop volumineux pour un enregistrement d&apos;entraînement&#xa0;: %1, alors qu&apos;un enregistrement fait au plus %2.</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; is not a number the judge can read.</source>
        <translation>La vérification %1 indique «&#xa0;%2&#xa0;», mais sa saisie «&#xa0;%3&#xa0;» n&apos;est pas un nombre que le correcteur peut lire.</translation>
    </message>
    <message>
        <source>Check %1 holds no verdict, but its entry &quot;%2&quot; earns &quot;%3&quot;.</source>
        <translation>La vérification %1 ne contient aucun verdict, mais sa saisie «&#xa0;%2&#xa0;» mérite «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; earns &quot;%4&quot;.</source>
        <translation>La vérification %1 indique «&#xa0;%2&#xa0;», mais sa saisie «&#xa0;%3&#xa0;» mérite «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>Check %1 holds the value %2, but its entry &quot;%3&quot; reads %4.</source>
        <translation>La vérification %1 contient la valeur %2, mais sa saisie «&#xa0;%3&#xa0;» se lit %4.</translation>
    </message>
    <message>
        <source>Check %1 was made after the attempt&apos;s last update.</source>
        <translation>La vérification %1 a été faite après la dernière mise à jour de la tentative.</translation>
    </message>
    <message>
        <source>Check %1 is of question %2, which was not posed at that point.</source>
        <translation>La vérification %1 porte sur la question %2, qui n&apos;était pas encore posée à ce moment-là.</translation>
    </message>
    <message>
        <source>Check %1 was made before the check before it, or before the attempt started.</source>
        <translation>La vérification %1 a été faite avant la vérification qui la précède, ou avant le début de la tentative.</translation>
    </message>
</context>
<context>
    <name>SaveGroup</name>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%2 is the reason, as the system gives it.</extracomment>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot write %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own.</extracomment>
        <translation>Impossible d&apos;écrire %1. %2</translation>
    </message>
</context>
<context>
    <name>Slip</name>
    <message>
        <source>Not yet: you multiplied the fall by the whole body weight, %1 kg; the lactate is spread through the extracellular fluid only, %2 % of body weight.</source>
        <translation>Pas encore&#xa0;: vous avez multiplié la baisse par le poids corporel entier, %1 kg&#xa0;; le lactate ne se répartit que dans le liquide extracellulaire, soit %2&#xa0;% du poids corporel.</translation>
    </message>
    <message>
        <source>Not yet: you took the fall from %1 mmol/L, the level before the race; the lactate metabolised is the fall over the 30 minutes after it, to %2 mmol/L.</source>
        <translation>Pas encore&#xa0;: vous avez calculé la baisse à partir de %1 mmol/L, le niveau d&apos;avant la course&#xa0;; le lactate métabolisé correspond à la baisse pendant les 30 minutes qui suivent la course, jusqu&apos;à %2 mmol/L.</translation>
    </message>
    <message>
        <source>Not yet: that is the fall in concentration, in mmol/L; multiply it by the volume of fluid the lactate is spread through.</source>
        <translation>Pas encore&#xa0;: c&apos;est la baisse de concentration, en mmol/L&#xa0;; multipliez-la par le volume de liquide dans lequel le lactate se répartit.</translation>
    </message>
    <message>
        <source>Not yet: that is all the lactate there was just after the race, at %1 mmol/L; only the fall over the next 30 minutes has been metabolised.</source>
        <translation>Pas encore&#xa0;: c&apos;est tout le lactate présent juste après la course, à %1 mmol/L&#xa0;; seule la baisse pendant les 30 minutes suivantes a été métabolisée.</translation>
    </message>
    <message>
        <source>Not yet: the GTP is not counted: making phosphoenolpyruvate from oxaloacetate uses one GTP for each lactate.</source>
        <translation>Pas encore&#xa0;: vous n&apos;avez pas compté le GTP&#xa0;; la formation du phosphoénolpyruvate à partir de l&apos;oxaloacétate utilise un GTP par lactate.</translation>
    </message>
    <message>
        <source>Not yet: the UTP is not counted: adding glucose to glycogen uses one UTP to make UDP-glucose.</source>
        <translation>Pas encore&#xa0;: vous n&apos;avez pas compté l&apos;UTP&#xa0;; l&apos;ajout du glucose au glycogène utilise un UTP pour former l&apos;UDP-glucose.</translation>
    </message>
    <message>
        <source>Not yet: the muscle&apos;s own phosphorylation is not counted: muscle spends one ATP turning the glucose it takes up into glucose 6-phosphate.</source>
        <translation>Pas encore&#xa0;: vous n&apos;avez pas compté la phosphorylation propre au muscle&#xa0;; le muscle dépense un ATP pour transformer le glucose qu&apos;il capte en glucose 6-phosphate.</translation>
    </message>
    <message>
        <source>Not yet: that is the cost for one lactate; the question asks for 2 x lactate.</source>
        <translation>Pas encore&#xa0;: c&apos;est le coût pour un lactate&#xa0;; la question porte sur 2 x lactate.</translation>
    </message>
    <message>
        <source>Not yet: the NADH is not a cost here: oxidising the lactate to pyruvate provides it.</source>
        <translation>Pas encore&#xa0;: le NADH n&apos;est pas un coût ici&#xa0;; l&apos;oxydation du lactate en pyruvate le fournit.</translation>
    </message>
    <message>
        <source>Not yet: the %1 ATP are the cost for 2 lactate, and you took them for each lactate.</source>
        <translation>Pas encore&#xa0;: les %1 ATP sont le coût pour 2 lactates, et vous les avez comptés pour chaque lactate.</translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of glucose; this lactate becomes muscle glycogen.</source>
        <translation>Pas encore&#xa0;: %1 ATP pour 2 lactates, c&apos;est le coût du glucose&#xa0;; ce lactate devient du glycogène musculaire.</translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of liver glycogen; this lactate becomes muscle glycogen.</source>
        <translation>Pas encore&#xa0;: %1 ATP pour 2 lactates, c&apos;est le coût du glycogène hépatique&#xa0;; ce lactate devient du glycogène musculaire.</translation>
    </message>
    <message>
        <source>Not yet: that counts %1 ATP per NADH and %2 per FADH2, %3 per lactate; take %4 and %5, which give %6.</source>
        <translation>Pas encore&#xa0;: vous avez compté %1 ATP par NADH et %2 par FADH2, soit %3 par lactate&#xa0;; prenez %4 et %5, ce qui donne %6.</translation>
    </message>
    <message>
        <source>Not yet: the NADH from lactate to pyruvate is left out; it yields %1 ATP as well, %2 in all.</source>
        <translation>Pas encore&#xa0;: vous avez oublié le NADH formé lors de l&apos;oxydation du lactate en pyruvate&#xa0;; il fournit lui aussi %1 ATP, soit %2 en tout.</translation>
    </message>
    <message>
        <source>Not yet: that counts the citric acid cycle only; the NADH from lactate to pyruvate and from pyruvate to acetyl CoA yield %1 ATP each, %2 in all.</source>
        <translation>Pas encore&#xa0;: vous n&apos;avez compté que le cycle de Krebs&#xa0;; les NADH formés lors du passage du lactate au pyruvate et du pyruvate à l&apos;acétyl-CoA fournissent chacun %1 ATP, soit %2 en tout.</translation>
    </message>
    <message>
        <source>Not yet: you multiplied by the %1 ATP each lactate yields; the ATP needed is to be divided by it.</source>
        <translation>Pas encore&#xa0;: vous avez multiplié par les %1 ATP que fournit chaque lactate&#xa0;; l&apos;ATP nécessaire doit être divisé par ce nombre.</translation>
    </message>
    <message>
        <source>Not yet: the mass is in mg: %1 mg is to be divided by 1000 before it is multiplied by %2 L per gram.</source>
        <translation>Pas encore&#xa0;: la masse est en mg&#xa0;; il faut diviser %1 mg par 1000 avant de multiplier par %2 L par gramme.</translation>
    </message>
    <message>
        <source>Not yet: the %1 L is for each gram, not each mmol: the molecular mass, %2, turns %3 mmol into mg.</source>
        <translation>Pas encore&#xa0;: les %1 L valent pour chaque gramme, et non pour chaque mmol&#xa0;; la masse molaire, %2, convertit %3 mmol en mg.</translation>
    </message>
    <message>
        <source>Not yet: that is the mass of lactate in grams; each gram consumes %1 L of oxygen.</source>
        <translation>Pas encore&#xa0;: c&apos;est la masse de lactate en grammes&#xa0;; chaque gramme consomme %1 L d&apos;oxygène.</translation>
    </message>
    <message>
        <source>Not yet: that is a fraction; a percentage is 100 times it.</source>
        <translation>Pas encore&#xa0;: c&apos;est une fraction&#xa0;; un pourcentage vaut 100 fois cette fraction.</translation>
    </message>
    <message>
        <source>Not yet: that is the extra oxygen as a share of all the oxygen used; the increase is measured against the usual %1 L per 30 minutes.</source>
        <translation>Pas encore&#xa0;: c&apos;est l&apos;oxygène supplémentaire rapporté à tout l&apos;oxygène consommé&#xa0;; l&apos;augmentation se mesure par rapport aux %1 L habituels par 30 minutes.</translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of a whole day, %1 L; the question asks about 30 minutes, a day having %2 of them.</source>
        <translation>Pas encore&#xa0;: vous avez comparé à l&apos;oxygène d&apos;une journée entière, %1 L&#xa0;; la question porte sur 30 minutes, et une journée en compte %2.</translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of an hour, a day having %1 of them; the question asks about 30 minutes, a day having %2 of them.</source>
        <translation>Pas encore&#xa0;: vous avez comparé à l&apos;oxygène d&apos;une heure, et une journée en compte %1&#xa0;; la question porte sur 30 minutes, et une journée en compte %2.</translation>
    </message>
</context>
<context>
    <name>Student</name>
    <message>
        <source>Type your name.</source>
        <translation>Tapez votre nom.</translation>
    </message>
    <message>
        <source>A name cannot hold control characters, such as a tab.</source>
        <translation>Un nom ne peut pas contenir de caractères de contrôle, comme une tabulation.</translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation>Un nom compte au plus %1 caractères&#xa0;; celui-ci en compte %2.</translation>
    </message>
    <message>
        <source>An ID number cannot hold control characters, such as a tab.</source>
        <translation>Un numéro d&apos;identification ne peut pas contenir de caractères de contrôle, comme une tabulation.</translation>
    </message>
    <message>
        <source>An ID number has at most %1 characters; this one has %2.</source>
        <translation>Un numéro d&apos;identification compte au plus %1 caractères&#xa0;; celui-ci en compte %2.</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <comment>a student&apos;s name and ID number</comment>
        <translation>%1 (n° %2)</translation>
    </message>
</context>
<context>
    <name>StudentDialog</name>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your name goes into the record of each practice attempt and onto its result slip, so that your teacher knows whose it is.</source>
        <translation>Votre nom figure dans l&apos;enregistrement de chaque tentative d&apos;entraînement et sur sa fiche de résultats, afin que votre enseignant sache à qui elle appartient.</translation>
    </message>
    <message>
        <source>ID number, if your school gives one</source>
        <translation>Numéro d&apos;identification, si votre établissement en attribue un</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Where the dialog says what is wrong with what was typed.</extracomment>
        <translation>Problème</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;ID number (optional):</source>
        <extracomment>Moodle&apos;s word for the number a school&apos;s gradebook knows a student by.</extracomment>
        <translation>Numéro d&apos;&amp;identification (facultatif)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SubjectCode</name>
    <message>
        <source>The weight is missing.</source>
        <translation>Le poids manque.</translation>
    </message>
    <message>
        <source>Weight %1 has digits other than 0 to 9.</source>
        <translation>Le poids %1 contient des chiffres autres que ceux de 0 à 9.</translation>
    </message>
    <message>
        <source>Weight %1 is not a number like %2.</source>
        <translation>Le poids %1 n&apos;est pas un nombre de la forme %2.</translation>
    </message>
    <message>
        <source>Weight %1 is not a whole number of kg.</source>
        <translation>Le poids %1 n&apos;est pas un nombre entier de kg.</translation>
    </message>
    <message>
        <source>Weight %1 is out of range.</source>
        <translation>Le poids %1 est hors limites.</translation>
    </message>
    <message>
        <source>The lactate before the race is missing.</source>
        <translation>Le lactate avant la course manque.</translation>
    </message>
    <message>
        <source>Lactate before %1 has digits other than 0 to 9.</source>
        <translation>Le lactate avant la course, %1, contient des chiffres autres que ceux de 0 à 9.</translation>
    </message>
    <message>
        <source>Lactate before %1 is not a number like %2.</source>
        <translation>Le lactate avant la course, %1, n&apos;est pas un nombre de la forme %2.</translation>
    </message>
    <message>
        <source>Lactate before %1 has more than one decimal.</source>
        <translation>Le lactate avant la course, %1, a plus d&apos;une décimale.</translation>
    </message>
    <message>
        <source>Lactate before %1 is out of range.</source>
        <translation>Le lactate avant la course, %1, est hors limites.</translation>
    </message>
    <message>
        <source>The lactate after the race is missing.</source>
        <translation>Le lactate après la course manque.</translation>
    </message>
    <message>
        <source>Lactate after %1 has digits other than 0 to 9.</source>
        <translation>Le lactate après la course, %1, contient des chiffres autres que ceux de 0 à 9.</translation>
    </message>
    <message>
        <source>Lactate after %1 is not a number like %2.</source>
        <translation>Le lactate après la course, %1, n&apos;est pas un nombre de la forme %2.</translation>
    </message>
    <message>
        <source>Lactate after %1 has more than one decimal.</source>
        <translation>Le lactate après la course, %1, a plus d&apos;une décimale.</translation>
    </message>
    <message>
        <source>Lactate after %1 is out of range.</source>
        <translation>Le lactate après la course, %1, est hors limites.</translation>
    </message>
    <message>
        <source>%1 A code reads like %2: M or W, weight %3 to %4 kg, lactate before %5 to %6 and after %7 to %8 mmol/L.</source>
        <extracomment>%1 says what is wrong with the code as typed, in a sentence of its own.</extracomment>
        <translation>%1 Un code s&apos;écrit comme %2&#xa0;: M (homme) ou W (femme), poids de %3 à %4 kg, lactate avant la course de %5 à %6 et après de %7 à %8 mmol/L.</translation>
    </message>
    <message>
        <source>The code is empty.</source>
        <translation>Le code est vide.</translation>
    </message>
    <message>
        <source>The code is too long (%1 characters).</source>
        <translation>Le code est trop long (%1 caractères).</translation>
    </message>
    <message>
        <source>The code starts with &quot;%1&quot;; it must start with M or W.</source>
        <translation>Le code commence par «&#xa0;%1&#xa0;»&#xa0;; il doit commencer par M ou W.</translation>
    </message>
    <message>
        <source>The code has &quot;%1&quot; where it needs a plain &quot;-&quot;.</source>
        <translation>Le code contient «&#xa0;%1&#xa0;» là où il faut un simple «&#xa0;-&#xa0;».</translation>
    </message>
    <message>
        <source>The lactates before and after the race are missing.</source>
        <translation>Les valeurs de lactate avant et après la course manquent.</translation>
    </message>
    <message>
        <source>The code has %1 parts joined by &quot;-&quot; instead of 3.</source>
        <translation>Le code a %1 parties séparées par «&#xa0;-&#xa0;» au lieu de 3.</translation>
    </message>
    <message>
        <source>A class set holds 1 to %1 different subjects, not %2.</source>
        <translation>Un jeu pour la classe contient de 1 à %1 sujets différents, pas %2.</translation>
    </message>
    <message>
        <source>The subject code &quot;%1&quot; cannot be read. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>Le code de sujet «&#xa0;%1&#xa0;» est illisible. %2</translation>
    </message>
</context>
<context>
    <name>SubjectDialog</name>
    <message>
        <source>Subject from code</source>
        <translation>Sujet d&apos;après un code</translation>
    </message>
    <message>
        <source>&amp;Subject code, such as M72-0.8-12.4:</source>
        <translation>&amp;Code du sujet, par exemple M72-0.8-12.4&#xa0;:</translation>
    </message>
    <message>
        <source>Subject code</source>
        <translation>Code du sujet</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Where the dialog says what is wrong with the code typed.</extracomment>
        <translation>Problème</translation>
    </message>
</context>
<context>
    <name>TeacherActions</name>
    <message>
        <source>&amp;New subject</source>
        <translation>&amp;Nouveau sujet</translation>
    </message>
    <message>
        <source>Subject from &amp;code…</source>
        <translation>Sujet d&apos;après un &amp;code…</translation>
    </message>
    <message>
        <source>Cop&amp;y subject code</source>
        <translation>Co&amp;pier le code du sujet</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>E&amp;xporter en PDF…</translation>
    </message>
    <message>
        <source>&amp;Worksheet</source>
        <translation>&amp;Feuille d&apos;exercices</translation>
    </message>
    <message>
        <source>Answer &amp;key</source>
        <translation>&amp;Corrigé</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Nothing was printed. %1</source>
        <translation>Rien n&apos;a été imprimé. %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No PDF was written. %1</source>
        <translation>Aucun PDF n&apos;a été écrit. %1</translation>
    </message>
    <message>
        <source>For &amp;teachers…</source>
        <translation>Pour les &amp;enseignants…</translation>
    </message>
    <message>
        <source>Which sheet for subject %1: the worksheet, to hand out, or the answer key?</source>
        <translation>Quelle feuille pour le sujet %1&#xa0;: la feuille d&apos;exercices, à distribuer, ou le corrigé&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>&amp;Class set</source>
        <translation>&amp;Jeu pour la classe</translation>
    </message>
    <message>
        <source>&amp;Handed in</source>
        <translation>&amp;Travaux rendus</translation>
    </message>
    <message>
        <source>%1 for teachers</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>%1 pour les enseignants</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct</source>
        <extracomment>A verdict on an answer: right.</extracomment>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Not yet</source>
        <extracomment>A verdict on an answer: not right yet, said kindly, for it invites another try.</extracomment>
        <translation>Pas encore</translation>
    </message>
    <message>
        <source>Carried forward</source>
        <extracomment>A verdict on an answer: the method is right, and the difference comes from the student&apos;s own wrong answer to an earlier question.</extracomment>
        <translation>Erreur reportée</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A verdict on an answer: near it, but not within its tolerance; not the command that closes a window.</extracomment>
        <translation>Presque</translation>
    </message>
</context>
</TS>
