<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Announcer</name>
    <message>
        <source>Messages</source>
        <extracomment>What a screen reader calls the source of the window&apos;s spoken messages.</extracomment>
        <translation>Mensajes</translation>
    </message>
</context>
<context>
    <name>AnswerField</name>
    <message>
        <source>Total lactate metabolised</source>
        <translation>Lactato total metabolizado</translation>
    </message>
    <message>
        <source>Not yet: extracellular fluid is %1 % of body weight; follow the lactate over the 30 minutes after the race.</source>
        <translation>Aún no: el líquido extracelular es el %1 % del peso corporal; sigue la evolución del lactato durante los 30 minutos posteriores a la carrera.</translation>
    </message>
    <message>
        <source>Glucose from 2 x lactate</source>
        <translation>Glucosa a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>glucose</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>glucosa</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make glucose from 2 lactate.</source>
        <translation>Aún no: cuenta todos los ATP, GTP y UTP que se consumen para sintetizar glucosa a partir de 2 lactatos.</translation>
    </message>
    <message>
        <source>Liver glycogen from 2 x lactate</source>
        <translation>Glucógeno hepático a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>liver glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>glucógeno hepático</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make liver glycogen from 2 lactate.</source>
        <translation>Aún no: cuenta todos los ATP, GTP y UTP que se consumen para sintetizar glucógeno hepático a partir de 2 lactatos.</translation>
    </message>
    <message>
        <source>Muscle glycogen from 2 x lactate</source>
        <translation>Glucógeno muscular a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>muscle glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>glucógeno muscular</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make muscle glycogen from 2 lactate.</source>
        <translation>Aún no: cuenta todos los ATP, GTP y UTP que se consumen para sintetizar glucógeno muscular a partir de 2 lactatos.</translation>
    </message>
    <message>
        <source>ATP required</source>
        <translation>ATP necesario</translation>
    </message>
    <message>
        <source>Not yet: all of the lactate metabolised is to become muscle glycogen.</source>
        <translation>Aún no: todo el lactato metabolizado ha de convertirse en glucógeno muscular.</translation>
    </message>
    <message>
        <source>Lactate to be oxidised</source>
        <translation>Lactato que debe oxidarse</translation>
    </message>
    <message>
        <source>Not yet: the lactate is oxidised all the way to carbon dioxide and water, through lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle.</source>
        <translation>Aún no: el lactato se oxida por completo a dióxido de carbono y agua, a través de la lactato deshidrogenasa, la piruvato deshidrogenasa y el ciclo del ácido cítrico.</translation>
    </message>
    <message>
        <source>Additional oxygen</source>
        <translation>Oxígeno adicional</translation>
    </message>
    <message>
        <source>Not yet: oxidation consumes %1 L of oxygen per gram of lactate, whose molecular mass is %2.</source>
        <translation>Aún no: la oxidación consume %1 L de oxígeno por gramo de lactato, cuya masa molecular es %2.</translation>
    </message>
    <message>
        <source>Increase in oxygen consumption</source>
        <translation>Aumento del consumo de oxígeno</translation>
    </message>
    <message>
        <source>Not yet: total energy expenditure is %1 MJ per day, and each litre of oxygen consumed yields %2 kJ.</source>
        <translation>Aún no: el gasto energético total es de %1 MJ al día, y cada litro de oxígeno consumido rinde %2 kJ.</translation>
    </message>
</context>
<context>
    <name>AnswerForm</name>
    <message>
        <source>Your answer to question %1</source>
        <translation>Tu respuesta a la pregunta %1</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>The button that has the answers typed judged: a command, not the noun.</extracomment>
        <translation>Comprobar</translation>
    </message>
</context>
<context>
    <name>Attempt</name>
    <message>
        <source>The attempt has no start or update time.</source>
        <translation>El intento no tiene hora de inicio ni de actualización.</translation>
    </message>
    <message>
        <source>The attempt&apos;s stage, %1, is not one of 0 to %2.</source>
        <translation>La etapa del intento, %1, no está entre 0 y %2.</translation>
    </message>
    <message>
        <source>The attempt has %1 checks, more than a record holds (%2).</source>
        <translation>El intento tiene %1 comprobaciones, más de las que admite un registro (%2).</translation>
    </message>
    <message>
        <source>The student&apos;s name or ID number is longer than a record holds.</source>
        <translation>El nombre o el número de ID del estudiante es más largo de lo que admite un registro.</translation>
    </message>
    <message>
        <source>Check %1 of the attempt is not one a record holds.</source>
        <translation>La comprobación %1 del intento no es de las que admite un registro.</translation>
    </message>
</context>
<context>
    <name>AttemptDialog</name>
    <message>
        <source>Started %1; read from %2.</source>
        <extracomment>%1 is a date and time, %2 the file the record was read from.</extracomment>
        <translation>Iniciado el %1; leído de %2.</translation>
    </message>
    <message>
        <source>The exercise was finished.</source>
        <translation>El ejercicio está terminado.</translation>
    </message>
    <message>
        <source>The exercise was left at question %1.</source>
        <translation>El ejercicio se dejó en la pregunta %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <extracomment>%n questions of %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>%n pregunta de %1 acertada a la primera.</numerusform>
            <numerusform>%n preguntas de %1 acertadas a la primera.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record was edited. %1 The verdicts shown are the ones its entries earn.</source>
        <extracomment>%1 names the first check at fault, in a sentence of its own.</extracomment>
        <translation>El registro fue editado. %1 Los veredictos que se muestran son los que merecen sus entradas.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>When a check was made.</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Entry</source>
        <extracomment>What the student typed, as typed.</extracomment>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Verdict</source>
        <extracomment>What the entry earns, as the judge gives it.</extracomment>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Edited</source>
        <extracomment>Why the record gives this check otherwise than the judge does.</extracomment>
        <translation>Editado</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Comprobaciones</translation>
    </message>
    <message>
        <source>not a number</source>
        <extracomment>The verdict column of an entry the judge could not read as a number.</extracomment>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is the question&apos;s number, %2 its part: &quot;2, glucose&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Export result &amp;slip…</source>
        <translation>Exportar &amp;hoja de resultados…</translation>
    </message>
    <message>
        <source>Export result slip</source>
        <translation>Exportar hoja de resultados</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No result slip was written. %1</source>
        <translation>No se ha escrito ninguna hoja de resultados. %1</translation>
    </message>
    <message>
        <source>%1&apos;s attempt at subject %2</source>
        <translation>Intento de %1 con el sujeto %2</translation>
    </message>
    <message>
        <source>An attempt at subject %1, naming nobody</source>
        <translation>Intento con el sujeto %1, sin nombre de estudiante</translation>
    </message>
</context>
<context>
    <name>AttemptSummary</name>
    <message>
        <source>%1: not checked</source>
        <translation>%1: sin comprobar</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4)</source>
        <extracomment>%1 names the question, %2 is the verdict&apos;s mark, %3 its words, %4 the entry.</extracomment>
        <translation>%1: %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4); last %5 %6 (%7)</source>
        <extracomment>The first verdict and entry of a question, then the last: %2 and %5 are marks.</extracomment>
        <translation>%1: %2 %3 (%4); al final: %5 %6 (%7)</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <extracomment>%2 is the part of the question: glucose, liver glycogen, muscle glycogen.</extracomment>
        <translation>Pregunta %1, %2</translation>
    </message>
    <message>
        <source>Answers of %1, the first try and the last:</source>
        <translation>Respuestas de %1 (la primera y la última de cada pregunta):</translation>
    </message>
    <message>
        <source>Your answers, the first try and the last:</source>
        <translation>Tus respuestas (la primera y la última de cada pregunta):</translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 questions right at the first try.</source>
        <extracomment>%n questions of the %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>Puntuación: %n pregunta de %1 acertada a la primera.</numerusform>
            <numerusform>Puntuación: %n preguntas de %1 acertadas a la primera.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Each question at the first try and at the last</source>
        <translation>Cada pregunta, a la primera y al final</translation>
    </message>
    <message>
        <source>No attempts are read yet.</source>
        <translation>Aún no se ha leído ningún intento.</translation>
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
        <translation>Acertada a la primera</translation>
    </message>
    <message>
        <source>Carried forward</source>
        <translation>Error arrastrado</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The verdict: near the answer, but not within its tolerance.</extracomment>
        <translation>Casi</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Aún no</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Sin comprobar</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) right at the first try</source>
        <extracomment>How many students of the class came to an outcome in one part of the exercise, as a screen reader says a bar of the class&apos;s chart.</extracomment>
        <translation>
            <numerusform>%n estudiante que acertó a la primera</numerusform>
            <numerusform>%n estudiantes que acertaron a la primera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) right at the last try</source>
        <translation>
            <numerusform>%n estudiante que acertó al final</numerusform>
            <numerusform>%n estudiantes que acertaron al final</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) carried forward</source>
        <translation>
            <numerusform>%n estudiante con error arrastrado</numerusform>
            <numerusform>%n estudiantes con error arrastrado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) close</source>
        <extracomment>Close: near the answer, but not within its tolerance.</extracomment>
        <translation>
            <numerusform>%n estudiante que casi acertó</numerusform>
            <numerusform>%n estudiantes que casi acertaron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) not yet right</source>
        <translation>
            <numerusform>%n estudiante que aún no acertó</numerusform>
            <numerusform>%n estudiantes que aún no acertaron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n student(s). %2</source>
        <extracomment>%1 names the question; %n students met the slip; %2 is the slip&apos;s hint, a sentence of its own.</extracomment>
        <translation>
            <numerusform>%1: %n estudiante. %2</numerusform>
            <numerusform>%1: %n estudiantes. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Right at the last try</source>
        <translation>Acertada al final</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) who did not check this answer</source>
        <translation>
            <numerusform>%n estudiante que no comprobó esta respuesta</numerusform>
            <numerusform>%n estudiantes que no comprobaron esta respuesta</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Known slips met, with how many students met each:</source>
        <translation>Errores típicos cometidos y número de estudiantes que cometieron cada uno:</translation>
    </message>
    <message>
        <source>No known slip was met.</source>
        <translation>No se cometió ningún error típico.</translation>
    </message>
    <message>
        <source>Each question at the first try and at the last, students counted:</source>
        <translation>Cada pregunta, a la primera y al final, en número de estudiantes:</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n estudiante</numerusform>
            <numerusform>%n estudiantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassSetPage</name>
    <message>
        <source>&amp;Random subjects, all different:</source>
        <translation>Sujetos &amp;aleatorios, todos distintos:</translation>
    </message>
    <message>
        <source>These subject &amp;codes:</source>
        <translation>Estos &amp;códigos de sujeto:</translation>
    </message>
    <message>
        <source>&amp;Worksheets to:</source>
        <translation>&amp;Hojas de ejercicios en:</translation>
    </message>
    <message>
        <source>Answer &amp;keys to:</source>
        <translation>&amp;Solucionarios en:</translation>
    </message>
    <message>
        <source>&amp;Write the class set</source>
        <translation>&amp;Generar el lote para la clase</translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation>Número de sujetos</translation>
    </message>
    <message>
        <source>Subject codes, one a line</source>
        <translation>Códigos de sujeto, uno por línea</translation>
    </message>
    <message>
        <source>Worksheets file</source>
        <translation>Archivo de las hojas de ejercicios</translation>
    </message>
    <message>
        <source>Answer keys file</source>
        <translation>Archivo de los solucionarios</translation>
    </message>
    <message>
        <source>Subjects</source>
        <extracomment>The invented people the worksheets are about, one for each student.</extracomment>
        <translation>Sujetos</translation>
    </message>
    <message>
        <source>Sheets</source>
        <extracomment>The sheets of paper to write: worksheets and answer keys.</extracomment>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Hojas de ejercicios</translation>
    </message>
    <message>
        <source>Answer keys</source>
        <translation>Solucionarios</translation>
    </message>
    <message>
        <source>Each subject starts on a page of its own, headed by its code, so that each student&apos;s pages can be handed out alone. Both files are written in full before either replaces anything.</source>
        <translation>Cada sujeto empieza en una página propia, encabezada por su código, para que las páginas de cada estudiante puedan repartirse por separado. Los dos archivos se escriben completos antes de sustituir ningún archivo existente.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Type the subject codes, one a line, or choose random subjects.</source>
        <translation>Escribe los códigos de sujeto, uno por línea, o elige sujetos aleatorios.</translation>
    </message>
    <message>
        <source>Choose where to save the worksheets.</source>
        <translation>Elige dónde guardar las hojas de ejercicios.</translation>
    </message>
    <message>
        <source>Choose where to save the answer keys.</source>
        <translation>Elige dónde guardar los solucionarios.</translation>
    </message>
    <message>
        <source>Choose the worksheets, the answer keys or both.</source>
        <translation>Elige las hojas de ejercicios, los solucionarios o ambos.</translation>
    </message>
    <message>
        <source>The worksheets and the answer keys need files of their own.</source>
        <translation>Las hojas de ejercicios y los solucionarios necesitan cada uno su propio archivo.</translation>
    </message>
    <message>
        <source>Writing the class set…</source>
        <translation>Generando el lote para la clase…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Lote para la clase</translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): the worksheets to %1 and the answer keys to %2.</source>
        <translation>
            <numerusform>Lote generado para %n sujeto: las hojas de ejercicios en %1 y los solucionarios en %2.</numerusform>
            <numerusform>Lote generado para %n sujetos: las hojas de ejercicios en %1 y los solucionarios en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): %1.</source>
        <translation>
            <numerusform>Lote generado para %n sujeto: %1.</numerusform>
            <numerusform>Lote generado para %n sujetos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written, and what stood at those places is as it was.</source>
        <translation>Cancelado: no se ha escrito nada, y los archivos que ya había en esas ubicaciones siguen como estaban.</translation>
    </message>
    <message>
        <source>Choose the file for the worksheets</source>
        <translation>Elegir el archivo de las hojas de ejercicios</translation>
    </message>
    <message>
        <source>Choose the file for the answer keys</source>
        <translation>Elegir el archivo de los solucionarios</translation>
    </message>
</context>
<context>
    <name>ClassTable</name>
    <message>
        <source>yes</source>
        <extracomment>A cell of the class&apos;s table: whether the attempt was finished, edited or counted.</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <translation>
            <numerusform>%n pregunta de %1 acertada a la primera.</numerusform>
            <numerusform>%n preguntas de %1 acertadas a la primera.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known slips met in %n question(s): %1.</source>
        <extracomment>%n questions, listed in %1: &quot;2 and 5&quot;.</extracomment>
        <translation>
            <numerusform>Errores típicos cometidos en %n pregunta: %1.</numerusform>
            <numerusform>Errores típicos cometidos en %n preguntas: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The student&apos;s name.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>nobody named</source>
        <extracomment>The name column of an attempt whose record names nobody.</extracomment>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>ID number</source>
        <extracomment>Moodle&apos;s word for the number a school knows a student by.</extracomment>
        <translation>Número de ID</translation>
    </message>
    <message>
        <source>Code</source>
        <extracomment>The subject&apos;s code, such as M72-0.8-12.4.</extracomment>
        <translation>Código</translation>
    </message>
    <message>
        <source>Started</source>
        <extracomment>When the student started the attempt: a date and time.</extracomment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Questions right at the first try, &quot;4 of 6&quot;.</extracomment>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 questions right at the first try of %2.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Whether the student finished the attempt: yes or no.</extracomment>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Edited</source>
        <extracomment>Whether the record was changed by hand: yes or no.</extracomment>
        <translation>Editado</translation>
    </message>
    <message>
        <source>Counted</source>
        <extracomment>Whether this attempt is the one that counts for its student: yes or no.</extracomment>
        <translation>Computado</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 %2: worked exercise on lactate clearance and oxygen debt after a sprint.
Without options it opens the exercise for a new, random subject.
Paper is A4, or Letter where the locale measures in US units.</source>
        <translation>%1 %2: ejercicio resuelto sobre la eliminación del lactato y la deuda de oxígeno tras un sprint.
Sin opciones, abre el ejercicio con un sujeto nuevo, aleatorio.
El papel es A4, o Carta (Letter) donde la configuración regional usa unidades de EE. UU.</translation>
    </message>
    <message>
        <source>Displays help on command-line options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Starts with the subject of &lt;code&gt;, such as M72-0.8-12.4, instead of a random one. With --worksheet or --key it may be given several times, one subject each.</source>
        <translation>Empieza con el sujeto de &lt;code&gt;, como M72-0.8-12.4, en lugar de uno aleatorio. Con --worksheet o --key puede darse varias veces, un sujeto cada vez.</translation>
    </message>
    <message>
        <source>Starts in practice mode, in which the student types the answers and has them checked.</source>
        <translation>Empieza en modo de práctica, en el que el estudiante escribe las respuestas y el programa las comprueba.</translation>
    </message>
    <message>
        <source>Practises as the student &lt;name&gt;, for this run, instead of the name this computer remembers or asks for.</source>
        <translation>Practica como el estudiante &lt;name&gt;, en esta ejecución, en lugar del nombre que este ordenador recuerda o pregunta.</translation>
    </message>
    <message>
        <source>With --student: the student&apos;s &lt;id&gt; number, as the school&apos;s gradebook knows it.</source>
        <translation>Con --student: el número de ID &lt;id&gt; del estudiante, tal como figura en el calificador del centro.</translation>
    </message>
    <message>
        <source>Writes the worksheet, the problem and the six questions with room to work under each, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Escribe la hoja de ejercicios (el problema y las seis preguntas, con espacio para trabajar bajo cada una) en PDF en &lt;file&gt;, y sale sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>Writes the answer key, each question with its worked answer and both pathway diagrams, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Escribe el solucionario (cada pregunta con su respuesta desarrollada y los dos diagramas de las vías) en PDF en &lt;file&gt;, y sale sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>With --worksheet or --key: a class set of &lt;n&gt; different random subjects, 1 to %1, each on pages of its own headed by its code.</source>
        <translation>Con --worksheet o --key: un lote para la clase de &lt;n&gt; sujetos aleatorios distintos, de 1 a %1, cada uno en páginas propias encabezadas por su código.</translation>
    </message>
    <message>
        <source>With --collate: the CSV &lt;file&gt; to write, a line for each attempt: the student&apos;s name and ID number, the subject code, when the attempt started, each question&apos;s first and last verdicts, the score and whether it was finished, edited and counted.</source>
        <translation>Con --collate: el archivo CSV &lt;file&gt; que se escribe, con una línea por intento: el nombre y el número de ID del estudiante, el código del sujeto, cuándo empezó el intento, los veredictos primero y último de cada pregunta, la puntuación y si el intento está terminado, editado y computado.</translation>
    </message>
    <message>
        <source>With --collate: the class report, as PDF to &lt;file&gt;: for each question how many students were right at the first try and at the last, the known slips met, and a table of the students.</source>
        <translation>Con --collate: el informe de la clase, en PDF en &lt;file&gt;: para cada pregunta, cuántos estudiantes acertaron a la primera y al final, los errores típicos cometidos y una tabla de los estudiantes.</translation>
    </message>
    <message>
        <source>Speaks the language of &lt;code&gt;, one of %1, instead of the desktop&apos;s: pt or pt_BR for Brazilian Portuguese.</source>
        <translation>Usa el idioma de &lt;code&gt;, uno de %1, en lugar del idioma del escritorio: pt o pt_BR para portugués de Brasil.</translation>
    </message>
    <message>
        <source>Writes the result slip of the practice record of --record, its entries, verdicts and score on one page, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Escribe la hoja de resultados del registro de práctica de --record (sus entradas, veredictos y puntuación en una página) en PDF en &lt;file&gt;, y sale sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>With --result-slip: the practice record &lt;file&gt; to read.</source>
        <translation>Con --result-slip: el archivo &lt;file&gt; del registro de práctica que se lee.</translation>
    </message>
    <message>
        <source>With --collate or --teacher: practice records (.json), or folders of them.</source>
        <translation>Con --collate o --teacher: registros de práctica (.json), o carpetas que los contienen.</translation>
    </message>
    <message>
        <source>--collate reads practice records; it does not go with --%1.</source>
        <translation>--collate lee registros de práctica; no va con --%1.</translation>
    </message>
    <message>
        <source>--collate needs practice records to read: files, or folders of them.</source>
        <translation>--collate necesita registros de práctica que leer: archivos, o carpetas que los contengan.</translation>
    </message>
    <message>
        <source>--result-slip writes the slip of one practice record; it does not go with --%1.</source>
        <translation>--result-slip escribe la hoja de resultados de un solo registro de práctica; no va con --%1.</translation>
    </message>
    <message>
        <source>--record is read for --result-slip; give --result-slip and its file.</source>
        <translation>--record se lee para --result-slip; indica --result-slip y su archivo.</translation>
    </message>
    <message>
        <source>--result-slip needs the practice record to read; give --record.</source>
        <translation>--result-slip necesita el registro de práctica que leer; indica --record.</translation>
    </message>
    <message>
        <source>--result-slip names the record itself, %1; write the slip to a file of its own.</source>
        <translation>--result-slip indica el propio registro, %1; escribe la hoja de resultados en un archivo propio.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 aparece más de una vez.</translation>
    </message>
    <message>
        <source>--csv is the table of --collate; give --collate and the records too.</source>
        <translation>--csv es la tabla de --collate; indica también --collate y los registros.</translation>
    </message>
    <message>
        <source>--report is the report of --collate; give --collate and the records too.</source>
        <translation>--report es el informe de --collate; indica también --collate y los registros.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;; only --collate and --teacher take files without an option.</source>
        <translation>Argumento inesperado &apos;%1&apos;; solo --collate y --teacher admiten archivos sin opción.</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 necesita un valor.</translation>
    </message>
    <message>
        <source>--teacher opens the teacher&apos;s window; it does not go with --%1.</source>
        <translation>--teacher abre la ventana de docentes; no va con --%1.</translation>
    </message>
    <message>
        <source>--student-id goes with --student and the student&apos;s name.</source>
        <translation>--student-id va con --student y el nombre del estudiante.</translation>
    </message>
    <message>
        <source>--student names who practises in the window; it does not go with --worksheet or --key.</source>
        <translation>--student indica quién practica en la ventana; no va con --worksheet ni con --key.</translation>
    </message>
    <message>
        <source>--count makes a class set on paper; give --worksheet or --key.</source>
        <translation>--count crea un lote para la clase en papel; indica --worksheet o --key.</translation>
    </message>
    <message>
        <source>The window shows one subject; give --subject once, or several with --worksheet or --key.</source>
        <translation>La ventana muestra un solo sujeto; indica --subject una vez, o varias con --worksheet o --key.</translation>
    </message>
    <message>
        <source>--practice is for the window; it does not go with --worksheet or --key.</source>
        <translation>--practice es para la ventana; no va con --worksheet ni con --key.</translation>
    </message>
    <message>
        <source>--worksheet and --key name the same file, %1.</source>
        <translation>--worksheet y --key indican el mismo archivo, %1.</translation>
    </message>
    <message>
        <source>--count draws random subjects and --subject names them; give one or the other.</source>
        <translation>--count sortea sujetos aleatorios y --subject los nombra; indica uno u otro.</translation>
    </message>
    <message>
        <source>--count takes a whole number of subjects, 1 to %1, not &quot;%2&quot;.</source>
        <translation>--count admite un número entero de sujetos, de 1 a %1, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Prueba &apos;%1 --help&apos; para más información.</translation>
    </message>
    <message>
        <source>Cannot read the subject code &quot;%1&quot;. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>No se puede leer el código de sujeto &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The name given with --student cannot be taken. %1</source>
        <extracomment>%1 says what is wrong with the name, in a sentence of its own.</extracomment>
        <translation>No se puede aceptar el nombre indicado con --student. %1</translation>
    </message>
    <message>
        <source>The ID number given with --student-id cannot be taken. %1</source>
        <extracomment>%1 says what is wrong with the ID number, in a sentence of its own.</extracomment>
        <translation>No se puede aceptar el número de ID indicado con --student-id. %1</translation>
    </message>
    <message>
        <source>Reads the practice records given as arguments, files or folders of them, judges each check again from its entry, and writes the table of --csv, the gradebook file of --gradebook, the report of --report, or several of them. A record that cannot be read, or was edited, is named. Exits without opening a window.</source>
        <translation>Lee los registros de práctica dados como argumentos (archivos o carpetas que los contienen), vuelve a corregir cada comprobación a partir de su entrada y escribe la tabla de --csv, el archivo para el calificador de --gradebook, el informe de --report, o varios de ellos. Se indica cada registro que no se puede leer o que fue editado. Sale sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>Hands practice attempts in to the folder &lt;dir&gt; for this run, whatever this computer&apos;s settings say: each attempt&apos;s record is kept there too, after every check.</source>
        <translation>Entrega los intentos de práctica en la carpeta &lt;dir&gt; durante esta ejecución, diga lo que diga la configuración de este ordenador: el registro de cada intento se guarda también allí, tras cada comprobación.</translation>
    </message>
    <message>
        <source>With --teacher: watches the folder &lt;dir&gt; that students hand in to, and shows each record as it arrives or changes.</source>
        <translation>Con --teacher: vigila la carpeta &lt;dir&gt; en la que entregan los estudiantes y muestra cada registro en cuanto llega o cambia.</translation>
    </message>
    <message>
        <source>Opens %1 for teachers, for class sets and the records handed in, with the records given as arguments, files or folders of them.</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Abre %1 para docentes, para los lotes para la clase y los registros entregados, con los registros dados como argumentos (archivos o carpetas que los contienen).</translation>
    </message>
    <message>
        <source>--collate writes the class&apos;s table, a file for the gradebook, a report, or more than one of them; give --csv, --gradebook, --report or several, each with its file.</source>
        <translation>--collate escribe la tabla de la clase, un archivo para el calificador, un informe o varios de ellos; indica --csv, --gradebook, --report o varias de estas opciones, cada una con su archivo.</translation>
    </message>
    <message>
        <source>--%1 and --%2 name the same file, %3.</source>
        <translation>--%1 y --%2 indican el mismo archivo, %3.</translation>
    </message>
    <message>
        <source>--gradebook is the gradebook file of --collate; give --collate and the records too.</source>
        <translation>--gradebook es el archivo para el calificador de --collate; indica también --collate y los registros.</translation>
    </message>
    <message>
        <source>--watch is for the teacher&apos;s window; give --teacher too.</source>
        <translation>--watch es para la ventana de docentes; indica también --teacher.</translation>
    </message>
    <message>
        <source>--%1 names %2, which is not a folder.</source>
        <translation>--%1 indica %2, que no es una carpeta.</translation>
    </message>
    <message>
        <source>--hand-in is for practice in the window; it does not go with --worksheet or --key.</source>
        <translation>--hand-in es para practicar en la ventana; no va con --worksheet ni con --key.</translation>
    </message>
    <message>
        <source>%1: the window cannot open, as there is no display to show it on. --worksheet and --key write their PDF files without one.</source>
        <extracomment>%1 is the program&apos;s name, as the command line starts it.</extracomment>
        <translation>%1: no se puede abrir la ventana, porque no hay ninguna pantalla donde mostrarla. --worksheet y --key escriben sus archivos PDF sin pantalla.</translation>
    </message>
    <message>
        <source>With --collate: the CSV &lt;file&gt; to import into the gradebook, a line for each student: the ID number, the name, the score of the attempt that counts and a short feedback. A student whom the gradebook could not find by the ID number (none given, one given to two students, or one that a spreadsheet would read as a formula) is left out, and named.</source>
        <translation>Con --collate: el archivo CSV &lt;file&gt; que se importa en el calificador, con una línea por estudiante: el número de ID, el nombre, la puntuación del intento que se computa y una breve retroalimentación. Queda fuera, y se indica quién es, cada estudiante al que el calificador no podría encontrar por su número de ID (porque no lo tiene, porque lo tienen dos estudiantes o porque una hoja de cálculo lo leería como una fórmula).</translation>
    </message>
    <message>
        <source>--%1 names a practice record, %2; give it a file of its own to write.</source>
        <translation>--%1 indica un registro de práctica, %2; indícale un archivo propio en el que escribir.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>glucose</source>
        <extracomment>The name of a compound as a label of a pathway diagram: short, as it has little room.</extracomment>
        <translation>glucosa</translation>
    </message>
    <message>
        <source>glucose 6-phosphate</source>
        <translation>glucosa 6-fosfato</translation>
    </message>
    <message>
        <source>glycogen</source>
        <translation>glucógeno</translation>
    </message>
    <message>
        <source>2 x lactate</source>
        <translation>2 x lactato</translation>
    </message>
    <message>
        <source>2 x pyruvate</source>
        <translation>2 x piruvato</translation>
    </message>
    <message>
        <source>lactate</source>
        <translation>lactato</translation>
    </message>
    <message>
        <source>pyruvate</source>
        <translation>piruvato</translation>
    </message>
    <message>
        <source>acetyl CoA</source>
        <translation>acetil-CoA</translation>
    </message>
    <message>
        <source>oxaloacetate</source>
        <translation>oxalacetato</translation>
    </message>
    <message>
        <source>citrate</source>
        <translation>citrato</translation>
    </message>
    <message>
        <source>isocitrate</source>
        <translation>isocitrato</translation>
    </message>
    <message>
        <source>α-ketoglutarate</source>
        <translation>α-cetoglutarato</translation>
    </message>
    <message>
        <source>succinyl CoA</source>
        <translation>succinil-CoA</translation>
    </message>
    <message>
        <source>succinate</source>
        <translation>succinato</translation>
    </message>
    <message>
        <source>fumarate</source>
        <translation>fumarato</translation>
    </message>
    <message>
        <source>malate</source>
        <translation>malato</translation>
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
        <translation>No has escrito nada aquí.</translation>
    </message>
    <message>
        <source>This is too long for one number (%1 characters).</source>
        <translation>Es demasiado largo para un solo número (%1 caracteres).</translation>
    </message>
    <message>
        <source>%1 has digits other than 0 to 9.</source>
        <translation>%1 tiene cifras distintas de 0 a 9.</translation>
    </message>
    <message>
        <source>%1 is not a number; type it in digits, like 12.5.</source>
        <translation>%1 no es un número; escríbelo en cifras, como 12,5.</translation>
    </message>
    <message>
        <source>%1 is written with an exponent; type the number in full.</source>
        <translation>%1 está escrito con exponente; escribe el número completo.</translation>
    </message>
    <message>
        <source>%1 is not a number; type digits and at most one decimal point or comma.</source>
        <translation>%1 no es un número; escribe cifras y como mucho un punto o una coma decimal.</translation>
    </message>
    <message>
        <source>%1 holds more than one number; type one.</source>
        <translation>%1 contiene más de un número; escribe uno solo.</translation>
    </message>
    <message>
        <source>%1 has a blank inside; type one number, without thousands separators.</source>
        <translation>%1 tiene un espacio en medio; escribe un solo número, sin separadores de miles.</translation>
    </message>
    <message>
        <source>%1 has more than one point or comma; type it without thousands separators, with one decimal point or comma.</source>
        <translation>%1 tiene más de un punto o coma; escríbelo sin separadores de miles, con un solo punto o coma decimal.</translation>
    </message>
    <message>
        <source>The comma in %1 could be a thousands separator or a decimal comma; type the number without it, or with a decimal point.</source>
        <translation>La coma de %1 podría ser un separador de miles o una coma decimal; escribe el número sin ella, o con un punto decimal.</translation>
    </message>
    <message>
        <source>%1 is far too large for this answer; check the digits.</source>
        <translation>%1 es excesivamente grande para esta respuesta; revisa las cifras.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a unit of this answer, which takes %2, or no unit.</source>
        <translation>&quot;%1&quot; no es una unidad de esta respuesta, que admite %2 o ninguna unidad.</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>You are considering a man who weighs %1 kg. He  has just completed a 100 m sprint.</source>
        <extracomment>%1 is the subject&apos;s weight. The doubled blank is the English exercise&apos;s own.</extracomment>
        <translation>Considera a un hombre que pesa %1 kg. Acaba de correr un sprint de 100 m.</translation>
    </message>
    <message>
        <source>You are considering a woman who weighs %1 kg. She  has just completed a 100 m sprint.</source>
        <translation>Considera a una mujer que pesa %1 kg. Acaba de correr un sprint de 100 m.</translation>
    </message>
    <message>
        <source>Before the race his plasma lactate was %1 mmol /L</source>
        <translation>Antes de la carrera, su lactato plasmático era de %1 mmol/L</translation>
    </message>
    <message>
        <source>Before the race her plasma lactate was %1 mmol /L</source>
        <translation>Antes de la carrera, su lactato plasmático era de %1 mmol/L</translation>
    </message>
    <message>
        <source>Immediately after the race  his  plasma lactate was %1 mmol /L</source>
        <extracomment>The doubled blanks are the English exercise&apos;s own.</extracomment>
        <translation>Inmediatamente después de la carrera, su lactato plasmático era de %1 mmol/L</translation>
    </message>
    <message>
        <source>Immediately after the race  her  plasma lactate was %1 mmol /L</source>
        <translation>Inmediatamente después de la carrera, su lactato plasmático era de %1 mmol/L</translation>
    </message>
    <message>
        <source>30 minutes later  his  plasma lactate was %1 mmol /L</source>
        <extracomment>The doubled blanks are the English exercise&apos;s own.</extracomment>
        <translation>30 minutos más tarde, su lactato plasmático era de %1 mmol/L</translation>
    </message>
    <message>
        <source>30 minutes later  her  plasma lactate was %1 mmol /L</source>
        <translation>30 minutos más tarde, su lactato plasmático era de %1 mmol/L</translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that he has metabolised in 30 minutes?</source>
        <extracomment>%1 is a percentage.</extracomment>
        <translation>Suponiendo que el líquido extracelular es el %1 % del peso corporal,
¿qué cantidad total de lactato ha metabolizado en 30 minutos?</translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that she has metabolised in 30 minutes?</source>
        <translation>Suponiendo que el líquido extracelular es el %1 % del peso corporal,
¿qué cantidad total de lactato ha metabolizado en 30 minutos?</translation>
    </message>
    <message>
        <source>Extracellular fluid = %1 x %2 = %3 L   (You can assume that 1 kg of ecf = 1 L)</source>
        <extracomment>%1 is the share of body weight, %2 the weight, %3 the volume of extracellular fluid.</extracomment>
        <translation>Líquido extracelular = %1 x %2 = %3 L   (puedes suponer que 1 kg de LEC = 1 L)</translation>
    </message>
    <message>
        <source>Over 30 min his plasma lactate falls by %1 mmol/L</source>
        <translation>En 30 min su lactato plasmático disminuye en %1 mmol/L</translation>
    </message>
    <message>
        <source>Over 30 min her plasma lactate falls by %1 mmol/L</source>
        <translation>En 30 min su lactato plasmático disminuye en %1 mmol/L</translation>
    </message>
    <message>
        <source>Total lactate metabolised = %1 x %2 = %3 mmol</source>
        <translation>Lactato total metabolizado = %1 x %2 = %3 mmol</translation>
    </message>
    <message>
        <source>Most of this lactate will be taken up by the liver and used for gluconeogenesis.</source>
        <translation>La mayor parte de este lactato la captará el hígado y se usará para la gluconeogénesis.</translation>
    </message>
    <message>
        <source>Some will be used for synthesis of liver glycogen, but most will be released from the liver as glucose
and used for glycogen synthesis in muscle.</source>
        <translation>Una parte se usará para sintetizar glucógeno hepático, pero la mayor parte saldrá del hígado
como glucosa y se usará para la síntesis de glucógeno en el músculo.</translation>
    </message>
    <message>
        <source>What is the total cost in ATP (summing ATP, GTP and UTP) for synthesis of:</source>
        <translation>Calcula el coste total en ATP (sumando ATP, GTP y UTP) de la síntesis de:</translation>
    </message>
    <message>
        <source>glucose from 2 x lactate</source>
        <extracomment>The three products of question 2, each a line of their own under the question.</extracomment>
        <translation>glucosa a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>liver glycogen from 2 x lactate</source>
        <translation>glucógeno hepático a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>muscle glycogen from 2 x lactate</source>
        <translation>glucógeno muscular a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>Synthesis of glucose from 2 x lactate uses %1 x ATP</source>
        <translation>La síntesis de glucosa a partir de 2 x lactato consume %1 x ATP</translation>
    </message>
    <message>
        <source>Synthesis of liver glycogen from 2 x lactate uses %1 x ATP</source>
        <translation>La síntesis de glucógeno hepático a partir de 2 x lactato consume %1 x ATP</translation>
    </message>
    <message>
        <source>Synthesis of muscle glycogen from 2 x lactate uses %1 x ATP</source>
        <translation>La síntesis de glucógeno muscular a partir de 2 x lactato consume %1 x ATP</translation>
    </message>
    <message>
        <source>Although gluconogenesis from pyruvate requires NADH, this is provided by the oxidation of lactate to pyruvate.</source>
        <extracomment>&quot;gluconogenesis&quot; is the English exercise&apos;s own slip for gluconeogenesis: write the word correctly. The NADH that gluconeogenesis uses is supplied by the oxidation of lactate.</extracomment>
        <translation>Aunque la gluconeogénesis a partir de piruvato requiere NADH,
este lo aporta la oxidación del lactato a piruvato.</translation>
    </message>
    <message>
        <source>How much ATP would be required to convert all of the lactate that has been metabolised to muscle glycogen?</source>
        <translation>¿Cuánto ATP se necesitaría para convertir en glucógeno muscular todo el lactato que se ha metabolizado?</translation>
    </message>
    <message>
        <source>%1 mmol of lactate has been metabolised; this will require (%2 / 2 x %3 ) = %4 mmol ATP</source>
        <extracomment>%1 and %2 are the lactate metabolised, %3 the ATP for 2 lactate, %4 the ATP required.</extracomment>
        <translation>Se han metabolizado %1 mmol de lactato; esto requerirá (%2 / 2 x %3) = %4 mmol de ATP</translation>
    </message>
    <message>
        <source> How much lactate must undergo total oxidation to carbon dioxide and water
(via lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle) to provide this ATP?</source>
        <extracomment>The leading blank is the English exercise&apos;s own.</extracomment>
        <translation>¿Qué cantidad de lactato debe oxidarse totalmente a dióxido de carbono y agua
(a través de la lactato deshidrogenasa, la piruvato deshidrogenasa y el ciclo del ácido cítrico)
para proporcionar este ATP?</translation>
    </message>
    <message>
        <source>1 mol of lactate oxidised to pyruvate yields %1 x NADH =~%2 ATP</source>
        <extracomment>%1 NADH, each worth about %2 ATP.</extracomment>
        <translation>1 mol de lactato oxidado a piruvato produce %1 x NADH =~%2 ATP</translation>
    </message>
    <message>
        <source>1 mol of pyruvate oxidised to acetyl CoA yields %1 x NADH =~%2 ATP</source>
        <translation>1 mol de piruvato oxidado a acetil-CoA produce %1 x NADH =~%2 ATP</translation>
    </message>
    <message>
        <source>1 mol of acetate oxidised in the citric acid cycle yields:</source>
        <translation>1 mol de acetato oxidado en el ciclo del ácido cítrico produce:</translation>
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
        <translation>En total se producen %1 ATP por lactato oxidado; necesita %2 mmol de ATP;
por tanto, debe oxidar %3 / %4 = %5 mmol de lactato.</translation>
    </message>
    <message>
        <source>Total %1 ATP produced per lactate oxidised; she needs %2mmol ATP
therefore she must oxidise %3/%4 = %5 mmol lactate.</source>
        <translation>En total se producen %1 ATP por lactato oxidado; necesita %2 mmol de ATP;
por tanto, debe oxidar %3 / %4 = %5 mmol de lactato.</translation>
    </message>
    <message>
        <source>The oxidation of lactate, like that of glucose, consumes %1 L of oxygen per gram.</source>
        <translation>La oxidación del lactato, como la de la glucosa, consume %1 L de oxígeno por gramo.</translation>
    </message>
    <message>
        <source>The molecular mass of lactate is %1.</source>
        <translation>La masa molecular del lactato es %1.</translation>
    </message>
    <message>
        <source>What is his additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation>¿Cuál es su consumo adicional de oxígeno (en L) durante los 30 minutos posteriores al final de la carrera?</translation>
    </message>
    <message>
        <source>What is her additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation>¿Cuál es su consumo adicional de oxígeno (en L) durante los 30 minutos posteriores al final de la carrera?</translation>
    </message>
    <message>
        <source>%1 mmol lactate = %2x %3  = %4 mg</source>
        <extracomment>%1 and %2 are the lactate to oxidise, %3 its molecular mass, %4 its mass. The doubled blank is the English exercise&apos;s own.</extracomment>
        <translation>%1 mmol de lactato = %2 x %3 = %4 mg</translation>
    </message>
    <message>
        <source>Additional oxygen consumed = (%1 / 1000) x %2 = %3 L</source>
        <translation>Oxígeno adicional consumido = (%1 / 1000) x %2 = %3 L</translation>
    </message>
    <message>
        <source>This is oxygen debt - the extra oxygen that is consumed in the metabolism of lactate to provide
the ATP that is required for gluconeogenesis and the formation of glycogen.</source>
        <translation>Esta es la deuda de oxígeno: el oxígeno adicional que se consume en el metabolismo del lactato
para aportar el ATP necesario para la gluconeogénesis y la formación de glucógeno.</translation>
    </message>
    <message>
        <source>Assuming that his total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in his oxygen consumption during this 30 minutes?</source>
        <extracomment>%1 is the total energy expenditure, %2 the energy each litre of oxygen yields. &quot;perday&quot; and &quot;pecentage&quot; are the English exercise&apos;s own slips: write &quot;per day&quot; and &quot;percentage&quot; correctly.</extracomment>
        <translation>Suponiendo que su gasto energético total es de %1 MJ al día y que, sea cual sea el combustible
que se metaboliza, el rendimiento energético es de %2 kJ por L de oxígeno consumido,
¿cuál es el aumento porcentual de su consumo de oxígeno durante estos 30 minutos?</translation>
    </message>
    <message>
        <source>Assuming that her total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in her oxygen consumption during this 30 minutes?</source>
        <translation>Suponiendo que su gasto energético total es de %1 MJ al día y que, sea cual sea el combustible
que se metaboliza, el rendimiento energético es de %2 kJ por L de oxígeno consumido,
¿cuál es el aumento porcentual de su consumo de oxígeno durante estos 30 minutos?</translation>
    </message>
    <message>
        <source>total oxygen consumed = total energy expenditure (MJ) x 1000 / %1 = %2x 1000 / %3 = %4 L oxygen /day</source>
        <extracomment>%1 and %3 are the kJ per litre of oxygen, %2 the energy expenditure, %4 the litres a day.</extracomment>
        <translation>oxígeno total consumido = gasto energético total (MJ) x 1000 / %1
= %2 x 1000 / %3 = %4 L de oxígeno/día</translation>
    </message>
    <message>
        <source>= %1 /%2 = %3 L oxygen per 30 minutes</source>
        <extracomment>%1 is the litres a day, %2 the half hours of a day, %3 the litres per 30 minutes.</extracomment>
        <translation>= %1 / %2 = %3 L de oxígeno por 30 minutos</translation>
    </message>
    <message>
        <source>percent increase in oxygen consumption = 100 x %1 / %2= %3%</source>
        <extracomment>%1 is the additional oxygen, %2 the litres per 30 minutes, %3 the percentage.</extracomment>
        <translation>aumento porcentual del consumo de oxígeno = 100 x %1 / %2 = %3 %</translation>
    </message>
    <message>
        <source>%1 calculation</source>
        <extracomment>The title of every window and the head of every page; %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Cálculo de %1</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Questions</source>
        <extracomment>The pane that holds the problem and the questions posed so far.</extracomment>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>The pane that shows a worked answer (a noun).</extracomment>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>See answer 1</source>
        <translation>Ver respuesta 1</translation>
    </message>
    <message>
        <source>end</source>
        <extracomment>The button that ends the program, written in small letters as the program always has.</extracomment>
        <translation>salir</translation>
    </message>
    <message>
        <source>Hide answer 1</source>
        <translation>Ocultar respuesta 1</translation>
    </message>
    <message>
        <source>See answer 2</source>
        <translation>Ver respuesta 2</translation>
    </message>
    <message>
        <source>Hide answer 2</source>
        <translation>Ocultar respuesta 2</translation>
    </message>
    <message>
        <source>See pathway 1</source>
        <translation>Ver diagrama 1</translation>
    </message>
    <message>
        <source>See answer 3</source>
        <translation>Ver respuesta 3</translation>
    </message>
    <message>
        <source>Hide answer 3</source>
        <translation>Ocultar respuesta 3</translation>
    </message>
    <message>
        <source>See pathway 2</source>
        <translation>Ver diagrama 2</translation>
    </message>
    <message>
        <source>See answer 4</source>
        <translation>Ver respuesta 4</translation>
    </message>
    <message>
        <source>Hide answer 4</source>
        <translation>Ocultar respuesta 4</translation>
    </message>
    <message>
        <source>See answer 5</source>
        <translation>Ver respuesta 5</translation>
    </message>
    <message>
        <source>Hide answer 5</source>
        <translation>Ocultar respuesta 5</translation>
    </message>
    <message>
        <source>See answer 6</source>
        <translation>Ver respuesta 6</translation>
    </message>
    <message>
        <source>Hide answer 6</source>
        <translation>Ocultar respuesta 6</translation>
    </message>
</context>
<context>
    <name>FolderWatch</name>
    <message>
        <source>The watched folder %1 cannot be reached. What was read of it stays; watching goes on, and it is read again when it is back.</source>
        <extracomment>%1 is a folder; it was deleted, or the share it is on went offline.</extracomment>
        <translation>No se puede acceder a la carpeta vigilada %1. Lo que ya se ha leído de ella se conserva; la vigilancia continúa, y la carpeta se volverá a leer cuando esté disponible de nuevo.</translation>
    </message>
    <message>
        <source>The file is a link to a place outside the folder, and it was not followed.</source>
        <extracomment>Follows a sentence that names the file.</extracomment>
        <translation>El archivo es un enlace a una ubicación fuera de la carpeta, y no se ha seguido.</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Reset zoom</source>
        <translation>Restablecer &amp;zoom</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>Ajustar a la &amp;ventana</translation>
    </message>
    <message>
        <source>Zoom %1 %, fitted to the window</source>
        <translation>Zoom %1 %, ajustado a la ventana</translation>
    </message>
    <message>
        <source>Zoom %1 %, as the screen allows</source>
        <translation>Zoom %1 %, el máximo que permite la pantalla</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>The window&apos;s context menu.</extracomment>
        <translation>Menú</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Logotipo de %1</translation>
    </message>
</context>
<context>
    <name>Gradebook</name>
    <message>
        <source>%1 is left out of the gradebook file: the attempt gives no ID number, by which the gradebook finds a student.</source>
        <extracomment>%1 is a student&apos;s name, or the record&apos;s file where it names nobody.</extracomment>
        <translation>%1 queda fuera del archivo para el calificador: el intento no tiene número de ID, que es lo que usa el calificador para encontrar a cada estudiante.</translation>
    </message>
    <message>
        <source>ID number %1 is left out of the gradebook file: it is given to more than one student (%2).</source>
        <extracomment>%1 is an ID number, %2 the names the records give with it: &quot;Ana and Ben&quot;.</extracomment>
        <translation>El número de ID %1 queda fuera del archivo para el calificador: lo tiene más de un estudiante (%2).</translation>
    </message>
    <message>
        <source>%1 is left out of the gradebook file: the ID number &quot;%2&quot; would be read as a formula or holds a control character, and the gradebook would find nobody by it.</source>
        <extracomment>%1 is a student&apos;s name, %2 the ID number.</extracomment>
        <translation>%1 queda fuera del archivo para el calificador: el número de ID &quot;%2&quot; se leería como una fórmula o contiene un carácter de control, y el calificador no encontraría a nadie con él.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Handing in to %1…</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Entregando en %1…</translation>
    </message>
    <message>
        <source>Handed in to %1 at %2.</source>
        <extracomment>%1 is a folder, %2 a time of day.</extracomment>
        <translation>Entregado en %1 a las %2.</translation>
    </message>
    <message>
        <source>Your attempt is not handed in. %1 It is kept on this computer, and handed in at the next check.</source>
        <extracomment>%1 says why, in a sentence of its own that names the folder.</extracomment>
        <translation>Tu intento no se ha entregado. %1 Se guarda en este ordenador y se entregará en la próxima comprobación.</translation>
    </message>
</context>
<context>
    <name>HandInFolder</name>
    <message>
        <source>The hand-in folder %1 cannot be reached.</source>
        <extracomment>A hand-in folder on a USB stick that was pulled, or a share that is offline.</extracomment>
        <translation>No se puede acceder a la carpeta de entrega %1.</translation>
    </message>
    <message>
        <source>The hand-in folder %1 names a file, not a folder.</source>
        <translation>La ruta de la carpeta de entrega, %1, corresponde a un archivo, no a una carpeta.</translation>
    </message>
</context>
<context>
    <name>HandedIn</name>
    <message>
        <source>The folder holds no practice records (*.json).</source>
        <extracomment>Follows a sentence that names the folder.</extracomment>
        <translation>La carpeta no contiene registros de práctica (*.json).</translation>
    </message>
    <message>
        <source>Records read: %1; students: %2; attempts: %3.</source>
        <translation>Registros leídos: %1; estudiantes: %2; intentos: %3.</translation>
    </message>
    <message>
        <source>Where a student handed in more than one attempt, the latest finished counts, else the latest; the table says which.</source>
        <translation>Cuando un estudiante entregó más de un intento, se computa el último terminado o, si no hay ninguno, el último; la tabla indica cuál.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) were edited; what their entries earn is shown, not what they say.</source>
        <translation>
            <numerusform>%n registro fue editado; se muestra lo que merecen sus entradas, no lo que dice.</numerusform>
            <numerusform>%n registros fueron editados; se muestra lo que merecen sus entradas, no lo que dicen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and are left out.</source>
        <translation>
            <numerusform>No se pudo leer %n archivo, que queda fuera.</numerusform>
            <numerusform>No se pudieron leer %n archivos, que quedan fuera.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is left out. %2</source>
        <extracomment>%1 is a file or folder, %2 why, in a sentence of its own such as &quot;The file is empty.&quot;</extracomment>
        <translation>%1 queda fuera. %2</translation>
    </message>
    <message>
        <source>The record %1 was edited. %2 The verdicts its entries earn are the ones shown.</source>
        <extracomment>%1 is the record&apos;s file; %2 names the check that differs, in a sentence of its own; the table and report show what its entry earns.</extracomment>
        <translation>El registro %1 fue editado. %2 Los veredictos que se muestran son los que merecen sus entradas.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <extracomment>Follows a sentence that names the folder.</extracomment>
        <translation>No se puede leer la carpeta.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) held an attempt read already; each attempt counts once.</source>
        <translation>
            <numerusform>%n registro contenía un intento ya leído; cada intento se computa una sola vez.</numerusform>
            <numerusform>%n registros contenían un intento ya leído; cada intento se computa una sola vez.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HandedInPage</name>
    <message>
        <source>Export &amp;table…</source>
        <translation>Exportar &amp;tabla…</translation>
    </message>
    <message>
        <source>Export &amp;report…</source>
        <translation>Exportar &amp;informe…</translation>
    </message>
    <message>
        <source>Attempts handed in</source>
        <translation>Intentos entregados</translation>
    </message>
    <message>
        <source>Records not read, or edited</source>
        <translation>Registros no leídos o editados</translation>
    </message>
    <message>
        <source>Add &amp;records…</source>
        <translation>Añadir &amp;registros…</translation>
    </message>
    <message>
        <source>Add a &amp;folder…</source>
        <translation>Añadir una &amp;carpeta…</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>Empties the page of every record read.</extracomment>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>No records are read yet.</source>
        <translation>Aún no se ha leído ningún registro.</translation>
    </message>
    <message>
        <source>Add records</source>
        <translation>Añadir registros</translation>
    </message>
    <message>
        <source>Practice records (*.json)</source>
        <translation>Registros de práctica (*.json)</translation>
    </message>
    <message>
        <source>Add a folder of records</source>
        <translation>Añadir una carpeta de registros</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exportar tabla</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table is written to %1.</source>
        <translation>La tabla se ha escrito en %1.</translation>
    </message>
    <message>
        <source>No table was written. %1</source>
        <translation>No se ha escrito ninguna tabla. %1</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exportar informe</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>El informe se ha escrito en %1.</translation>
    </message>
    <message>
        <source>No report was written. %1</source>
        <translation>No se ha escrito ningún informe. %1</translation>
    </message>
    <message>
        <source>Export for the &amp;gradebook…</source>
        <extracomment>Writes the file that the school&apos;s gradebook (Moodle) imports.</extracomment>
        <translation>Exportar para el ca&amp;lificador…</translation>
    </message>
    <message>
        <source>&amp;Watch a folder…</source>
        <extracomment>Follows a folder that students hand in to, as records arrive and change.</extracomment>
        <translation>Vi&amp;gilar una carpeta…</translation>
    </message>
    <message>
        <source>Records &amp;not read, or edited:</source>
        <translation>Registros &amp;no leídos o editados:</translation>
    </message>
    <message>
        <source>Add the records (.json) your students hand in, drop their files or folders on this window, or watch the folder they hand in to. Each record&apos;s checks are judged again from its entries; open an attempt to see them all.</source>
        <translation>Añade los registros (.json) que te entregan tus estudiantes, arrastra sus archivos o carpetas a esta ventana o vigila la carpeta en la que entregan. Las comprobaciones de cada registro se vuelven a corregir a partir de sus entradas; abre un intento para verlas todas.</translation>
    </message>
    <message>
        <source>Watching %1: records are read as they arrive or change.</source>
        <translation>Vigilando %1: los registros se leen en cuanto llegan o cambian.</translation>
    </message>
    <message>
        <source>Watch the folder your students hand in to</source>
        <translation>Vigilar la carpeta en la que entregan tus estudiantes</translation>
    </message>
    <message>
        <source>Export for the gradebook</source>
        <translation>Exportar para el calificador</translation>
    </message>
    <message>
        <source>No gradebook file was written. %1</source>
        <translation>No se ha escrito ningún archivo para el calificador. %1</translation>
    </message>
    <message>
        <source>The gradebook file is written to %1.</source>
        <translation>El archivo para el calificador se ha escrito en %1.</translation>
    </message>
    <message numerus="yes">
        <source>The gradebook file is written to %1, and %n student(s) are left out of it:</source>
        <extracomment>%1 is the file; the sentence of each student left out follows, one a line.</extracomment>
        <translation>
            <numerusform>El archivo para el calificador se ha escrito en %1, y %n estudiante queda fuera de él:</numerusform>
            <numerusform>El archivo para el calificador se ha escrito en %1, y %n estudiantes quedan fuera de él:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in.</source>
        <translation>
            <numerusform>Se ha entregado %n intento nuevo.</numerusform>
            <numerusform>Se han entregado %n intentos nuevos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, by %1.</source>
        <extracomment>%n new attempts, %1 the names of the students: &quot;Ana Souza and Ben Okafor&quot;.</extracomment>
        <translation>
            <numerusform>Se ha entregado %n intento nuevo, el de %1.</numerusform>
            <numerusform>Se han entregado %n intentos nuevos, los de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, among them by %1.</source>
        <translation>
            <numerusform>Se ha entregado %n intento nuevo, el de %1.</numerusform>
            <numerusform>Se han entregado %n intentos nuevos, entre ellos los de %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>Type an answer first.</source>
        <translation>Escribe primero una respuesta.</translation>
    </message>
    <message>
        <source>Not yet: only the sign is wrong; the amount is positive.</source>
        <translation>Aún no: solo el signo está mal; la cantidad es positiva.</translation>
    </message>
    <message>
        <source>Not yet: the amount is positive.</source>
        <translation>Aún no: la cantidad es positiva.</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Close: within %1 % of the answer but not within %2 %; check the arithmetic.</source>
        <translation>Casi: a menos del %1 % de la respuesta, pero fuera del margen del %2 %; revisa los cálculos.</translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answer to question %1 (%2).</source>
        <translation>Error arrastrado: tu método es correcto; la diferencia viene de tu respuesta a la pregunta %1 (%2).</translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answers to questions %1 (%2) and %3 (%4).</source>
        <translation>Error arrastrado: tu método es correcto; la diferencia viene de tus respuestas a las preguntas %1 (%2) y %3 (%4).</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>%1 speaks no &quot;%2&quot;; the languages there are: %3.</source>
        <extracomment>%1 is the program&apos;s name, %2 the language asked for, %3 the languages there are.</extracomment>
        <translation>%1 no está disponible en &quot;%2&quot;; los idiomas disponibles son: %3.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Cannot read the record %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own, such as &quot;The file is empty.&quot;</extracomment>
        <translation>No se puede leer el registro %1. %2</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Exercise complete.</source>
        <translation>Ejercicio completado.</translation>
    </message>
    <message>
        <source>Practice mode on: type each answer and check it.</source>
        <translation>Modo de práctica activado: escribe cada respuesta y compruébala.</translation>
    </message>
    <message>
        <source>Practice mode off.</source>
        <translation>Modo de práctica desactivado.</translation>
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
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>There is no subject to print.</source>
        <translation>No hay ningún sujeto que imprimir.</translation>
    </message>
    <message>
        <source>Cannot draw on the page.</source>
        <translation>No se puede dibujar en la página.</translation>
    </message>
    <message>
        <source>Cannot start a new page.</source>
        <translation>No se puede empezar una página nueva.</translation>
    </message>
    <message>
        <source>Cannot finish the pages.</source>
        <translation>No se pueden terminar las páginas.</translation>
    </message>
    <message>
        <source>Subject %1, practised by %2 on %3 from %4 to %5.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the student, %3 the day, %4 and %5 times.</extracomment>
        <translation>Sujeto %1, practicado por %2 el %3 de %4 a %5.</translation>
    </message>
    <message>
        <source>Subject %1, practised on %2 from %3 to %4.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the day, %3 and %4 times.</extracomment>
        <translation>Sujeto %1, practicado el %2 de %3 a %4.</translation>
    </message>
    <message>
        <source>The exercise was finished.</source>
        <translation>El ejercicio está terminado.</translation>
    </message>
    <message>
        <source>This record was edited. %1 The verdicts shown are the ones its entries earn.</source>
        <translation>Este registro fue editado. %1 Los veredictos que se muestran son los que merecen sus entradas.</translation>
    </message>
    <message>
        <source>The exercise was left at question %1.</source>
        <translation>El ejercicio se dejó en la pregunta %1.</translation>
    </message>
    <message>
        <source>The exercise was left at answer %1.</source>
        <translation>El ejercicio se dejó en la respuesta %1.</translation>
    </message>
    <message>
        <source>Drawing was cancelled.</source>
        <translation>Se ha cancelado el dibujo de las páginas.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Cancelado: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1: class report</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: informe de la clase</translation>
    </message>
    <message>
        <source>%1: answer key</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: solucionario</translation>
    </message>
    <message>
        <source>%1: worksheet</source>
        <translation>%1: hoja de ejercicios</translation>
    </message>
    <message>
        <source>%1: result slip</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: hoja de resultados</translation>
    </message>
</context>
<context>
    <name>Pathway</name>
    <message>
        <source>Gluconeogenesis from lactate, and glycogen made in the liver and in muscle. Read from the bottom.</source>
        <translation>Gluconeogénesis a partir de lactato, y glucógeno sintetizado en el hígado y en el músculo. Se lee de abajo arriba.</translation>
    </message>
    <message>
        <source>2 x lactate is oxidised to 2 x pyruvate; this step uses 2 x NAD+ and gives 2 x NADH.</source>
        <translation>2 x lactato se oxida a 2 x piruvato; este paso consume 2 x NAD+ y da 2 x NADH.</translation>
    </message>
    <message>
        <source>In the liver, 2 x pyruvate is made into glucose 6-phosphate in three steps, drawn as three arrows going up.</source>
        <translation>En el hígado, 2 x piruvato se convierte en glucosa 6-fosfato en tres pasos, dibujados como tres flechas hacia arriba.</translation>
    </message>
    <message>
        <source>The first step uses 4 x ATP and gives 4 x ADP, and uses 2 x GTP and gives 2 x GDP.</source>
        <translation>El primer paso consume 4 x ATP y da 4 x ADP, y consume 2 x GTP y da 2 x GDP.</translation>
    </message>
    <message>
        <source>The second step uses the 2 x NADH and gives 2 x NAD+.</source>
        <translation>El segundo paso consume los 2 x NADH y da 2 x NAD+.</translation>
    </message>
    <message>
        <source>The third step ends at glucose 6-phosphate, drawn as its open-chain formula with a phosphate group on carbon 6.</source>
        <translation>El tercer paso termina en la glucosa 6-fosfato, dibujada con su fórmula de cadena abierta y un grupo fosfato en el carbono 6.</translation>
    </message>
    <message>
        <source>In the liver, glucose 6-phosphate is turned into free glucose, which leaves the liver.</source>
        <translation>En el hígado, la glucosa 6-fosfato se convierte en glucosa libre, que sale del hígado.</translation>
    </message>
    <message>
        <source>Or, in the liver, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation>O bien, en el hígado, la glucosa 6-fosfato se convierte en glucógeno; este paso consume UTP y da UDP + Pi.</translation>
    </message>
    <message>
        <source>The free glucose is carried in the blood to muscle, the yellow panel.</source>
        <translation>La glucosa libre viaja por la sangre hasta el músculo (el panel amarillo).</translation>
    </message>
    <message>
        <source>In muscle, glucose is made into glucose 6-phosphate; this step uses ATP and gives ADP.</source>
        <translation>En el músculo, la glucosa se convierte en glucosa 6-fosfato; este paso consume ATP y da ADP.</translation>
    </message>
    <message>
        <source>In muscle, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation>En el músculo, la glucosa 6-fosfato se convierte en glucógeno; este paso consume UTP y da UDP + Pi.</translation>
    </message>
    <message>
        <source>Complete oxidation of lactate through pyruvate, acetyl CoA and the citric acid cycle.</source>
        <translation>Oxidación completa del lactato a través del piruvato, el acetil-CoA y el ciclo del ácido cítrico.</translation>
    </message>
    <message>
        <source>Lactate is oxidised to pyruvate; this step uses NAD+ and gives NADH.</source>
        <translation>El lactato se oxida a piruvato; este paso consume NAD+ y da NADH.</translation>
    </message>
    <message>
        <source>Pyruvate is converted to acetyl CoA; this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation>El piruvato se convierte en acetil-CoA; este paso consume NAD+ y da NADH, y libera CO2.</translation>
    </message>
    <message>
        <source>Acetyl CoA (2 carbons) joins oxaloacetate (4 carbons) to make citrate (6 carbons); this step gives off CoASH.</source>
        <translation>El acetil-CoA (2 carbonos) se une al oxalacetato (4 carbonos) para formar citrato (6 carbonos); este paso libera CoASH.</translation>
    </message>
    <message>
        <source>Citrate is rearranged to isocitrate (6 carbons).</source>
        <translation>El citrato se isomeriza a isocitrato (6 carbonos).</translation>
    </message>
    <message>
        <source>Isocitrate is oxidised to alpha-ketoglutarate (5 carbons); this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation>El isocitrato se oxida a alfa-cetoglutarato (5 carbonos); este paso consume NAD+ y da NADH, y libera CO2.</translation>
    </message>
    <message>
        <source>Alpha-ketoglutarate is converted to succinyl CoA (4 carbons); this step uses CoASH and NAD+ and gives NADH, and gives off CO2.</source>
        <translation>El alfa-cetoglutarato se convierte en succinil-CoA (4 carbonos); este paso consume CoASH y NAD+ y da NADH, y libera CO2.</translation>
    </message>
    <message>
        <source>Succinyl CoA is converted to succinate (4 carbons); this step gives off CoASH, and uses GDP + Pi and gives GTP.</source>
        <translation>El succinil-CoA se convierte en succinato (4 carbonos); este paso libera CoASH, y consume GDP + Pi y da GTP.</translation>
    </message>
    <message>
        <source>Succinate is oxidised to fumarate (4 carbons); this step uses FAD and gives FADH2.</source>
        <translation>El succinato se oxida a fumarato (4 carbonos); este paso consume FAD y da FADH2.</translation>
    </message>
    <message>
        <source>Fumarate takes up H2O to make malate (4 carbons).</source>
        <translation>El fumarato capta H2O para formar malato (4 carbonos).</translation>
    </message>
    <message>
        <source>Malate is oxidised to oxaloacetate (4 carbons), which closes the cycle; this step uses NAD+ and gives NADH.</source>
        <translation>El malato se oxida a oxalacetato (4 carbonos), lo que cierra el ciclo; este paso consume NAD+ y da NADH.</translation>
    </message>
    <message>
        <source>Gluconeogenesis from lactate</source>
        <translation>Gluconeogénesis a partir de lactato</translation>
    </message>
    <message>
        <source>Pathway diagram: gluconeogenesis from lactate</source>
        <translation>Diagrama de la vía: gluconeogénesis a partir de lactato</translation>
    </message>
    <message>
        <source>Lactate oxidation and the citric acid cycle</source>
        <translation>Oxidación del lactato y ciclo del ácido cítrico</translation>
    </message>
    <message>
        <source>Pathway diagram: lactate oxidation and the citric acid cycle</source>
        <translation>Diagrama de la vía: oxidación del lactato y ciclo del ácido cítrico</translation>
    </message>
    <message>
        <source>Totals: making glucose from 2 x lactate uses %1 nucleoside triphosphates (%2 ATP and %3 GTP).</source>
        <extracomment>%1 nucleoside triphosphates in all: %2 ATP and %3 GTP.</extracomment>
        <translation>Totales: sintetizar glucosa a partir de 2 x lactato consume %1 nucleósidos trifosfato (%2 ATP y %3 GTP).</translation>
    </message>
    <message>
        <source>Making liver glycogen uses %1 (the %2 for glucose and %3 UTP in the liver).</source>
        <extracomment>%1 in all: the %2 for glucose and %3 UTP.</extracomment>
        <translation>Sintetizar glucógeno hepático consume %1 (los %2 de la glucosa y %3 UTP en el hígado).</translation>
    </message>
    <message>
        <source>Making muscle glycogen uses %1 (the %2 for glucose, %3 ATP and %4 UTP in muscle).</source>
        <extracomment>%1 in all: the %2 for glucose, %3 ATP and %4 UTP.</extracomment>
        <translation>Sintetizar glucógeno muscular consume %1 (los %2 de la glucosa, %3 ATP y %4 UTP en el músculo).</translation>
    </message>
    <message>
        <source>The box in the middle of the cycle gives the exchange rates: each NADH gives about %1 ATP, each FADH2 gives about %2 ATP.</source>
        <translation>El recuadro del centro del ciclo da las equivalencias: cada NADH da unos %1 ATP y cada FADH2, unos %2 ATP.</translation>
    </message>
    <message>
        <source>In total one lactate gives %1 NADH, %2 FADH2 and %3 GTP, which make %4 ATP.</source>
        <translation>En total, un lactato da %1 NADH, %2 FADH2 y %3 GTP, que equivalen a %4 ATP.</translation>
    </message>
    <message>
        <source>%1: gluconeogenesis from lactate</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: gluconeogénesis a partir de lactato</translation>
    </message>
    <message>
        <source>%1: lactate oxidation and the citric acid cycle</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: oxidación del lactato y ciclo del ácido cítrico</translation>
    </message>
</context>
<context>
    <name>PathwayWindow</name>
    <message>
        <source>Hide pathway</source>
        <translation>Ocultar diagrama</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The pane that holds the diagram&apos;s title.</extracomment>
        <translation>Título</translation>
    </message>
    <message>
        <source>%1. The diagram and its step-by-step description follow on Tab; Escape puts the window away.</source>
        <translation>%1. El diagrama y su descripción paso a paso siguen al pulsar Tab; Esc oculta la ventana.</translation>
    </message>
</context>
<context>
    <name>PracticeActions</name>
    <message>
        <source>Pr&amp;actice mode</source>
        <translation>Modo de &amp;práctica</translation>
    </message>
    <message>
        <source>Yo&amp;ur name…</source>
        <translation>Tu no&amp;mbre…</translation>
    </message>
    <message>
        <source>Export result &amp;slip…</source>
        <translation>Exportar &amp;hoja de resultados…</translation>
    </message>
    <message>
        <source>&amp;Hand in…</source>
        <extracomment>Gives the attempt&apos;s record to the teacher, into a folder the teacher reads.</extracomment>
        <translation>En&amp;tregar…</translation>
    </message>
    <message>
        <source>Show &amp;my records</source>
        <extracomment>Opens the folder of this computer&apos;s practice records in the file manager.</extracomment>
        <translation>Ver mis re&amp;gistros</translation>
    </message>
    <message>
        <source>Practice mode</source>
        <translation>Modo de práctica</translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at question %3. Continue where you stopped?</source>
        <translation>Empezaste a practicar el sujeto %1 el %2 y te detuviste en la pregunta %3. ¿Quieres continuar donde lo dejaste?</translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at answer %3. Continue where you stopped?</source>
        <translation>Empezaste a practicar el sujeto %1 el %2 y te detuviste en la respuesta %3. ¿Quieres continuar donde lo dejaste?</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Start &amp;again</source>
        <translation>&amp;Empezar de nuevo</translation>
    </message>
    <message>
        <source>Export result slip</source>
        <translation>Exportar hoja de resultados</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No result slip was written. %1</source>
        <translation>No se ha escrito ninguna hoja de resultados. %1</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>Your attempt is handed in to %1, the folder your school set, and again after every check.</source>
        <translation>Tu intento se entrega en %1, la carpeta que ha fijado tu centro, y se vuelve a entregar después de cada comprobación.</translation>
    </message>
    <message>
        <source>Hand in to a folder</source>
        <translation>Entregar en una carpeta</translation>
    </message>
    <message>
        <source>Show my records</source>
        <translation>Ver mis registros</translation>
    </message>
    <message>
        <source>Your practice records are in %1.</source>
        <extracomment>%1 is a folder; the file manager could not be started.</extracomment>
        <translation>Tus registros de práctica están en %1.</translation>
    </message>
    <message>
        <source>Your answers cannot be kept. %1 Practice goes on.</source>
        <extracomment>%1 says why, in a sentence of its own that names the record.</extracomment>
        <translation>Tus respuestas no se pueden guardar. %1 La práctica continúa.</translation>
    </message>
    <message>
        <source>Your attempt cannot be handed in. %1 It is kept on this computer, and handed in again at the next check.</source>
        <extracomment>%1 says why, in a sentence of its own that names the folder.</extracomment>
        <translation>No se puede entregar tu intento. %1 Se guarda en este ordenador y se volverá a entregar en la próxima comprobación.</translation>
    </message>
    <message>
        <source>Your attempt is handed in to %1, the folder set for this run, and again after every check.</source>
        <extracomment>%1 is a folder, given on the command line that started the program.</extracomment>
        <translation>Tu intento se entrega en %1, la carpeta fijada para esta ejecución, y se vuelve a entregar después de cada comprobación.</translation>
    </message>
</context>
<context>
    <name>RecordFolder</name>
    <message>
        <source>Cannot save the practice record %1: %2</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>No se puede guardar el registro de práctica %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The path is a folder, not a record.</source>
        <extracomment>Follows a sentence that names the path.</extracomment>
        <translation>La ruta es una carpeta, no un registro.</translation>
    </message>
    <message>
        <source>The path is not a regular file (it may be a FIFO, a socket or a device), so it was not opened.</source>
        <extracomment>Follows a sentence that names the path.</extracomment>
        <translation>La ruta no es un archivo normal (puede ser una tubería con nombre, un socket o un dispositivo), así que no se ha abierto.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <extracomment>Follows a sentence that names the file; %1 is the system&apos;s reason.</extracomment>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>%1 is passed over. %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why, in a sentence of its own such as &quot;The file is empty.&quot;</extracomment>
        <translation>Se omite %1. %2</translation>
    </message>
    <message>
        <source>Cannot save the practice record %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own.</extracomment>
        <translation>No se puede guardar el registro de práctica %1. %2</translation>
    </message>
</context>
<context>
    <name>RecordJson</name>
    <message>
        <source>In the record, &quot;%1&quot; is missing.</source>
        <translation>En el registro falta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is missing.</source>
        <translation>En la comprobación %2 falta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not text.</source>
        <translation>En el registro, &quot;%1&quot; no es texto.</translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is not text.</source>
        <translation>En la comprobación %2, &quot;%1&quot; no es texto.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation>En el registro, &quot;%1&quot; no es un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>In check %4, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation>En la comprobación %4, &quot;%1&quot; no es un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation>En el registro, &quot;%1&quot; es &quot;%2&quot;, que no es una fecha y hora.</translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation>En la comprobación %3, &quot;%1&quot; es &quot;%2&quot;, que no es una fecha y hora.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is longer than %2 characters.</source>
        <translation>En el registro, &quot;%1&quot; tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is longer than %2 characters.</source>
        <translation>En la comprobación %3, &quot;%1&quot; tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Check %1 is not an object.</source>
        <translation>La comprobación %1 no es un objeto.</translation>
    </message>
    <message>
        <source>In check %1, &quot;field&quot; is &quot;%2&quot;, which is not an answer field.</source>
        <translation>En la comprobación %1, &quot;field&quot; es &quot;%2&quot;, que no es un campo de respuesta.</translation>
    </message>
    <message>
        <source>In check %1, the field %2 is of question %3, not %4.</source>
        <translation>En la comprobación %1, el campo %2 es de la pregunta %3, no de la %4.</translation>
    </message>
    <message>
        <source>In check %1, &quot;value&quot; is not a finite number.</source>
        <translation>En la comprobación %1, &quot;value&quot; no es un número finito.</translation>
    </message>
    <message>
        <source>In check %1, &quot;verdict&quot; is not one of correct, slip, carriedForward, close or notYet.</source>
        <translation>En la comprobación %1, &quot;verdict&quot; no es ninguno de correct, slip, carriedForward, close o notYet.</translation>
    </message>
    <message>
        <source>In check %1, a value and a verdict go together, and one is missing.</source>
        <translation>En la comprobación %1, un valor y un veredicto van juntos, y falta uno de los dos.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <extracomment>Follows a sentence that names the file.</extracomment>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is cut short: its JSON ends unfinished (%1).</source>
        <extracomment>Follows a sentence that names the file; %1 is the JSON parser&apos;s own words.</extracomment>
        <translation>El archivo está truncado: su JSON termina incompleto (%1).</translation>
    </message>
    <message>
        <source>The file is not JSON: %1 at byte %2.</source>
        <translation>El archivo no es JSON: %1 en el byte %2.</translation>
    </message>
    <message>
        <source>The file is not a %1 practice record.</source>
        <extracomment>Follows a sentence that names the file. %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>El archivo no es un registro de práctica de %1.</translation>
    </message>
    <message>
        <source>The record has no version number.</source>
        <translation>El registro no tiene número de versión.</translation>
    </message>
    <message>
        <source>The record was written by a newer %1 (record version %2; this one reads version %3).</source>
        <extracomment>Follows a sentence that names the file. %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>El registro lo escribió una versión más reciente de %1 (versión de registro %2; esta versión lee la %3).</translation>
    </message>
    <message>
        <source>In the record, &quot;checks&quot; is not a list.</source>
        <translation>En el registro, &quot;checks&quot; no es una lista.</translation>
    </message>
    <message>
        <source>The record&apos;s code &quot;%1&quot; is not a subject code. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>El código &quot;%1&quot; del registro no es un código de sujeto. %2</translation>
    </message>
    <message>
        <source>The record has %1 checks, more than any attempt could (%2 at most).</source>
        <translation>El registro tiene %1 comprobaciones, más de las que podría tener cualquier intento (%2 como máximo).</translation>
    </message>
    <message>
        <source>The file is too large for a practice record: %1, where a record takes at most %2.</source>
        <extracomment>Follows a sentence that names the file; %1 and %2 are sizes, such as &quot;9.1 MB&quot;.</extracomment>
        <translation>El archivo es demasiado grande para ser un registro de práctica: ocupa %1, y un registro ocupa como máximo %2.</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; is not a number the judge can read.</source>
        <translation>La comprobación %1 dice &quot;%2&quot;, pero su entrada &quot;%3&quot; no es un número que el corrector pueda leer.</translation>
    </message>
    <message>
        <source>Check %1 holds no verdict, but its entry &quot;%2&quot; earns &quot;%3&quot;.</source>
        <translation>La comprobación %1 no tiene veredicto, pero su entrada &quot;%2&quot; merece &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; earns &quot;%4&quot;.</source>
        <translation>La comprobación %1 dice &quot;%2&quot;, pero su entrada &quot;%3&quot; merece &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Check %1 holds the value %2, but its entry &quot;%3&quot; reads %4.</source>
        <translation>La comprobación %1 tiene el valor %2, pero su entrada &quot;%3&quot; se lee como %4.</translation>
    </message>
    <message>
        <source>Check %1 was made after the attempt&apos;s last update.</source>
        <translation>La comprobación %1 se hizo después de la última actualización del intento.</translation>
    </message>
    <message>
        <source>Check %1 is of question %2, which was not posed at that point.</source>
        <translation>La comprobación %1 es de la pregunta %2, que aún no se había planteado en ese momento.</translation>
    </message>
    <message>
        <source>Check %1 was made before the check before it, or before the attempt started.</source>
        <translation>La comprobación %1 se hizo antes que la comprobación anterior, o antes de que empezara el intento.</translation>
    </message>
</context>
<context>
    <name>SaveGroup</name>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%2 is the reason, as the system gives it.</extracomment>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Cannot write %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own.</extracomment>
        <translation>No se puede escribir %1. %2</translation>
    </message>
</context>
<context>
    <name>Slip</name>
    <message>
        <source>Not yet: you multiplied the fall by the whole body weight, %1 kg; the lactate is spread through the extracellular fluid only, %2 % of body weight.</source>
        <translation>Aún no: has multiplicado el descenso por todo el peso corporal, %1 kg; el lactato se distribuye solo por el líquido extracelular, el %2 % del peso corporal.</translation>
    </message>
    <message>
        <source>Not yet: you took the fall from %1 mmol/L, the level before the race; the lactate metabolised is the fall over the 30 minutes after it, to %2 mmol/L.</source>
        <translation>Aún no: has tomado el descenso desde %1 mmol/L, el nivel antes de la carrera; el lactato metabolizado es el descenso durante los 30 minutos posteriores a ella, hasta %2 mmol/L.</translation>
    </message>
    <message>
        <source>Not yet: that is the fall in concentration, in mmol/L; multiply it by the volume of fluid the lactate is spread through.</source>
        <translation>Aún no: tu respuesta es el descenso de la concentración, en mmol/L; multiplícalo por el volumen de líquido por el que se distribuye el lactato.</translation>
    </message>
    <message>
        <source>Not yet: that is all the lactate there was just after the race, at %1 mmol/L; only the fall over the next 30 minutes has been metabolised.</source>
        <translation>Aún no: tu respuesta es todo el lactato que había justo después de la carrera, a %1 mmol/L; solo se ha metabolizado lo que ha descendido en los 30 minutos siguientes.</translation>
    </message>
    <message>
        <source>Not yet: the GTP is not counted: making phosphoenolpyruvate from oxaloacetate uses one GTP for each lactate.</source>
        <translation>Aún no: falta contar el GTP. Formar fosfoenolpiruvato a partir de oxalacetato consume un GTP por cada lactato.</translation>
    </message>
    <message>
        <source>Not yet: the UTP is not counted: adding glucose to glycogen uses one UTP to make UDP-glucose.</source>
        <translation>Aún no: falta contar el UTP. Añadir glucosa al glucógeno consume un UTP para formar UDP-glucosa.</translation>
    </message>
    <message>
        <source>Not yet: the muscle&apos;s own phosphorylation is not counted: muscle spends one ATP turning the glucose it takes up into glucose 6-phosphate.</source>
        <translation>Aún no: falta contar la fosforilación propia del músculo. El músculo gasta un ATP en convertir la glucosa que capta en glucosa 6-fosfato.</translation>
    </message>
    <message>
        <source>Not yet: that is the cost for one lactate; the question asks for 2 x lactate.</source>
        <translation>Aún no: tu respuesta es el coste para un solo lactato; la pregunta pide el coste para 2 x lactato.</translation>
    </message>
    <message>
        <source>Not yet: the NADH is not a cost here: oxidising the lactate to pyruvate provides it.</source>
        <translation>Aún no: aquí el NADH no es un coste, porque lo aporta la oxidación del lactato a piruvato.</translation>
    </message>
    <message>
        <source>Not yet: the %1 ATP are the cost for 2 lactate, and you took them for each lactate.</source>
        <translation>Aún no: los %1 ATP son el coste para 2 lactatos, y los has contado por cada lactato.</translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of glucose; this lactate becomes muscle glycogen.</source>
        <translation>Aún no: %1 ATP por cada 2 lactatos es el coste de la glucosa; este lactato se convierte en glucógeno muscular.</translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of liver glycogen; this lactate becomes muscle glycogen.</source>
        <translation>Aún no: %1 ATP por cada 2 lactatos es el coste del glucógeno hepático; este lactato se convierte en glucógeno muscular.</translation>
    </message>
    <message>
        <source>Not yet: that counts %1 ATP per NADH and %2 per FADH2, %3 per lactate; take %4 and %5, which give %6.</source>
        <translation>Aún no: has contado %1 ATP por NADH y %2 por FADH2, es decir, %3 por lactato; usa %4 y %5, que dan %6.</translation>
    </message>
    <message>
        <source>Not yet: the NADH from lactate to pyruvate is left out; it yields %1 ATP as well, %2 in all.</source>
        <translation>Aún no: falta el NADH del paso de lactato a piruvato; también rinde %1 ATP, %2 en total.</translation>
    </message>
    <message>
        <source>Not yet: that counts the citric acid cycle only; the NADH from lactate to pyruvate and from pyruvate to acetyl CoA yield %1 ATP each, %2 in all.</source>
        <translation>Aún no: has contado solo el ciclo del ácido cítrico; los NADH de lactato a piruvato y de piruvato a acetil-CoA rinden %1 ATP cada uno, %2 en total.</translation>
    </message>
    <message>
        <source>Not yet: you multiplied by the %1 ATP each lactate yields; the ATP needed is to be divided by it.</source>
        <translation>Aún no: has multiplicado por los %1 ATP que rinde cada lactato; hay que dividir entre ellos el ATP necesario.</translation>
    </message>
    <message>
        <source>Not yet: the mass is in mg: %1 mg is to be divided by 1000 before it is multiplied by %2 L per gram.</source>
        <translation>Aún no: la masa está en mg; hay que dividir los %1 mg entre 1000 antes de multiplicarlos por %2 L por gramo.</translation>
    </message>
    <message>
        <source>Not yet: the %1 L is for each gram, not each mmol: the molecular mass, %2, turns %3 mmol into mg.</source>
        <translation>Aún no: los %1 L son por gramo, no por mmol; la masa molecular, %2, convierte los %3 mmol en mg.</translation>
    </message>
    <message>
        <source>Not yet: that is the mass of lactate in grams; each gram consumes %1 L of oxygen.</source>
        <translation>Aún no: tu respuesta es la masa de lactato en gramos; cada gramo consume %1 L de oxígeno.</translation>
    </message>
    <message>
        <source>Not yet: that is a fraction; a percentage is 100 times it.</source>
        <translation>Aún no: tu respuesta es una fracción; el porcentaje es esa fracción multiplicada por 100.</translation>
    </message>
    <message>
        <source>Not yet: that is the extra oxygen as a share of all the oxygen used; the increase is measured against the usual %1 L per 30 minutes.</source>
        <translation>Aún no: has calculado el oxígeno adicional como fracción de todo el oxígeno consumido; el aumento se mide respecto a los %1 L habituales por 30 minutos.</translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of a whole day, %1 L; the question asks about 30 minutes, a day having %2 of them.</source>
        <translation>Aún no: has comparado con el oxígeno de un día entero, %1 L; la pregunta se refiere a 30 minutos, y un día tiene %2 medias horas.</translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of an hour, a day having %1 of them; the question asks about 30 minutes, a day having %2 of them.</source>
        <translation>Aún no: has comparado con el oxígeno de una hora, y un día tiene %1 horas; la pregunta se refiere a 30 minutos, y un día tiene %2 medias horas.</translation>
    </message>
</context>
<context>
    <name>Student</name>
    <message>
        <source>Type your name.</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>A name cannot hold control characters, such as a tab.</source>
        <translation>Un nombre no puede contener caracteres de control, como un tabulador.</translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation>Un nombre puede tener como máximo %1 caracteres; este tiene %2.</translation>
    </message>
    <message>
        <source>An ID number cannot hold control characters, such as a tab.</source>
        <translation>Un número de ID no puede contener caracteres de control, como un tabulador.</translation>
    </message>
    <message>
        <source>An ID number has at most %1 characters; this one has %2.</source>
        <translation>Un número de ID puede tener como máximo %1 caracteres; este tiene %2.</translation>
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
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your name goes into the record of each practice attempt and onto its result slip, so that your teacher knows whose it is.</source>
        <translation>Tu nombre se incluye en el registro de cada intento de práctica y en su hoja de resultados, para que tu docente sepa de quién es.</translation>
    </message>
    <message>
        <source>ID number, if your school gives one</source>
        <translation>Número de ID, si tu centro te da uno</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Where the dialog says what is wrong with what was typed.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;ID number (optional):</source>
        <extracomment>Moodle&apos;s word for the number a school&apos;s gradebook knows a student by.</extracomment>
        <translation>Número de &amp;ID (opcional):</translation>
    </message>
</context>
<context>
    <name>SubjectCode</name>
    <message>
        <source>The weight is missing.</source>
        <translation>Falta el peso.</translation>
    </message>
    <message>
        <source>Weight %1 has digits other than 0 to 9.</source>
        <translation>El peso %1 tiene cifras distintas de 0 a 9.</translation>
    </message>
    <message>
        <source>Weight %1 is not a number like %2.</source>
        <translation>El peso %1 no es un número como %2.</translation>
    </message>
    <message>
        <source>Weight %1 is not a whole number of kg.</source>
        <translation>El peso %1 no es un número entero de kg.</translation>
    </message>
    <message>
        <source>Weight %1 is out of range.</source>
        <translation>El peso %1 está fuera del intervalo admitido.</translation>
    </message>
    <message>
        <source>The lactate before the race is missing.</source>
        <translation>Falta el valor de lactato previo a la carrera.</translation>
    </message>
    <message>
        <source>Lactate before %1 has digits other than 0 to 9.</source>
        <translation>El lactato previo %1 tiene cifras distintas de 0 a 9.</translation>
    </message>
    <message>
        <source>Lactate before %1 is not a number like %2.</source>
        <translation>El lactato previo %1 no es un número como %2.</translation>
    </message>
    <message>
        <source>Lactate before %1 has more than one decimal.</source>
        <translation>El lactato previo %1 tiene más de un decimal.</translation>
    </message>
    <message>
        <source>Lactate before %1 is out of range.</source>
        <translation>El lactato previo %1 está fuera del intervalo admitido.</translation>
    </message>
    <message>
        <source>The lactate after the race is missing.</source>
        <translation>Falta el valor de lactato posterior a la carrera.</translation>
    </message>
    <message>
        <source>Lactate after %1 has digits other than 0 to 9.</source>
        <translation>El lactato posterior %1 tiene cifras distintas de 0 a 9.</translation>
    </message>
    <message>
        <source>Lactate after %1 is not a number like %2.</source>
        <translation>El lactato posterior %1 no es un número como %2.</translation>
    </message>
    <message>
        <source>Lactate after %1 has more than one decimal.</source>
        <translation>El lactato posterior %1 tiene más de un decimal.</translation>
    </message>
    <message>
        <source>Lactate after %1 is out of range.</source>
        <translation>El lactato posterior %1 está fuera del intervalo admitido.</translation>
    </message>
    <message>
        <source>%1 A code reads like %2: M or W, weight %3 to %4 kg, lactate before %5 to %6 and after %7 to %8 mmol/L.</source>
        <extracomment>%1 says what is wrong with the code as typed, in a sentence of its own.</extracomment>
        <translation>%1 Un código se escribe como %2: M (hombre) o W (mujer), peso de %3 a %4 kg, lactato previo de %5 a %6 y posterior de %7 a %8 mmol/L.</translation>
    </message>
    <message>
        <source>The code is empty.</source>
        <translation>El código está vacío.</translation>
    </message>
    <message>
        <source>The code is too long (%1 characters).</source>
        <translation>El código es demasiado largo (%1 caracteres).</translation>
    </message>
    <message>
        <source>The code starts with &quot;%1&quot;; it must start with M or W.</source>
        <translation>El código empieza por &quot;%1&quot;; debe empezar por M o W.</translation>
    </message>
    <message>
        <source>The code has &quot;%1&quot; where it needs a plain &quot;-&quot;.</source>
        <translation>El código tiene &quot;%1&quot; donde necesita un &quot;-&quot; simple.</translation>
    </message>
    <message>
        <source>The lactates before and after the race are missing.</source>
        <translation>Faltan los valores de lactato previo y posterior a la carrera.</translation>
    </message>
    <message>
        <source>The code has %1 parts joined by &quot;-&quot; instead of 3.</source>
        <translation>El código tiene %1 partes unidas por &quot;-&quot; en lugar de 3.</translation>
    </message>
    <message>
        <source>A class set holds 1 to %1 different subjects, not %2.</source>
        <translation>Un lote para la clase contiene de 1 a %1 sujetos distintos, no %2.</translation>
    </message>
    <message>
        <source>The subject code &quot;%1&quot; cannot be read. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>No se puede leer el código de sujeto &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>SubjectDialog</name>
    <message>
        <source>Subject from code</source>
        <translation>Sujeto a partir de código</translation>
    </message>
    <message>
        <source>&amp;Subject code, such as M72-0.8-12.4:</source>
        <translation>Código del &amp;sujeto, p. ej. M72-0.8-12.4:</translation>
    </message>
    <message>
        <source>Subject code</source>
        <translation>Código del sujeto</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Where the dialog says what is wrong with the code typed.</extracomment>
        <translation>Problema</translation>
    </message>
</context>
<context>
    <name>TeacherActions</name>
    <message>
        <source>&amp;New subject</source>
        <translation>&amp;Nuevo sujeto</translation>
    </message>
    <message>
        <source>Subject from &amp;code…</source>
        <translation>Sujeto a partir de &amp;código…</translation>
    </message>
    <message>
        <source>Cop&amp;y subject code</source>
        <translation>C&amp;opiar código del sujeto</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>&amp;Exportar PDF…</translation>
    </message>
    <message>
        <source>&amp;Worksheet</source>
        <translation>&amp;Hoja de ejercicios</translation>
    </message>
    <message>
        <source>Answer &amp;key</source>
        <translation>&amp;Solucionario</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Nothing was printed. %1</source>
        <translation>No se ha impreso nada. %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No PDF was written. %1</source>
        <translation>No se ha escrito ningún PDF. %1</translation>
    </message>
    <message>
        <source>For &amp;teachers…</source>
        <translation>Para &amp;docentes…</translation>
    </message>
    <message>
        <source>Which sheet for subject %1: the worksheet, to hand out, or the answer key?</source>
        <translation>¿Qué hoja quieres para el sujeto %1: la hoja de ejercicios, para repartir, o el solucionario?</translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>&amp;Class set</source>
        <translation>&amp;Lote para la clase</translation>
    </message>
    <message>
        <source>&amp;Handed in</source>
        <translation>&amp;Entregas</translation>
    </message>
    <message>
        <source>%1 for teachers</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>%1 para docentes</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct</source>
        <extracomment>A verdict on an answer: right.</extracomment>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Not yet</source>
        <extracomment>A verdict on an answer: not right yet, said kindly, for it invites another try.</extracomment>
        <translation>Aún no</translation>
    </message>
    <message>
        <source>Carried forward</source>
        <extracomment>A verdict on an answer: the method is right, and the difference comes from the student&apos;s own wrong answer to an earlier question.</extracomment>
        <translation>Error arrastrado</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A verdict on an answer: near it, but not within its tolerance; not the command that closes a window.</extracomment>
        <translation>Casi</translation>
    </message>
</context>
</TS>
