<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Announcer</name>
    <message>
        <source>Messages</source>
        <extracomment>What a screen reader calls the source of the window&apos;s spoken messages.</extracomment>
        <translation>Mensagens</translation>
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
        <translation>Ainda não: o líquido extracelular corresponde a %1% do peso corporal; acompanhe o lactato ao longo dos 30 minutos após a corrida.</translation>
    </message>
    <message>
        <source>Glucose from 2 x lactate</source>
        <translation>Glicose a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>glucose</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>glicose</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make glucose from 2 lactate.</source>
        <translation>Ainda não: conte todos os ATP, GTP e UTP usados para produzir glicose a partir de 2 lactatos.</translation>
    </message>
    <message>
        <source>Liver glycogen from 2 x lactate</source>
        <translation>Glicogênio hepático a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>liver glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>glicogênio hepático</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make liver glycogen from 2 lactate.</source>
        <translation>Ainda não: conte todos os ATP, GTP e UTP usados para produzir glicogênio hepático a partir de 2 lactatos.</translation>
    </message>
    <message>
        <source>Muscle glycogen from 2 x lactate</source>
        <translation>Glicogênio muscular a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>muscle glycogen</source>
        <extracomment>The part of question 2 that a line of the summary is about.</extracomment>
        <translation>glicogênio muscular</translation>
    </message>
    <message>
        <source>Not yet: count every ATP, GTP and UTP used to make muscle glycogen from 2 lactate.</source>
        <translation>Ainda não: conte todos os ATP, GTP e UTP usados para produzir glicogênio muscular a partir de 2 lactatos.</translation>
    </message>
    <message>
        <source>ATP required</source>
        <translation>ATP necessário</translation>
    </message>
    <message>
        <source>Not yet: all of the lactate metabolised is to become muscle glycogen.</source>
        <translation>Ainda não: todo o lactato metabolizado deve ser convertido em glicogênio muscular.</translation>
    </message>
    <message>
        <source>Lactate to be oxidised</source>
        <translation>Lactato a ser oxidado</translation>
    </message>
    <message>
        <source>Not yet: the lactate is oxidised all the way to carbon dioxide and water, through lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle.</source>
        <translation>Ainda não: o lactato é oxidado completamente até dióxido de carbono e água, pela lactato desidrogenase, pela piruvato desidrogenase e pelo ciclo do ácido cítrico.</translation>
    </message>
    <message>
        <source>Additional oxygen</source>
        <translation>Oxigênio adicional</translation>
    </message>
    <message>
        <source>Not yet: oxidation consumes %1 L of oxygen per gram of lactate, whose molecular mass is %2.</source>
        <translation>Ainda não: a oxidação consome %1 L de oxigênio por grama de lactato, cuja massa molecular é %2.</translation>
    </message>
    <message>
        <source>Increase in oxygen consumption</source>
        <translation>Aumento do consumo de oxigênio</translation>
    </message>
    <message>
        <source>Not yet: total energy expenditure is %1 MJ per day, and each litre of oxygen consumed yields %2 kJ.</source>
        <translation>Ainda não: o gasto energético total é de %1 MJ por dia, e cada litro de oxigênio consumido fornece %2 kJ.</translation>
    </message>
</context>
<context>
    <name>AnswerForm</name>
    <message>
        <source>Your answer to question %1</source>
        <translation>Sua resposta à questão %1</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>The button that has the answers typed judged: a command, not the noun.</extracomment>
        <translation>Verificar</translation>
    </message>
</context>
<context>
    <name>Attempt</name>
    <message>
        <source>The attempt has no start or update time.</source>
        <translation>A tentativa não tem hora de início nem de atualização.</translation>
    </message>
    <message>
        <source>The attempt&apos;s stage, %1, is not one of 0 to %2.</source>
        <translation>A etapa da tentativa, %1, não está entre 0 e %2.</translation>
    </message>
    <message>
        <source>The attempt has %1 checks, more than a record holds (%2).</source>
        <translation>A tentativa tem %1 verificações, mais do que um registro comporta (%2).</translation>
    </message>
    <message>
        <source>The student&apos;s name or ID number is longer than a record holds.</source>
        <translation>O nome ou o número de identificação do estudante é mais longo do que um registro comporta.</translation>
    </message>
    <message>
        <source>Check %1 of the attempt is not one a record holds.</source>
        <translation>A verificação %1 da tentativa não pode ser guardada em um registro.</translation>
    </message>
</context>
<context>
    <name>AttemptDialog</name>
    <message>
        <source>Started %1; read from %2.</source>
        <extracomment>%1 is a date and time, %2 the file the record was read from.</extracomment>
        <translation>Iniciada em %1; lida do arquivo %2.</translation>
    </message>
    <message>
        <source>The exercise was finished.</source>
        <translation>O exercício foi concluído.</translation>
    </message>
    <message>
        <source>The exercise was left at question %1.</source>
        <translation>O exercício foi interrompido na questão %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <extracomment>%n questions of %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>%n questão de %1 certa na primeira resposta.</numerusform>
            <numerusform>%n questões de %1 certas na primeira resposta.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record was edited. %1 The verdicts shown are the ones its entries earn.</source>
        <extracomment>%1 names the first check at fault, in a sentence of its own.</extracomment>
        <translation>O registro foi editado. %1 Os vereditos mostrados são os que seus valores digitados recebem.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>When a check was made.</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Questão</translation>
    </message>
    <message>
        <source>Entry</source>
        <extracomment>What the student typed, as typed.</extracomment>
        <translation>Valor digitado</translation>
    </message>
    <message>
        <source>Verdict</source>
        <extracomment>What the entry earns, as the judge gives it.</extracomment>
        <translation>Veredito</translation>
    </message>
    <message>
        <source>Edited</source>
        <extracomment>Why the record gives this check otherwise than the judge does.</extracomment>
        <translation>Editada</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Verificações</translation>
    </message>
    <message>
        <source>not a number</source>
        <extracomment>The verdict column of an entry the judge could not read as a number.</extracomment>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is the question&apos;s number, %2 its part: &quot;2, glucose&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Export result &amp;slip…</source>
        <translation>Exportar &amp;folha de resultados…</translation>
    </message>
    <message>
        <source>Export result slip</source>
        <translation>Exportar folha de resultados</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No result slip was written. %1</source>
        <translation>Nenhuma folha de resultados foi gravada. %1</translation>
    </message>
    <message>
        <source>%1&apos;s attempt at subject %2</source>
        <translation>Tentativa de %1, indivíduo %2</translation>
    </message>
    <message>
        <source>An attempt at subject %1, naming nobody</source>
        <translation>Tentativa sem nome de estudante, indivíduo %1</translation>
    </message>
</context>
<context>
    <name>AttemptSummary</name>
    <message>
        <source>%1: not checked</source>
        <translation>%1: não verificada</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4)</source>
        <extracomment>%1 names the question, %2 is the verdict&apos;s mark, %3 its words, %4 the entry.</extracomment>
        <translation>%1: %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4); last %5 %6 (%7)</source>
        <extracomment>The first verdict and entry of a question, then the last: %2 and %5 are marks.</extracomment>
        <translation>%1: %2 %3 (%4); última resposta: %5 %6 (%7)</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Questão %1</translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <extracomment>%2 is the part of the question: glucose, liver glycogen, muscle glycogen.</extracomment>
        <translation>Questão %1, %2</translation>
    </message>
    <message>
        <source>Answers of %1, the first try and the last:</source>
        <translation>Respostas de %1, a primeira e a última:</translation>
    </message>
    <message>
        <source>Your answers, the first try and the last:</source>
        <translation>Suas respostas, a primeira e a última:</translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 questions right at the first try.</source>
        <extracomment>%n questions of the %1 were right at the first try.</extracomment>
        <translation>
            <numerusform>Pontuação: %n questão de %1 certa na primeira resposta.</numerusform>
            <numerusform>Pontuação: %n questões de %1 certas na primeira resposta.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Each question at the first try and at the last</source>
        <translation>Cada questão na primeira resposta e na última</translation>
    </message>
    <message>
        <source>No attempts are read yet.</source>
        <translation>Nenhuma tentativa foi lida ainda.</translation>
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
        <translation>Certa na primeira resposta</translation>
    </message>
    <message>
        <source>Carried forward</source>
        <translation>Erro propagado</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The verdict: near the answer, but not within its tolerance.</extracomment>
        <translation>Quase</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Ainda não</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Não verificada</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) right at the first try</source>
        <extracomment>How many students of the class came to an outcome in one part of the exercise, as a screen reader says a bar of the class&apos;s chart.</extracomment>
        <translation>
            <numerusform>%n estudante acertou na primeira resposta</numerusform>
            <numerusform>%n estudantes acertaram na primeira resposta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) right at the last try</source>
        <translation>
            <numerusform>%n estudante acertou na última resposta</numerusform>
            <numerusform>%n estudantes acertaram na última resposta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) carried forward</source>
        <translation>
            <numerusform>%n estudante teve erro propagado</numerusform>
            <numerusform>%n estudantes tiveram erro propagado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) close</source>
        <extracomment>Close: near the answer, but not within its tolerance.</extracomment>
        <translation>
            <numerusform>%n estudante quase acertou</numerusform>
            <numerusform>%n estudantes quase acertaram</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) not yet right</source>
        <translation>
            <numerusform>%n estudante ainda não acertou</numerusform>
            <numerusform>%n estudantes ainda não acertaram</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n student(s). %2</source>
        <extracomment>%1 names the question; %n students met the slip; %2 is the slip&apos;s hint, a sentence of its own.</extracomment>
        <translation>
            <numerusform>%1: %n estudante. %2</numerusform>
            <numerusform>%1: %n estudantes. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Right at the last try</source>
        <translation>Certa na última resposta</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s) who did not check this answer</source>
        <translation>
            <numerusform>%n estudante não verificou esta resposta</numerusform>
            <numerusform>%n estudantes não verificaram esta resposta</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Known slips met, with how many students met each:</source>
        <translation>Erros típicos cometidos e quantos estudantes cometeram cada um:</translation>
    </message>
    <message>
        <source>No known slip was met.</source>
        <translation>Nenhum erro típico foi cometido.</translation>
    </message>
    <message>
        <source>Each question at the first try and at the last, students counted:</source>
        <translation>Cada questão na primeira resposta e na última, em número de estudantes:</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n estudante</numerusform>
            <numerusform>%n estudantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassSetPage</name>
    <message>
        <source>&amp;Random subjects, all different:</source>
        <translation>Indivíduos &amp;aleatórios, todos diferentes:</translation>
    </message>
    <message>
        <source>These subject &amp;codes:</source>
        <translation>Estes có&amp;digos de indivíduo:</translation>
    </message>
    <message>
        <source>&amp;Worksheets to:</source>
        <translation>&amp;Folhas de exercícios em:</translation>
    </message>
    <message>
        <source>Answer &amp;keys to:</source>
        <translation>&amp;Gabaritos em:</translation>
    </message>
    <message>
        <source>&amp;Write the class set</source>
        <translation>&amp;Salvar o conjunto da turma</translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation>Número de indivíduos</translation>
    </message>
    <message>
        <source>Subject codes, one a line</source>
        <translation>Códigos de indivíduo, um por linha</translation>
    </message>
    <message>
        <source>Worksheets file</source>
        <translation>Arquivo das folhas de exercícios</translation>
    </message>
    <message>
        <source>Answer keys file</source>
        <translation>Arquivo dos gabaritos</translation>
    </message>
    <message>
        <source>Subjects</source>
        <extracomment>The invented people the worksheets are about, one for each student.</extracomment>
        <translation>Indivíduos</translation>
    </message>
    <message>
        <source>Sheets</source>
        <extracomment>The sheets of paper to write: worksheets and answer keys.</extracomment>
        <translation>Folhas</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Folhas de exercícios</translation>
    </message>
    <message>
        <source>Answer keys</source>
        <translation>Gabaritos</translation>
    </message>
    <message>
        <source>Each subject starts on a page of its own, headed by its code, so that each student&apos;s pages can be handed out alone. Both files are written in full before either replaces anything.</source>
        <translation>Cada indivíduo começa em uma página própria, encabeçada pelo seu código, para que as páginas de cada estudante possam ser distribuídas separadamente. Os dois arquivos são gravados por completo antes que qualquer um deles substitua um arquivo existente.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Type the subject codes, one a line, or choose random subjects.</source>
        <translation>Digite os códigos de indivíduo, um por linha, ou escolha indivíduos aleatórios.</translation>
    </message>
    <message>
        <source>Choose where to save the worksheets.</source>
        <translation>Escolha onde salvar as folhas de exercícios.</translation>
    </message>
    <message>
        <source>Choose where to save the answer keys.</source>
        <translation>Escolha onde salvar os gabaritos.</translation>
    </message>
    <message>
        <source>Choose the worksheets, the answer keys or both.</source>
        <translation>Escolha as folhas de exercícios, os gabaritos ou ambos.</translation>
    </message>
    <message>
        <source>The worksheets and the answer keys need files of their own.</source>
        <translation>As folhas de exercícios e os gabaritos precisam de arquivos separados.</translation>
    </message>
    <message>
        <source>Writing the class set…</source>
        <translation>Gravando o conjunto da turma…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Conjunto da turma</translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): the worksheets to %1 and the answer keys to %2.</source>
        <translation>
            <numerusform>Conjunto gravado para %n indivíduo: as folhas de exercícios em %1 e os gabaritos em %2.</numerusform>
            <numerusform>Conjunto gravado para %n indivíduos: as folhas de exercícios em %1 e os gabaritos em %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Written for %n subject(s): %1.</source>
        <translation>
            <numerusform>Conjunto gravado para %n indivíduo: %1.</numerusform>
            <numerusform>Conjunto gravado para %n indivíduos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written, and what stood at those places is as it was.</source>
        <translation>Cancelado: nada foi gravado, e o que havia nesses locais continua como estava.</translation>
    </message>
    <message>
        <source>Choose the file for the worksheets</source>
        <translation>Escolher o arquivo das folhas de exercícios</translation>
    </message>
    <message>
        <source>Choose the file for the answer keys</source>
        <translation>Escolher o arquivo dos gabaritos</translation>
    </message>
</context>
<context>
    <name>ClassTable</name>
    <message>
        <source>yes</source>
        <extracomment>A cell of the class&apos;s table: whether the attempt was finished, edited or counted.</extracomment>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 questions right at the first try.</source>
        <translation>
            <numerusform>%n questão de %1 certa na primeira resposta.</numerusform>
            <numerusform>%n questões de %1 certas na primeira resposta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known slips met in %n question(s): %1.</source>
        <extracomment>%n questions, listed in %1: &quot;2 and 5&quot;.</extracomment>
        <translation>
            <numerusform>Erros típicos cometidos em %n questão: %1.</numerusform>
            <numerusform>Erros típicos cometidos em %n questões: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The student&apos;s name.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>nobody named</source>
        <extracomment>The name column of an attempt whose record names nobody.</extracomment>
        <translation>sem nome</translation>
    </message>
    <message>
        <source>ID number</source>
        <extracomment>Moodle&apos;s word for the number a school knows a student by.</extracomment>
        <translation>Nº de identificação</translation>
    </message>
    <message>
        <source>Code</source>
        <extracomment>The subject&apos;s code, such as M72-0.8-12.4.</extracomment>
        <translation>Código</translation>
    </message>
    <message>
        <source>Started</source>
        <extracomment>When the student started the attempt: a date and time.</extracomment>
        <translation>Início</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Questions right at the first try, &quot;4 of 6&quot;.</extracomment>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 questions right at the first try of %2.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Whether the student finished the attempt: yes or no.</extracomment>
        <translation>Concluída</translation>
    </message>
    <message>
        <source>Edited</source>
        <extracomment>Whether the record was changed by hand: yes or no.</extracomment>
        <translation>Editada</translation>
    </message>
    <message>
        <source>Counted</source>
        <extracomment>Whether this attempt is the one that counts for its student: yes or no.</extracomment>
        <translation>Contada</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 %2: worked exercise on lactate clearance and oxygen debt after a sprint.
Without options it opens the exercise for a new, random subject.
Paper is A4, or Letter where the locale measures in US units.</source>
        <translation>%1 %2: exercício resolvido sobre a depuração do lactato e o débito de oxigênio após uma corrida de velocidade.
Sem opções, abre o exercício para um indivíduo novo, aleatório.
O papel é A4, ou Carta onde as configurações regionais usam unidades dos EUA.</translation>
    </message>
    <message>
        <source>Displays help on command-line options.</source>
        <translation>Exibe a ajuda sobre as opções de linha de comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Exibe informações sobre a versão.</translation>
    </message>
    <message>
        <source>Starts with the subject of &lt;code&gt;, such as M72-0.8-12.4, instead of a random one. With --worksheet or --key it may be given several times, one subject each.</source>
        <translation>Começa com o indivíduo de &lt;code&gt;, como M72-0.8-12.4, em vez de um aleatório. Com --worksheet ou --key, pode ser indicado várias vezes, um indivíduo por vez.</translation>
    </message>
    <message>
        <source>Starts in practice mode, in which the student types the answers and has them checked.</source>
        <translation>Começa no modo de prática, no qual o estudante digita as respostas e as submete à verificação.</translation>
    </message>
    <message>
        <source>Practises as the student &lt;name&gt;, for this run, instead of the name this computer remembers or asks for.</source>
        <translation>Pratica como o estudante &lt;name&gt;, nesta execução, em vez do nome que este computador guarda ou pede.</translation>
    </message>
    <message>
        <source>With --student: the student&apos;s &lt;id&gt; number, as the school&apos;s gradebook knows it.</source>
        <translation>Com --student: o número &lt;id&gt; do estudante, como consta no livro de notas da escola.</translation>
    </message>
    <message>
        <source>Writes the worksheet, the problem and the six questions with room to work under each, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Grava a folha de exercícios, o problema e as seis questões com espaço para os cálculos abaixo de cada uma, como PDF em &lt;file&gt;, e sai sem abrir janela.</translation>
    </message>
    <message>
        <source>Writes the answer key, each question with its worked answer and both pathway diagrams, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Grava o gabarito, cada questão com sua resolução e os dois diagramas das vias, como PDF em &lt;file&gt;, e sai sem abrir janela.</translation>
    </message>
    <message>
        <source>With --worksheet or --key: a class set of &lt;n&gt; different random subjects, 1 to %1, each on pages of its own headed by its code.</source>
        <translation>Com --worksheet ou --key: um conjunto da turma com &lt;n&gt; indivíduos aleatórios diferentes, de 1 a %1, cada um em páginas próprias encabeçadas pelo seu código.</translation>
    </message>
    <message>
        <source>With --collate: the CSV &lt;file&gt; to write, a line for each attempt: the student&apos;s name and ID number, the subject code, when the attempt started, each question&apos;s first and last verdicts, the score and whether it was finished, edited and counted.</source>
        <translation>Com --collate: o &lt;file&gt; CSV a gravar, uma linha por tentativa: o nome e o número de identificação do estudante, o código do indivíduo, quando a tentativa começou, o primeiro e o último veredito de cada questão, a pontuação e se a tentativa foi concluída, editada e contada.</translation>
    </message>
    <message>
        <source>With --collate: the class report, as PDF to &lt;file&gt;: for each question how many students were right at the first try and at the last, the known slips met, and a table of the students.</source>
        <translation>Com --collate: o relatório da turma, como PDF em &lt;file&gt;: para cada questão, quantos estudantes acertaram na primeira resposta e na última, os erros típicos cometidos e uma tabela dos estudantes.</translation>
    </message>
    <message>
        <source>Speaks the language of &lt;code&gt;, one of %1, instead of the desktop&apos;s: pt or pt_BR for Brazilian Portuguese.</source>
        <translation>Usa o idioma de &lt;code&gt;, um de %1, em vez do idioma da área de trabalho: pt ou pt_BR para português do Brasil.</translation>
    </message>
    <message>
        <source>Writes the result slip of the practice record of --record, its entries, verdicts and score on one page, as PDF to &lt;file&gt;, and exits without opening a window.</source>
        <translation>Grava a folha de resultados do registro de prática de --record, com seus valores digitados, vereditos e pontuação em uma página, como PDF em &lt;file&gt;, e sai sem abrir janela.</translation>
    </message>
    <message>
        <source>With --result-slip: the practice record &lt;file&gt; to read.</source>
        <translation>Com --result-slip: o &lt;file&gt; do registro de prática a ler.</translation>
    </message>
    <message>
        <source>With --collate or --teacher: practice records (.json), or folders of them.</source>
        <translation>Com --collate ou --teacher: registros de prática (.json), ou pastas deles.</translation>
    </message>
    <message>
        <source>--collate reads practice records; it does not go with --%1.</source>
        <translation>--collate lê registros de prática; não combina com --%1.</translation>
    </message>
    <message>
        <source>--collate needs practice records to read: files, or folders of them.</source>
        <translation>--collate precisa de registros de prática para ler: arquivos, ou pastas deles.</translation>
    </message>
    <message>
        <source>--result-slip writes the slip of one practice record; it does not go with --%1.</source>
        <translation>--result-slip grava a folha de resultados de um registro de prática; não combina com --%1.</translation>
    </message>
    <message>
        <source>--record is read for --result-slip; give --result-slip and its file.</source>
        <translation>--record é lido para --result-slip; indique --result-slip e seu arquivo.</translation>
    </message>
    <message>
        <source>--result-slip needs the practice record to read; give --record.</source>
        <translation>--result-slip precisa do registro de prática a ler; indique --record.</translation>
    </message>
    <message>
        <source>--result-slip names the record itself, %1; write the slip to a file of its own.</source>
        <translation>--result-slip indica o próprio registro, %1; grave a folha de resultados em um arquivo próprio.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 foi indicado mais de uma vez.</translation>
    </message>
    <message>
        <source>--csv is the table of --collate; give --collate and the records too.</source>
        <translation>--csv é a tabela de --collate; indique também --collate e os registros.</translation>
    </message>
    <message>
        <source>--report is the report of --collate; give --collate and the records too.</source>
        <translation>--report é o relatório de --collate; indique também --collate e os registros.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;; only --collate and --teacher take files without an option.</source>
        <translation>Argumento inesperado &apos;%1&apos;; só --collate e --teacher aceitam arquivos sem opção.</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 precisa de um valor.</translation>
    </message>
    <message>
        <source>--teacher opens the teacher&apos;s window; it does not go with --%1.</source>
        <translation>--teacher abre a janela do professor; não combina com --%1.</translation>
    </message>
    <message>
        <source>--student-id goes with --student and the student&apos;s name.</source>
        <translation>--student-id acompanha --student e o nome do estudante.</translation>
    </message>
    <message>
        <source>--student names who practises in the window; it does not go with --worksheet or --key.</source>
        <translation>--student indica quem pratica na janela; não combina com --worksheet nem com --key.</translation>
    </message>
    <message>
        <source>--count makes a class set on paper; give --worksheet or --key.</source>
        <translation>--count gera um conjunto da turma em papel; indique --worksheet ou --key.</translation>
    </message>
    <message>
        <source>The window shows one subject; give --subject once, or several with --worksheet or --key.</source>
        <translation>A janela mostra um só indivíduo; indique --subject uma vez, ou várias vezes com --worksheet ou --key.</translation>
    </message>
    <message>
        <source>--practice is for the window; it does not go with --worksheet or --key.</source>
        <translation>--practice é para a janela; não combina com --worksheet nem com --key.</translation>
    </message>
    <message>
        <source>--worksheet and --key name the same file, %1.</source>
        <translation>--worksheet e --key indicam o mesmo arquivo, %1.</translation>
    </message>
    <message>
        <source>--count draws random subjects and --subject names them; give one or the other.</source>
        <translation>--count sorteia indivíduos e --subject os indica; use um ou outro.</translation>
    </message>
    <message>
        <source>--count takes a whole number of subjects, 1 to %1, not &quot;%2&quot;.</source>
        <translation>--count aceita um número inteiro de indivíduos, de 1 a %1, não &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Experimente &apos;%1 --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>Cannot read the subject code &quot;%1&quot;. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>Não é possível ler o código de indivíduo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The name given with --student cannot be taken. %1</source>
        <extracomment>%1 says what is wrong with the name, in a sentence of its own.</extracomment>
        <translation>O nome indicado com --student não pode ser aceito. %1</translation>
    </message>
    <message>
        <source>The ID number given with --student-id cannot be taken. %1</source>
        <extracomment>%1 says what is wrong with the ID number, in a sentence of its own.</extracomment>
        <translation>O número de identificação indicado com --student-id não pode ser aceito. %1</translation>
    </message>
    <message>
        <source>Reads the practice records given as arguments, files or folders of them, judges each check again from its entry, and writes the table of --csv, the gradebook file of --gradebook, the report of --report, or several of them. A record that cannot be read, or was edited, is named. Exits without opening a window.</source>
        <translation>Lê os registros de prática dados como argumentos, arquivos ou pastas deles, julga de novo cada verificação a partir do valor digitado e grava a tabela de --csv, o arquivo para o livro de notas de --gradebook, o relatório de --report, ou mais de um deles. Um registro que não pode ser lido, ou que foi editado, é indicado. Sai sem abrir janela.</translation>
    </message>
    <message>
        <source>Hands practice attempts in to the folder &lt;dir&gt; for this run, whatever this computer&apos;s settings say: each attempt&apos;s record is kept there too, after every check.</source>
        <translation>Entrega as tentativas de prática na pasta &lt;dir&gt; nesta execução, quaisquer que sejam as configurações deste computador: o registro de cada tentativa também é guardado lá, após cada verificação.</translation>
    </message>
    <message>
        <source>With --teacher: watches the folder &lt;dir&gt; that students hand in to, and shows each record as it arrives or changes.</source>
        <translation>Com --teacher: monitora a pasta &lt;dir&gt; em que os estudantes fazem as entregas e mostra cada registro assim que ele chega ou muda.</translation>
    </message>
    <message>
        <source>Opens %1 for teachers, for class sets and the records handed in, with the records given as arguments, files or folders of them.</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Abre o %1 para professores, para conjuntos da turma e os registros entregues, com os registros dados como argumentos, arquivos ou pastas deles.</translation>
    </message>
    <message>
        <source>--collate writes the class&apos;s table, a file for the gradebook, a report, or more than one of them; give --csv, --gradebook, --report or several, each with its file.</source>
        <translation>--collate grava a tabela da turma, um arquivo para o livro de notas, um relatório, ou mais de um deles; indique --csv, --gradebook, --report ou mais de um, cada um com seu arquivo.</translation>
    </message>
    <message>
        <source>--%1 and --%2 name the same file, %3.</source>
        <translation>--%1 e --%2 indicam o mesmo arquivo, %3.</translation>
    </message>
    <message>
        <source>--gradebook is the gradebook file of --collate; give --collate and the records too.</source>
        <translation>--gradebook é o arquivo para o livro de notas de --collate; indique também --collate e os registros.</translation>
    </message>
    <message>
        <source>--watch is for the teacher&apos;s window; give --teacher too.</source>
        <translation>--watch é para a janela do professor; indique também --teacher.</translation>
    </message>
    <message>
        <source>--%1 names %2, which is not a folder.</source>
        <translation>--%1 indica %2, que não é uma pasta.</translation>
    </message>
    <message>
        <source>--hand-in is for practice in the window; it does not go with --worksheet or --key.</source>
        <translation>--hand-in é para a prática na janela; não combina com --worksheet nem com --key.</translation>
    </message>
    <message>
        <source>%1: the window cannot open, as there is no display to show it on. --worksheet and --key write their PDF files without one.</source>
        <extracomment>%1 is the program&apos;s name, as the command line starts it.</extracomment>
        <translation>%1: a janela não pode ser aberta, pois não há tela para exibi-la. --worksheet e --key gravam seus arquivos PDF mesmo sem tela.</translation>
    </message>
    <message>
        <source>With --collate: the CSV &lt;file&gt; to import into the gradebook, a line for each student: the ID number, the name, the score of the attempt that counts and a short feedback. A student whom the gradebook could not find by the ID number (none given, one given to two students, or one that a spreadsheet would read as a formula) is left out, and named.</source>
        <translation>Com --collate: o arquivo CSV &lt;file&gt; a ser importado no livro de notas, com uma linha por estudante: o número de identificação, o nome, a pontuação da tentativa que conta e um breve feedback. Um estudante que o livro de notas não conseguiria encontrar pelo número de identificação (nenhum número informado, um mesmo número informado por dois estudantes ou um número que uma planilha leria como fórmula) fica de fora e é indicado.</translation>
    </message>
    <message>
        <source>--%1 names a practice record, %2; give it a file of its own to write.</source>
        <translation>--%1 indica um registro de prática, %2; dê a essa opção um arquivo próprio para gravar.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>glucose</source>
        <extracomment>The name of a compound as a label of a pathway diagram: short, as it has little room.</extracomment>
        <translation>glicose</translation>
    </message>
    <message>
        <source>glucose 6-phosphate</source>
        <translation>glicose-6-fosfato</translation>
    </message>
    <message>
        <source>glycogen</source>
        <translation>glicogênio</translation>
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
        <translation>oxaloacetato</translation>
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
        <translation>Nada foi digitado aqui.</translation>
    </message>
    <message>
        <source>This is too long for one number (%1 characters).</source>
        <translation>Isto é longo demais para um número (%1 caracteres).</translation>
    </message>
    <message>
        <source>%1 has digits other than 0 to 9.</source>
        <translation>%1 tem dígitos que não são de 0 a 9.</translation>
    </message>
    <message>
        <source>%1 is not a number; type it in digits, like 12.5.</source>
        <translation>%1 não é um número; digite-o em algarismos, como 12,5.</translation>
    </message>
    <message>
        <source>%1 is written with an exponent; type the number in full.</source>
        <translation>%1 está escrito com expoente; digite o número completo.</translation>
    </message>
    <message>
        <source>%1 is not a number; type digits and at most one decimal point or comma.</source>
        <translation>%1 não é um número; digite algarismos e no máximo uma vírgula ou um ponto decimal.</translation>
    </message>
    <message>
        <source>%1 holds more than one number; type one.</source>
        <translation>%1 contém mais de um número; digite só um.</translation>
    </message>
    <message>
        <source>%1 has a blank inside; type one number, without thousands separators.</source>
        <translation>%1 tem um espaço no meio; digite um único número, sem separadores de milhar.</translation>
    </message>
    <message>
        <source>%1 has more than one point or comma; type it without thousands separators, with one decimal point or comma.</source>
        <translation>%1 tem mais de um ponto ou vírgula; digite-o sem separadores de milhar, com uma única vírgula ou ponto decimal.</translation>
    </message>
    <message>
        <source>The comma in %1 could be a thousands separator or a decimal comma; type the number without it, or with a decimal point.</source>
        <translation>A vírgula em %1 pode ser um separador de milhar ou uma vírgula decimal; digite o número sem ela, ou com ponto decimal.</translation>
    </message>
    <message>
        <source>%1 is far too large for this answer; check the digits.</source>
        <translation>%1 é grande demais para esta resposta; confira os algarismos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a unit of this answer, which takes %2, or no unit.</source>
        <translation>&quot;%1&quot; não é uma unidade desta resposta, que aceita %2 ou nenhuma unidade.</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>You are considering a man who weighs %1 kg. He  has just completed a 100 m sprint.</source>
        <extracomment>%1 is the subject&apos;s weight. The doubled blank is the English exercise&apos;s own.</extracomment>
        <translation>Considere um homem que pesa %1 kg. Ele acabou de completar uma corrida de 100 m rasos.</translation>
    </message>
    <message>
        <source>You are considering a woman who weighs %1 kg. She  has just completed a 100 m sprint.</source>
        <translation>Considere uma mulher que pesa %1 kg. Ela acabou de completar uma corrida de 100 m rasos.</translation>
    </message>
    <message>
        <source>Before the race his plasma lactate was %1 mmol /L</source>
        <translation>Antes da corrida, o lactato plasmático dele era de %1 mmol/L</translation>
    </message>
    <message>
        <source>Before the race her plasma lactate was %1 mmol /L</source>
        <translation>Antes da corrida, o lactato plasmático dela era de %1 mmol/L</translation>
    </message>
    <message>
        <source>Immediately after the race  his  plasma lactate was %1 mmol /L</source>
        <extracomment>The doubled blanks are the English exercise&apos;s own.</extracomment>
        <translation>Imediatamente após a corrida, o lactato plasmático dele era de %1 mmol/L</translation>
    </message>
    <message>
        <source>Immediately after the race  her  plasma lactate was %1 mmol /L</source>
        <translation>Imediatamente após a corrida, o lactato plasmático dela era de %1 mmol/L</translation>
    </message>
    <message>
        <source>30 minutes later  his  plasma lactate was %1 mmol /L</source>
        <extracomment>The doubled blanks are the English exercise&apos;s own.</extracomment>
        <translation>30 minutos depois, o lactato plasmático dele era de %1 mmol/L</translation>
    </message>
    <message>
        <source>30 minutes later  her  plasma lactate was %1 mmol /L</source>
        <translation>30 minutos depois, o lactato plasmático dela era de %1 mmol/L</translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that he has metabolised in 30 minutes?</source>
        <extracomment>%1 is a percentage.</extracomment>
        <translation>Considerando que o líquido extracelular corresponde a %1% do peso corporal,
qual é a quantidade total de lactato que ele metabolizou em 30 minutos?</translation>
    </message>
    <message>
        <source>Assuming that extracellular fluid is %1% of body weight,
what is the total amount of lactate that she has metabolised in 30 minutes?</source>
        <translation>Considerando que o líquido extracelular corresponde a %1% do peso corporal,
qual é a quantidade total de lactato que ela metabolizou em 30 minutos?</translation>
    </message>
    <message>
        <source>Extracellular fluid = %1 x %2 = %3 L   (You can assume that 1 kg of ecf = 1 L)</source>
        <extracomment>%1 is the share of body weight, %2 the weight, %3 the volume of extracellular fluid.</extracomment>
        <translation>Líquido extracelular = %1 x %2 = %3 L   (Considere que 1 kg de LEC = 1 L)</translation>
    </message>
    <message>
        <source>Over 30 min his plasma lactate falls by %1 mmol/L</source>
        <translation>Em 30 min, o lactato plasmático dele cai %1 mmol/L</translation>
    </message>
    <message>
        <source>Over 30 min her plasma lactate falls by %1 mmol/L</source>
        <translation>Em 30 min, o lactato plasmático dela cai %1 mmol/L</translation>
    </message>
    <message>
        <source>Total lactate metabolised = %1 x %2 = %3 mmol</source>
        <translation>Lactato total metabolizado = %1 x %2 = %3 mmol</translation>
    </message>
    <message>
        <source>Most of this lactate will be taken up by the liver and used for gluconeogenesis.</source>
        <translation>A maior parte desse lactato será captada pelo fígado e usada na gliconeogênese.</translation>
    </message>
    <message>
        <source>Some will be used for synthesis of liver glycogen, but most will be released from the liver as glucose
and used for glycogen synthesis in muscle.</source>
        <translation>Uma parte será usada na síntese de glicogênio hepático, mas a maior parte será liberada
pelo fígado como glicose e usada na síntese de glicogênio no músculo.</translation>
    </message>
    <message>
        <source>What is the total cost in ATP (summing ATP, GTP and UTP) for synthesis of:</source>
        <translation>Qual é o custo total em ATP (somando ATP, GTP e UTP) da síntese de:</translation>
    </message>
    <message>
        <source>glucose from 2 x lactate</source>
        <extracomment>The three products of question 2, each a line of their own under the question.</extracomment>
        <translation>glicose a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>liver glycogen from 2 x lactate</source>
        <translation>glicogênio hepático a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>muscle glycogen from 2 x lactate</source>
        <translation>glicogênio muscular a partir de 2 x lactato</translation>
    </message>
    <message>
        <source>Synthesis of glucose from 2 x lactate uses %1 x ATP</source>
        <translation>A síntese de glicose a partir de 2 x lactato usa %1 x ATP</translation>
    </message>
    <message>
        <source>Synthesis of liver glycogen from 2 x lactate uses %1 x ATP</source>
        <translation>A síntese de glicogênio hepático a partir de 2 x lactato usa %1 x ATP</translation>
    </message>
    <message>
        <source>Synthesis of muscle glycogen from 2 x lactate uses %1 x ATP</source>
        <translation>A síntese de glicogênio muscular a partir de 2 x lactato usa %1 x ATP</translation>
    </message>
    <message>
        <source>Although gluconogenesis from pyruvate requires NADH, this is provided by the oxidation of lactate to pyruvate.</source>
        <extracomment>&quot;gluconogenesis&quot; is the English exercise&apos;s own slip for gluconeogenesis: write the word correctly. The NADH that gluconeogenesis uses is supplied by the oxidation of lactate.</extracomment>
        <translation>Embora a gliconeogênese a partir do piruvato exija NADH, este é fornecido pela oxidação do lactato a piruvato.</translation>
    </message>
    <message>
        <source>How much ATP would be required to convert all of the lactate that has been metabolised to muscle glycogen?</source>
        <translation>Quanto ATP seria necessário para converter em glicogênio muscular todo o lactato que foi metabolizado?</translation>
    </message>
    <message>
        <source>%1 mmol of lactate has been metabolised; this will require (%2 / 2 x %3 ) = %4 mmol ATP</source>
        <extracomment>%1 and %2 are the lactate metabolised, %3 the ATP for 2 lactate, %4 the ATP required.</extracomment>
        <translation>%1 mmol de lactato foram metabolizados; isso exigirá (%2 / 2 x %3) = %4 mmol de ATP</translation>
    </message>
    <message>
        <source> How much lactate must undergo total oxidation to carbon dioxide and water
(via lactate dehydrogenase, pyruvate dehydrogenase and the citric acid cycle) to provide this ATP?</source>
        <extracomment>The leading blank is the English exercise&apos;s own.</extracomment>
        <translation>Quanto lactato precisa sofrer oxidação total a dióxido de carbono e água
(via lactato desidrogenase, piruvato desidrogenase e ciclo do ácido cítrico) para fornecer esse ATP?</translation>
    </message>
    <message>
        <source>1 mol of lactate oxidised to pyruvate yields %1 x NADH =~%2 ATP</source>
        <extracomment>%1 NADH, each worth about %2 ATP.</extracomment>
        <translation>1 mol de lactato oxidado a piruvato produz %1 x NADH =~%2 ATP</translation>
    </message>
    <message>
        <source>1 mol of pyruvate oxidised to acetyl CoA yields %1 x NADH =~%2 ATP</source>
        <translation>1 mol de piruvato oxidado a acetil-CoA produz %1 x NADH =~%2 ATP</translation>
    </message>
    <message>
        <source>1 mol of acetate oxidised in the citric acid cycle yields:</source>
        <translation>1 mol de acetato oxidado no ciclo do ácido cítrico produz:</translation>
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
        <translation>Total de %1 ATP produzidos por lactato oxidado; ele precisa de %2 mmol de ATP,
portanto ele deve oxidar %3/%4 = %5 mmol de lactato.</translation>
    </message>
    <message>
        <source>Total %1 ATP produced per lactate oxidised; she needs %2mmol ATP
therefore she must oxidise %3/%4 = %5 mmol lactate.</source>
        <translation>Total de %1 ATP produzidos por lactato oxidado; ela precisa de %2 mmol de ATP,
portanto ela deve oxidar %3/%4 = %5 mmol de lactato.</translation>
    </message>
    <message>
        <source>The oxidation of lactate, like that of glucose, consumes %1 L of oxygen per gram.</source>
        <translation>A oxidação do lactato, assim como a da glicose, consome %1 L de oxigênio por grama.</translation>
    </message>
    <message>
        <source>The molecular mass of lactate is %1.</source>
        <translation>A massa molecular do lactato é %1.</translation>
    </message>
    <message>
        <source>What is his additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation>Qual é o consumo adicional de oxigênio dele (em L) nos 30 minutos após o fim da corrida?</translation>
    </message>
    <message>
        <source>What is her additional oxygen consumption (in L) over the 30 minutes after the end of the race?</source>
        <translation>Qual é o consumo adicional de oxigênio dela (em L) nos 30 minutos após o fim da corrida?</translation>
    </message>
    <message>
        <source>%1 mmol lactate = %2x %3  = %4 mg</source>
        <extracomment>%1 and %2 are the lactate to oxidise, %3 its molecular mass, %4 its mass. The doubled blank is the English exercise&apos;s own.</extracomment>
        <translation>%1 mmol de lactato = %2 x %3 = %4 mg</translation>
    </message>
    <message>
        <source>Additional oxygen consumed = (%1 / 1000) x %2 = %3 L</source>
        <translation>Oxigênio adicional consumido = (%1 / 1000) x %2 = %3 L</translation>
    </message>
    <message>
        <source>This is oxygen debt - the extra oxygen that is consumed in the metabolism of lactate to provide
the ATP that is required for gluconeogenesis and the formation of glycogen.</source>
        <translation>Este é o débito de oxigênio — o oxigênio extra consumido no metabolismo do lactato
para fornecer o ATP necessário para a gliconeogênese e a formação de glicogênio.</translation>
    </message>
    <message>
        <source>Assuming that his total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in his oxygen consumption during this 30 minutes?</source>
        <extracomment>%1 is the total energy expenditure, %2 the energy each litre of oxygen yields. &quot;perday&quot; and &quot;pecentage&quot; are the English exercise&apos;s own slips: write &quot;per day&quot; and &quot;percentage&quot; correctly.</extracomment>
        <translation>Considerando que o gasto energético total dele é de %1 MJ por dia e que, qualquer que seja
o combustível metabolizado, o rendimento energético é de %2 kJ por L de oxigênio consumido,
qual é o aumento percentual do consumo de oxigênio dele durante esses 30 minutos?</translation>
    </message>
    <message>
        <source>Assuming that her total energy expenditure is %1MJ perday
and that regardless of the fuel being metabolised the energy yield is %2 kJ per L oxygen consumed
what is the pecentage increase in her oxygen consumption during this 30 minutes?</source>
        <translation>Considerando que o gasto energético total dela é de %1 MJ por dia e que, qualquer que seja
o combustível metabolizado, o rendimento energético é de %2 kJ por L de oxigênio consumido,
qual é o aumento percentual do consumo de oxigênio dela durante esses 30 minutos?</translation>
    </message>
    <message>
        <source>total oxygen consumed = total energy expenditure (MJ) x 1000 / %1 = %2x 1000 / %3 = %4 L oxygen /day</source>
        <extracomment>%1 and %3 are the kJ per litre of oxygen, %2 the energy expenditure, %4 the litres a day.</extracomment>
        <translation>Oxigênio total consumido = gasto energético total (MJ) x 1000 / %1 = %2 x 1000 / %3 = %4 L de oxigênio/dia</translation>
    </message>
    <message>
        <source>= %1 /%2 = %3 L oxygen per 30 minutes</source>
        <extracomment>%1 is the litres a day, %2 the half hours of a day, %3 the litres per 30 minutes.</extracomment>
        <translation>= %1 / %2 = %3 L de oxigênio por 30 minutos</translation>
    </message>
    <message>
        <source>percent increase in oxygen consumption = 100 x %1 / %2= %3%</source>
        <extracomment>%1 is the additional oxygen, %2 the litres per 30 minutes, %3 the percentage.</extracomment>
        <translation>Aumento percentual do consumo de oxigênio = 100 x %1 / %2 = %3%</translation>
    </message>
    <message>
        <source>%1 calculation</source>
        <extracomment>The title of every window and the head of every page; %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Cálculo %1</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Questions</source>
        <extracomment>The pane that holds the problem and the questions posed so far.</extracomment>
        <translation>Questões</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>The pane that shows a worked answer (a noun).</extracomment>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>See answer 1</source>
        <translation>Ver resposta 1</translation>
    </message>
    <message>
        <source>end</source>
        <extracomment>The button that ends the program, written in small letters as the program always has.</extracomment>
        <translation>sair</translation>
    </message>
    <message>
        <source>Hide answer 1</source>
        <translation>Ocultar resposta 1</translation>
    </message>
    <message>
        <source>See answer 2</source>
        <translation>Ver resposta 2</translation>
    </message>
    <message>
        <source>Hide answer 2</source>
        <translation>Ocultar resposta 2</translation>
    </message>
    <message>
        <source>See pathway 1</source>
        <translation>Ver diagrama 1</translation>
    </message>
    <message>
        <source>See answer 3</source>
        <translation>Ver resposta 3</translation>
    </message>
    <message>
        <source>Hide answer 3</source>
        <translation>Ocultar resposta 3</translation>
    </message>
    <message>
        <source>See pathway 2</source>
        <translation>Ver diagrama 2</translation>
    </message>
    <message>
        <source>See answer 4</source>
        <translation>Ver resposta 4</translation>
    </message>
    <message>
        <source>Hide answer 4</source>
        <translation>Ocultar resposta 4</translation>
    </message>
    <message>
        <source>See answer 5</source>
        <translation>Ver resposta 5</translation>
    </message>
    <message>
        <source>Hide answer 5</source>
        <translation>Ocultar resposta 5</translation>
    </message>
    <message>
        <source>See answer 6</source>
        <translation>Ver resposta 6</translation>
    </message>
    <message>
        <source>Hide answer 6</source>
        <translation>Ocultar resposta 6</translation>
    </message>
</context>
<context>
    <name>FolderWatch</name>
    <message>
        <source>The watched folder %1 cannot be reached. What was read of it stays; watching goes on, and it is read again when it is back.</source>
        <extracomment>%1 is a folder; it was deleted, or the share it is on went offline.</extracomment>
        <translation>A pasta monitorada %1 não pode ser acessada. O que já foi lido dela permanece; o monitoramento continua, e ela será lida de novo quando voltar a estar disponível.</translation>
    </message>
    <message>
        <source>The file is a link to a place outside the folder, and it was not followed.</source>
        <extracomment>Follows a sentence that names the file.</extracomment>
        <translation>O arquivo é um link para um local fora da pasta e não foi seguido.</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Aumentar zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Diminuir zoom</translation>
    </message>
    <message>
        <source>&amp;Reset zoom</source>
        <translation>Res&amp;taurar zoom</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>A&amp;justar à janela</translation>
    </message>
    <message>
        <source>Zoom %1 %, fitted to the window</source>
        <translation>Zoom de %1%, ajustado à janela</translation>
    </message>
    <message>
        <source>Zoom %1 %, as the screen allows</source>
        <translation>Zoom de %1%, o quanto a tela permite</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom de %1%</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>The window&apos;s context menu.</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>Logotipo do %1</translation>
    </message>
</context>
<context>
    <name>Gradebook</name>
    <message>
        <source>%1 is left out of the gradebook file: the attempt gives no ID number, by which the gradebook finds a student.</source>
        <extracomment>%1 is a student&apos;s name, or the record&apos;s file where it names nobody.</extracomment>
        <translation>%1 fica de fora do arquivo para o livro de notas: a tentativa não informa número de identificação, e é por ele que o livro de notas encontra cada estudante.</translation>
    </message>
    <message>
        <source>ID number %1 is left out of the gradebook file: it is given to more than one student (%2).</source>
        <extracomment>%1 is an ID number, %2 the names the records give with it: &quot;Ana and Ben&quot;.</extracomment>
        <translation>O número de identificação %1 fica de fora do arquivo para o livro de notas: ele foi informado por mais de um estudante (%2).</translation>
    </message>
    <message>
        <source>%1 is left out of the gradebook file: the ID number &quot;%2&quot; would be read as a formula or holds a control character, and the gradebook would find nobody by it.</source>
        <extracomment>%1 is a student&apos;s name, %2 the ID number.</extracomment>
        <translation>%1 fica de fora do arquivo para o livro de notas: o número de identificação &quot;%2&quot; seria lido como uma fórmula ou contém um caractere de controle, e o livro de notas não encontraria ninguém por ele.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Handing in to %1…</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Entregando na pasta %1…</translation>
    </message>
    <message>
        <source>Handed in to %1 at %2.</source>
        <extracomment>%1 is a folder, %2 a time of day.</extracomment>
        <translation>Entregue na pasta %1 às %2.</translation>
    </message>
    <message>
        <source>Your attempt is not handed in. %1 It is kept on this computer, and handed in at the next check.</source>
        <extracomment>%1 says why, in a sentence of its own that names the folder.</extracomment>
        <translation>Sua tentativa não foi entregue. %1 Ela fica guardada neste computador e será entregue na próxima verificação.</translation>
    </message>
</context>
<context>
    <name>HandInFolder</name>
    <message>
        <source>The hand-in folder %1 cannot be reached.</source>
        <extracomment>A hand-in folder on a USB stick that was pulled, or a share that is offline.</extracomment>
        <translation>A pasta de entrega %1 não pode ser acessada.</translation>
    </message>
    <message>
        <source>The hand-in folder %1 names a file, not a folder.</source>
        <translation>A pasta de entrega indicada, %1, é um arquivo, não uma pasta.</translation>
    </message>
</context>
<context>
    <name>HandedIn</name>
    <message>
        <source>The folder holds no practice records (*.json).</source>
        <extracomment>Follows a sentence that names the folder.</extracomment>
        <translation>A pasta não contém registros de prática (*.json).</translation>
    </message>
    <message>
        <source>Records read: %1; students: %2; attempts: %3.</source>
        <translation>Registros lidos: %1; estudantes: %2; tentativas: %3.</translation>
    </message>
    <message>
        <source>Where a student handed in more than one attempt, the latest finished counts, else the latest; the table says which.</source>
        <translation>Quando um estudante entregou mais de uma tentativa, conta a última concluída ou, se não houver, a última; a tabela indica qual.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) were edited; what their entries earn is shown, not what they say.</source>
        <translation>
            <numerusform>%n registro foi editado; mostra-se o que seus valores digitados recebem, não o que ele afirma.</numerusform>
            <numerusform>%n registros foram editados; mostra-se o que seus valores digitados recebem, não o que eles afirmam.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and are left out.</source>
        <translation>
            <numerusform>%n arquivo não pôde ser lido e foi deixado de fora.</numerusform>
            <numerusform>%n arquivos não puderam ser lidos e foram deixados de fora.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is left out. %2</source>
        <extracomment>%1 is a file or folder, %2 why, in a sentence of its own such as &quot;The file is empty.&quot;</extracomment>
        <translation>%1 ficou de fora. %2</translation>
    </message>
    <message>
        <source>The record %1 was edited. %2 The verdicts its entries earn are the ones shown.</source>
        <extracomment>%1 is the record&apos;s file; %2 names the check that differs, in a sentence of its own; the table and report show what its entry earns.</extracomment>
        <translation>O registro %1 foi editado. %2 Os vereditos mostrados são os que seus valores digitados recebem.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <extracomment>Follows a sentence that names the folder.</extracomment>
        <translation>A pasta não pode ser lida.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) held an attempt read already; each attempt counts once.</source>
        <translation>
            <numerusform>%n registro continha uma tentativa já lida; cada tentativa conta uma só vez.</numerusform>
            <numerusform>%n registros continham tentativas já lidas; cada tentativa conta uma só vez.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HandedInPage</name>
    <message>
        <source>Export &amp;table…</source>
        <translation>Exportar &amp;tabela…</translation>
    </message>
    <message>
        <source>Export &amp;report…</source>
        <translation>Exportar &amp;relatório…</translation>
    </message>
    <message>
        <source>Attempts handed in</source>
        <translation>Tentativas entregues</translation>
    </message>
    <message>
        <source>Records not read, or edited</source>
        <translation>Registros não lidos ou editados</translation>
    </message>
    <message>
        <source>Add &amp;records…</source>
        <translation>Adicionar re&amp;gistros…</translation>
    </message>
    <message>
        <source>Add a &amp;folder…</source>
        <translation>Adicionar &amp;pasta…</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>Empties the page of every record read.</extracomment>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>No records are read yet.</source>
        <translation>Nenhum registro foi lido ainda.</translation>
    </message>
    <message>
        <source>Add records</source>
        <translation>Adicionar registros</translation>
    </message>
    <message>
        <source>Practice records (*.json)</source>
        <translation>Registros de prática (*.json)</translation>
    </message>
    <message>
        <source>Add a folder of records</source>
        <translation>Adicionar uma pasta de registros</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exportar tabela</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table is written to %1.</source>
        <translation>A tabela foi gravada em %1.</translation>
    </message>
    <message>
        <source>No table was written. %1</source>
        <translation>Nenhuma tabela foi gravada. %1</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exportar relatório</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>O relatório foi gravado em %1.</translation>
    </message>
    <message>
        <source>No report was written. %1</source>
        <translation>Nenhum relatório foi gravado. %1</translation>
    </message>
    <message>
        <source>Export for the &amp;gradebook…</source>
        <extracomment>Writes the file that the school&apos;s gradebook (Moodle) imports.</extracomment>
        <translation>Exportar para o li&amp;vro de notas…</translation>
    </message>
    <message>
        <source>&amp;Watch a folder…</source>
        <extracomment>Follows a folder that students hand in to, as records arrive and change.</extracomment>
        <translation>&amp;Monitorar uma pasta…</translation>
    </message>
    <message>
        <source>Records &amp;not read, or edited:</source>
        <translation>Registros &amp;não lidos ou editados:</translation>
    </message>
    <message>
        <source>Add the records (.json) your students hand in, drop their files or folders on this window, or watch the folder they hand in to. Each record&apos;s checks are judged again from its entries; open an attempt to see them all.</source>
        <translation>Adicione os registros (.json) que seus estudantes entregam, arraste os arquivos ou as pastas deles para esta janela, ou monitore a pasta em que eles fazem as entregas. As verificações de cada registro são julgadas de novo a partir dos valores digitados; abra uma tentativa para ver todas elas.</translation>
    </message>
    <message>
        <source>Watching %1: records are read as they arrive or change.</source>
        <translation>Monitorando %1: os registros são lidos à medida que chegam ou mudam.</translation>
    </message>
    <message>
        <source>Watch the folder your students hand in to</source>
        <translation>Monitorar a pasta de entrega dos seus estudantes</translation>
    </message>
    <message>
        <source>Export for the gradebook</source>
        <translation>Exportar para o livro de notas</translation>
    </message>
    <message>
        <source>No gradebook file was written. %1</source>
        <translation>Nenhum arquivo para o livro de notas foi gravado. %1</translation>
    </message>
    <message>
        <source>The gradebook file is written to %1.</source>
        <translation>O arquivo para o livro de notas foi gravado em %1.</translation>
    </message>
    <message numerus="yes">
        <source>The gradebook file is written to %1, and %n student(s) are left out of it:</source>
        <extracomment>%1 is the file; the sentence of each student left out follows, one a line.</extracomment>
        <translation>
            <numerusform>O arquivo para o livro de notas foi gravado em %1, e %n estudante ficou de fora dele:</numerusform>
            <numerusform>O arquivo para o livro de notas foi gravado em %1, e %n estudantes ficaram de fora dele:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in.</source>
        <translation>
            <numerusform>%n nova tentativa entregue.</numerusform>
            <numerusform>%n novas tentativas entregues.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, by %1.</source>
        <extracomment>%n new attempts, %1 the names of the students: &quot;Ana Souza and Ben Okafor&quot;.</extracomment>
        <translation>
            <numerusform>%n nova tentativa entregue, de %1.</numerusform>
            <numerusform>%n novas tentativas entregues, de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new attempt(s) handed in, among them by %1.</source>
        <translation>
            <numerusform>%n nova tentativa entregue, de %1.</numerusform>
            <numerusform>%n novas tentativas entregues, entre elas as de %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>Type an answer first.</source>
        <translation>Digite uma resposta primeiro.</translation>
    </message>
    <message>
        <source>Not yet: only the sign is wrong; the amount is positive.</source>
        <translation>Ainda não: só o sinal está errado; a quantidade é positiva.</translation>
    </message>
    <message>
        <source>Not yet: the amount is positive.</source>
        <translation>Ainda não: a quantidade é positiva.</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Correto.</translation>
    </message>
    <message>
        <source>Close: within %1 % of the answer but not within %2 %; check the arithmetic.</source>
        <translation>Quase: dentro de %1% da resposta, mas não dentro de %2%; confira as contas.</translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answer to question %1 (%2).</source>
        <translation>Erro propagado: seu método está certo; a diferença vem da sua resposta à questão %1 (%2).</translation>
    </message>
    <message>
        <source>Carried forward: your method is right; the difference comes from your answers to questions %1 (%2) and %3 (%4).</source>
        <translation>Erro propagado: seu método está certo; a diferença vem das suas respostas às questões %1 (%2) e %3 (%4).</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>%1 speaks no &quot;%2&quot;; the languages there are: %3.</source>
        <extracomment>%1 is the program&apos;s name, %2 the language asked for, %3 the languages there are.</extracomment>
        <translation>O %1 não está disponível em &quot;%2&quot;; os idiomas que ele oferece são: %3.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Cannot read the record %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own, such as &quot;The file is empty.&quot;</extracomment>
        <translation>Não é possível ler o registro %1. %2</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Exercise complete.</source>
        <translation>Exercício concluído.</translation>
    </message>
    <message>
        <source>Practice mode on: type each answer and check it.</source>
        <translation>Modo de prática ativado: digite cada resposta e verifique-a.</translation>
    </message>
    <message>
        <source>Practice mode off.</source>
        <translation>Modo de prática desativado.</translation>
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
        <translation>Não há indivíduo para imprimir.</translation>
    </message>
    <message>
        <source>Cannot draw on the page.</source>
        <translation>Não é possível desenhar na página.</translation>
    </message>
    <message>
        <source>Cannot start a new page.</source>
        <translation>Não é possível iniciar uma nova página.</translation>
    </message>
    <message>
        <source>Cannot finish the pages.</source>
        <translation>Não é possível concluir as páginas.</translation>
    </message>
    <message>
        <source>Subject %1, practised by %2 on %3 from %4 to %5.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the student, %3 the day, %4 and %5 times.</extracomment>
        <translation>Indivíduo %1, exercício feito por %2 em %3, das %4 às %5.</translation>
    </message>
    <message>
        <source>Subject %1, practised on %2 from %3 to %4.</source>
        <extracomment>%1 is the subject&apos;s code, %2 the day, %3 and %4 times.</extracomment>
        <translation>Indivíduo %1, exercício feito em %2, das %3 às %4.</translation>
    </message>
    <message>
        <source>The exercise was finished.</source>
        <translation>O exercício foi concluído.</translation>
    </message>
    <message>
        <source>This record was edited. %1 The verdicts shown are the ones its entries earn.</source>
        <translation>Este registro foi editado. %1 Os vereditos mostrados são os que seus valores digitados recebem.</translation>
    </message>
    <message>
        <source>The exercise was left at question %1.</source>
        <translation>O exercício foi interrompido na questão %1.</translation>
    </message>
    <message>
        <source>The exercise was left at answer %1.</source>
        <translation>O exercício foi interrompido na resposta %1.</translation>
    </message>
    <message>
        <source>Drawing was cancelled.</source>
        <translation>A geração das páginas foi cancelada.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Cancelado: nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: class report</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: relatório da turma</translation>
    </message>
    <message>
        <source>%1: answer key</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: gabarito</translation>
    </message>
    <message>
        <source>%1: worksheet</source>
        <translation>%1: folha de exercícios</translation>
    </message>
    <message>
        <source>%1: result slip</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: folha de resultados</translation>
    </message>
</context>
<context>
    <name>Pathway</name>
    <message>
        <source>Gluconeogenesis from lactate, and glycogen made in the liver and in muscle. Read from the bottom.</source>
        <translation>Gliconeogênese a partir do lactato, e glicogênio formado no fígado e no músculo. Leia de baixo para cima.</translation>
    </message>
    <message>
        <source>2 x lactate is oxidised to 2 x pyruvate; this step uses 2 x NAD+ and gives 2 x NADH.</source>
        <translation>2 x lactato é oxidado a 2 x piruvato; esta etapa usa 2 x NAD+ e gera 2 x NADH.</translation>
    </message>
    <message>
        <source>In the liver, 2 x pyruvate is made into glucose 6-phosphate in three steps, drawn as three arrows going up.</source>
        <translation>No fígado, 2 x piruvato é convertido em glicose-6-fosfato em três etapas, desenhadas como três setas para cima.</translation>
    </message>
    <message>
        <source>The first step uses 4 x ATP and gives 4 x ADP, and uses 2 x GTP and gives 2 x GDP.</source>
        <translation>A primeira etapa usa 4 x ATP e gera 4 x ADP, e usa 2 x GTP e gera 2 x GDP.</translation>
    </message>
    <message>
        <source>The second step uses the 2 x NADH and gives 2 x NAD+.</source>
        <translation>A segunda etapa usa os 2 x NADH e gera 2 x NAD+.</translation>
    </message>
    <message>
        <source>The third step ends at glucose 6-phosphate, drawn as its open-chain formula with a phosphate group on carbon 6.</source>
        <translation>A terceira etapa termina na glicose-6-fosfato, desenhada em sua fórmula de cadeia aberta, com um grupo fosfato no carbono 6.</translation>
    </message>
    <message>
        <source>In the liver, glucose 6-phosphate is turned into free glucose, which leaves the liver.</source>
        <translation>No fígado, a glicose-6-fosfato é convertida em glicose livre, que sai do fígado.</translation>
    </message>
    <message>
        <source>Or, in the liver, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation>Ou, no fígado, a glicose-6-fosfato é convertida em glicogênio; esta etapa usa UTP e gera UDP + Pi.</translation>
    </message>
    <message>
        <source>The free glucose is carried in the blood to muscle, the yellow panel.</source>
        <translation>A glicose livre é levada pelo sangue até o músculo, o painel amarelo.</translation>
    </message>
    <message>
        <source>In muscle, glucose is made into glucose 6-phosphate; this step uses ATP and gives ADP.</source>
        <translation>No músculo, a glicose é convertida em glicose-6-fosfato; esta etapa usa ATP e gera ADP.</translation>
    </message>
    <message>
        <source>In muscle, glucose 6-phosphate is made into glycogen; this step uses UTP and gives UDP + Pi.</source>
        <translation>No músculo, a glicose-6-fosfato é convertida em glicogênio; esta etapa usa UTP e gera UDP + Pi.</translation>
    </message>
    <message>
        <source>Complete oxidation of lactate through pyruvate, acetyl CoA and the citric acid cycle.</source>
        <translation>Oxidação completa do lactato via piruvato, acetil-CoA e ciclo do ácido cítrico.</translation>
    </message>
    <message>
        <source>Lactate is oxidised to pyruvate; this step uses NAD+ and gives NADH.</source>
        <translation>O lactato é oxidado a piruvato; esta etapa usa NAD+ e gera NADH.</translation>
    </message>
    <message>
        <source>Pyruvate is converted to acetyl CoA; this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation>O piruvato é convertido em acetil-CoA; esta etapa usa NAD+ e gera NADH, e libera CO2.</translation>
    </message>
    <message>
        <source>Acetyl CoA (2 carbons) joins oxaloacetate (4 carbons) to make citrate (6 carbons); this step gives off CoASH.</source>
        <translation>A acetil-CoA (2 carbonos) se une ao oxaloacetato (4 carbonos) para formar citrato (6 carbonos); esta etapa libera CoASH.</translation>
    </message>
    <message>
        <source>Citrate is rearranged to isocitrate (6 carbons).</source>
        <translation>O citrato é rearranjado em isocitrato (6 carbonos).</translation>
    </message>
    <message>
        <source>Isocitrate is oxidised to alpha-ketoglutarate (5 carbons); this step uses NAD+ and gives NADH, and gives off CO2.</source>
        <translation>O isocitrato é oxidado a alfa-cetoglutarato (5 carbonos); esta etapa usa NAD+ e gera NADH, e libera CO2.</translation>
    </message>
    <message>
        <source>Alpha-ketoglutarate is converted to succinyl CoA (4 carbons); this step uses CoASH and NAD+ and gives NADH, and gives off CO2.</source>
        <translation>O alfa-cetoglutarato é convertido em succinil-CoA (4 carbonos); esta etapa usa CoASH e NAD+ e gera NADH, e libera CO2.</translation>
    </message>
    <message>
        <source>Succinyl CoA is converted to succinate (4 carbons); this step gives off CoASH, and uses GDP + Pi and gives GTP.</source>
        <translation>A succinil-CoA é convertida em succinato (4 carbonos); esta etapa libera CoASH, e usa GDP + Pi e gera GTP.</translation>
    </message>
    <message>
        <source>Succinate is oxidised to fumarate (4 carbons); this step uses FAD and gives FADH2.</source>
        <translation>O succinato é oxidado a fumarato (4 carbonos); esta etapa usa FAD e gera FADH2.</translation>
    </message>
    <message>
        <source>Fumarate takes up H2O to make malate (4 carbons).</source>
        <translation>O fumarato incorpora H2O para formar malato (4 carbonos).</translation>
    </message>
    <message>
        <source>Malate is oxidised to oxaloacetate (4 carbons), which closes the cycle; this step uses NAD+ and gives NADH.</source>
        <translation>O malato é oxidado a oxaloacetato (4 carbonos), o que fecha o ciclo; esta etapa usa NAD+ e gera NADH.</translation>
    </message>
    <message>
        <source>Gluconeogenesis from lactate</source>
        <translation>Gliconeogênese a partir do lactato</translation>
    </message>
    <message>
        <source>Pathway diagram: gluconeogenesis from lactate</source>
        <translation>Diagrama da via: gliconeogênese a partir do lactato</translation>
    </message>
    <message>
        <source>Lactate oxidation and the citric acid cycle</source>
        <translation>Oxidação do lactato e ciclo do ácido cítrico</translation>
    </message>
    <message>
        <source>Pathway diagram: lactate oxidation and the citric acid cycle</source>
        <translation>Diagrama da via: oxidação do lactato e ciclo do ácido cítrico</translation>
    </message>
    <message>
        <source>Totals: making glucose from 2 x lactate uses %1 nucleoside triphosphates (%2 ATP and %3 GTP).</source>
        <extracomment>%1 nucleoside triphosphates in all: %2 ATP and %3 GTP.</extracomment>
        <translation>Totais: a síntese de glicose a partir de 2 x lactato usa %1 nucleosídeos trifosfato (%2 ATP e %3 GTP).</translation>
    </message>
    <message>
        <source>Making liver glycogen uses %1 (the %2 for glucose and %3 UTP in the liver).</source>
        <extracomment>%1 in all: the %2 for glucose and %3 UTP.</extracomment>
        <translation>A síntese de glicogênio hepático usa %1 (os %2 da glicose e %3 UTP no fígado).</translation>
    </message>
    <message>
        <source>Making muscle glycogen uses %1 (the %2 for glucose, %3 ATP and %4 UTP in muscle).</source>
        <extracomment>%1 in all: the %2 for glucose, %3 ATP and %4 UTP.</extracomment>
        <translation>A síntese de glicogênio muscular usa %1 (os %2 da glicose, %3 ATP e %4 UTP no músculo).</translation>
    </message>
    <message>
        <source>The box in the middle of the cycle gives the exchange rates: each NADH gives about %1 ATP, each FADH2 gives about %2 ATP.</source>
        <translation>O quadro no centro do ciclo mostra as equivalências: cada NADH rende cerca de %1 ATP, e cada FADH2, cerca de %2 ATP.</translation>
    </message>
    <message>
        <source>In total one lactate gives %1 NADH, %2 FADH2 and %3 GTP, which make %4 ATP.</source>
        <translation>No total, um lactato gera %1 NADH, %2 FADH2 e %3 GTP, que equivalem a %4 ATP.</translation>
    </message>
    <message>
        <source>%1: gluconeogenesis from lactate</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: gliconeogênese a partir do lactato</translation>
    </message>
    <message>
        <source>%1: lactate oxidation and the citric acid cycle</source>
        <extracomment>%1 is the program&apos;s title, &quot;Korvanel calculation&quot;.</extracomment>
        <translation>%1: oxidação do lactato e ciclo do ácido cítrico</translation>
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
        <translation>%1. O diagrama e sua descrição passo a passo vêm a seguir, com Tab; Esc fecha a janela.</translation>
    </message>
</context>
<context>
    <name>PracticeActions</name>
    <message>
        <source>Pr&amp;actice mode</source>
        <translation>Modo de &amp;prática</translation>
    </message>
    <message>
        <source>Yo&amp;ur name…</source>
        <translation>Se&amp;u nome…</translation>
    </message>
    <message>
        <source>Export result &amp;slip…</source>
        <translation>Exportar &amp;folha de resultados…</translation>
    </message>
    <message>
        <source>&amp;Hand in…</source>
        <extracomment>Gives the attempt&apos;s record to the teacher, into a folder the teacher reads.</extracomment>
        <translation>Entre&amp;gar…</translation>
    </message>
    <message>
        <source>Show &amp;my records</source>
        <extracomment>Opens the folder of this computer&apos;s practice records in the file manager.</extracomment>
        <translation>&amp;Mostrar meus registros</translation>
    </message>
    <message>
        <source>Practice mode</source>
        <translation>Modo de prática</translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at question %3. Continue where you stopped?</source>
        <translation>Você começou a praticar com o indivíduo %1 em %2 e parou na questão %3. Continuar de onde parou?</translation>
    </message>
    <message>
        <source>You started practising subject %1 on %2 and stopped at answer %3. Continue where you stopped?</source>
        <translation>Você começou a praticar com o indivíduo %1 em %2 e parou na resposta %3. Continuar de onde parou?</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Start &amp;again</source>
        <translation>Começar de &amp;novo</translation>
    </message>
    <message>
        <source>Export result slip</source>
        <translation>Exportar folha de resultados</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No result slip was written. %1</source>
        <translation>Nenhuma folha de resultados foi gravada. %1</translation>
    </message>
    <message>
        <source>Hand in</source>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>Your attempt is handed in to %1, the folder your school set, and again after every check.</source>
        <translation>Sua tentativa é entregue na pasta %1, definida pela sua escola, e entregue de novo após cada verificação.</translation>
    </message>
    <message>
        <source>Hand in to a folder</source>
        <translation>Entregar em uma pasta</translation>
    </message>
    <message>
        <source>Show my records</source>
        <translation>Mostrar meus registros</translation>
    </message>
    <message>
        <source>Your practice records are in %1.</source>
        <extracomment>%1 is a folder; the file manager could not be started.</extracomment>
        <translation>Seus registros de prática estão em %1.</translation>
    </message>
    <message>
        <source>Your answers cannot be kept. %1 Practice goes on.</source>
        <extracomment>%1 says why, in a sentence of its own that names the record.</extracomment>
        <translation>Suas respostas não podem ser guardadas. %1 A prática continua.</translation>
    </message>
    <message>
        <source>Your attempt cannot be handed in. %1 It is kept on this computer, and handed in again at the next check.</source>
        <extracomment>%1 says why, in a sentence of its own that names the folder.</extracomment>
        <translation>Não é possível entregar sua tentativa. %1 Ela fica guardada neste computador e será entregue na próxima verificação.</translation>
    </message>
    <message>
        <source>Your attempt is handed in to %1, the folder set for this run, and again after every check.</source>
        <extracomment>%1 is a folder, given on the command line that started the program.</extracomment>
        <translation>Sua tentativa é entregue na pasta %1, definida para esta execução do programa, e entregue de novo após cada verificação.</translation>
    </message>
</context>
<context>
    <name>RecordFolder</name>
    <message>
        <source>Cannot save the practice record %1: %2</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Não é possível salvar o registro de prática %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>A pasta %1 não pode ser criada.</translation>
    </message>
    <message>
        <source>The path is a folder, not a record.</source>
        <extracomment>Follows a sentence that names the path.</extracomment>
        <translation>O caminho é uma pasta, não um registro.</translation>
    </message>
    <message>
        <source>The path is not a regular file (it may be a FIFO, a socket or a device), so it was not opened.</source>
        <extracomment>Follows a sentence that names the path.</extracomment>
        <translation>O caminho não é um arquivo comum (pode ser um FIFO, um socket ou um dispositivo), por isso não foi aberto.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <extracomment>Follows a sentence that names the file; %1 is the system&apos;s reason.</extracomment>
        <translation>O arquivo não pode ser lido: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>A pasta %1 não pode ser lida.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>%1 is passed over. %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why, in a sentence of its own such as &quot;The file is empty.&quot;</extracomment>
        <translation>%1 foi ignorado. %2</translation>
    </message>
    <message>
        <source>Cannot save the practice record %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own.</extracomment>
        <translation>Não é possível salvar o registro de prática %1. %2</translation>
    </message>
</context>
<context>
    <name>RecordJson</name>
    <message>
        <source>In the record, &quot;%1&quot; is missing.</source>
        <translation>No registro, falta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is missing.</source>
        <translation>Na verificação %2, falta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not text.</source>
        <translation>No registro, &quot;%1&quot; não é texto.</translation>
    </message>
    <message>
        <source>In check %2, &quot;%1&quot; is not text.</source>
        <translation>Na verificação %2, &quot;%1&quot; não é texto.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation>No registro, &quot;%1&quot; não é um número inteiro de %2 a %3.</translation>
    </message>
    <message>
        <source>In check %4, &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <translation>Na verificação %4, &quot;%1&quot; não é um número inteiro de %2 a %3.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation>No registro, &quot;%1&quot; é &quot;%2&quot;, que não é uma data e hora.</translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is &quot;%2&quot;, which is not a date and time.</source>
        <translation>Na verificação %3, &quot;%1&quot; é &quot;%2&quot;, que não é uma data e hora.</translation>
    </message>
    <message>
        <source>In the record, &quot;%1&quot; is longer than %2 characters.</source>
        <translation>No registro, &quot;%1&quot; tem mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>In check %3, &quot;%1&quot; is longer than %2 characters.</source>
        <translation>Na verificação %3, &quot;%1&quot; tem mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>Check %1 is not an object.</source>
        <translation>A verificação %1 não é um objeto.</translation>
    </message>
    <message>
        <source>In check %1, &quot;field&quot; is &quot;%2&quot;, which is not an answer field.</source>
        <translation>Na verificação %1, &quot;field&quot; é &quot;%2&quot;, que não é um campo de resposta.</translation>
    </message>
    <message>
        <source>In check %1, the field %2 is of question %3, not %4.</source>
        <translation>Na verificação %1, o campo %2 é da questão %3, não da %4.</translation>
    </message>
    <message>
        <source>In check %1, &quot;value&quot; is not a finite number.</source>
        <translation>Na verificação %1, &quot;value&quot; não é um número finito.</translation>
    </message>
    <message>
        <source>In check %1, &quot;verdict&quot; is not one of correct, slip, carriedForward, close or notYet.</source>
        <translation>Na verificação %1, &quot;verdict&quot; não é correct, slip, carriedForward, close nem notYet.</translation>
    </message>
    <message>
        <source>In check %1, a value and a verdict go together, and one is missing.</source>
        <translation>Na verificação %1, um valor e um veredito devem vir juntos, e falta um deles.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <extracomment>Follows a sentence that names the file.</extracomment>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file is cut short: its JSON ends unfinished (%1).</source>
        <extracomment>Follows a sentence that names the file; %1 is the JSON parser&apos;s own words.</extracomment>
        <translation>O arquivo está truncado: seu JSON termina incompleto (%1).</translation>
    </message>
    <message>
        <source>The file is not JSON: %1 at byte %2.</source>
        <translation>O arquivo não é JSON: %1 no byte %2.</translation>
    </message>
    <message>
        <source>The file is not a %1 practice record.</source>
        <extracomment>Follows a sentence that names the file. %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>O arquivo não é um registro de prática do %1.</translation>
    </message>
    <message>
        <source>The record has no version number.</source>
        <translation>O registro não tem número de versão.</translation>
    </message>
    <message>
        <source>The record was written by a newer %1 (record version %2; this one reads version %3).</source>
        <extracomment>Follows a sentence that names the file. %1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>O registro foi gravado por uma versão mais recente do %1 (versão de registro %2; esta versão do programa lê a versão %3).</translation>
    </message>
    <message>
        <source>In the record, &quot;checks&quot; is not a list.</source>
        <translation>No registro, &quot;checks&quot; não é uma lista.</translation>
    </message>
    <message>
        <source>The record&apos;s code &quot;%1&quot; is not a subject code. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>O código &quot;%1&quot; do registro não é um código de indivíduo. %2</translation>
    </message>
    <message>
        <source>The record has %1 checks, more than any attempt could (%2 at most).</source>
        <translation>O registro tem %1 verificações, mais do que qualquer tentativa poderia ter (%2 no máximo).</translation>
    </message>
    <message>
        <source>The file is too large for a practice record: %1, where a record takes at most %2.</source>
        <extracomment>Follows a sentence that names the file; %1 and %2 are sizes, such as &quot;9.1 MB&quot;.</extracomment>
        <translation>O arquivo é grande demais para um registro de prática: %1, quando um registro ocupa no máximo %2.</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; is not a number the judge can read.</source>
        <translation>A verificação %1 diz &quot;%2&quot;, mas seu valor digitado, &quot;%3&quot;, não é um número que o avaliador consiga ler.</translation>
    </message>
    <message>
        <source>Check %1 holds no verdict, but its entry &quot;%2&quot; earns &quot;%3&quot;.</source>
        <translation>A verificação %1 não tem veredito, mas seu valor digitado, &quot;%2&quot;, recebe &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Check %1 says &quot;%2&quot;, but its entry &quot;%3&quot; earns &quot;%4&quot;.</source>
        <translation>A verificação %1 diz &quot;%2&quot;, mas seu valor digitado, &quot;%3&quot;, recebe &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Check %1 holds the value %2, but its entry &quot;%3&quot; reads %4.</source>
        <translation>A verificação %1 contém o valor %2, mas seu valor digitado, &quot;%3&quot;, é lido como %4.</translation>
    </message>
    <message>
        <source>Check %1 was made after the attempt&apos;s last update.</source>
        <translation>A verificação %1 foi feita depois da última atualização da tentativa.</translation>
    </message>
    <message>
        <source>Check %1 is of question %2, which was not posed at that point.</source>
        <translation>A verificação %1 é da questão %2, que ainda não tinha sido apresentada naquele momento.</translation>
    </message>
    <message>
        <source>Check %1 was made before the check before it, or before the attempt started.</source>
        <translation>A verificação %1 foi feita antes da verificação anterior a ela, ou antes do início da tentativa.</translation>
    </message>
</context>
<context>
    <name>SaveGroup</name>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%2 is the reason, as the system gives it.</extracomment>
        <translation>Não é possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot write %1. %2</source>
        <extracomment>%2 says why, in a sentence of its own.</extracomment>
        <translation>Não é possível gravar %1. %2</translation>
    </message>
</context>
<context>
    <name>Slip</name>
    <message>
        <source>Not yet: you multiplied the fall by the whole body weight, %1 kg; the lactate is spread through the extracellular fluid only, %2 % of body weight.</source>
        <translation>Ainda não: você multiplicou a queda pelo peso corporal inteiro, %1 kg; o lactato se distribui apenas pelo líquido extracelular, %2% do peso corporal.</translation>
    </message>
    <message>
        <source>Not yet: you took the fall from %1 mmol/L, the level before the race; the lactate metabolised is the fall over the 30 minutes after it, to %2 mmol/L.</source>
        <translation>Ainda não: você calculou a queda a partir de %1 mmol/L, o nível antes da corrida; o lactato metabolizado é a queda nos 30 minutos após a corrida, até %2 mmol/L.</translation>
    </message>
    <message>
        <source>Not yet: that is the fall in concentration, in mmol/L; multiply it by the volume of fluid the lactate is spread through.</source>
        <translation>Ainda não: essa é a queda na concentração, em mmol/L; multiplique-a pelo volume de líquido pelo qual o lactato se distribui.</translation>
    </message>
    <message>
        <source>Not yet: that is all the lactate there was just after the race, at %1 mmol/L; only the fall over the next 30 minutes has been metabolised.</source>
        <translation>Ainda não: esse é todo o lactato que havia logo após a corrida, a %1 mmol/L; só a queda nos 30 minutos seguintes foi metabolizada.</translation>
    </message>
    <message>
        <source>Not yet: the GTP is not counted: making phosphoenolpyruvate from oxaloacetate uses one GTP for each lactate.</source>
        <translation>Ainda não: o GTP não foi contado; formar fosfoenolpiruvato a partir de oxaloacetato usa um GTP para cada lactato.</translation>
    </message>
    <message>
        <source>Not yet: the UTP is not counted: adding glucose to glycogen uses one UTP to make UDP-glucose.</source>
        <translation>Ainda não: o UTP não foi contado; adicionar glicose ao glicogênio usa um UTP para formar UDP-glicose.</translation>
    </message>
    <message>
        <source>Not yet: the muscle&apos;s own phosphorylation is not counted: muscle spends one ATP turning the glucose it takes up into glucose 6-phosphate.</source>
        <translation>Ainda não: a fosforilação no próprio músculo não foi contada; o músculo gasta um ATP para converter a glicose que capta em glicose-6-fosfato.</translation>
    </message>
    <message>
        <source>Not yet: that is the cost for one lactate; the question asks for 2 x lactate.</source>
        <translation>Ainda não: esse é o custo para um lactato; a questão pede o custo para 2 x lactato.</translation>
    </message>
    <message>
        <source>Not yet: the NADH is not a cost here: oxidising the lactate to pyruvate provides it.</source>
        <translation>Ainda não: o NADH não é um custo aqui; a oxidação do lactato a piruvato o fornece.</translation>
    </message>
    <message>
        <source>Not yet: the %1 ATP are the cost for 2 lactate, and you took them for each lactate.</source>
        <translation>Ainda não: os %1 ATP são o custo para 2 lactatos, e você os contou para cada lactato.</translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of glucose; this lactate becomes muscle glycogen.</source>
        <translation>Ainda não: %1 ATP para 2 lactatos é o custo da glicose; este lactato se torna glicogênio muscular.</translation>
    </message>
    <message>
        <source>Not yet: %1 ATP for 2 lactate is the cost of liver glycogen; this lactate becomes muscle glycogen.</source>
        <translation>Ainda não: %1 ATP para 2 lactatos é o custo do glicogênio hepático; este lactato se torna glicogênio muscular.</translation>
    </message>
    <message>
        <source>Not yet: that counts %1 ATP per NADH and %2 per FADH2, %3 per lactate; take %4 and %5, which give %6.</source>
        <translation>Ainda não: essa conta usa %1 ATP por NADH e %2 por FADH2, %3 por lactato; use %4 e %5, que dão %6.</translation>
    </message>
    <message>
        <source>Not yet: the NADH from lactate to pyruvate is left out; it yields %1 ATP as well, %2 in all.</source>
        <translation>Ainda não: ficou de fora o NADH da oxidação do lactato a piruvato; ele também rende %1 ATP, %2 no total.</translation>
    </message>
    <message>
        <source>Not yet: that counts the citric acid cycle only; the NADH from lactate to pyruvate and from pyruvate to acetyl CoA yield %1 ATP each, %2 in all.</source>
        <translation>Ainda não: essa conta considera só o ciclo do ácido cítrico; os NADH do lactato a piruvato e do piruvato a acetil-CoA rendem %1 ATP cada, %2 no total.</translation>
    </message>
    <message>
        <source>Not yet: you multiplied by the %1 ATP each lactate yields; the ATP needed is to be divided by it.</source>
        <translation>Ainda não: você multiplicou pelos %1 ATP que cada lactato rende; o ATP necessário deve ser dividido por esse valor.</translation>
    </message>
    <message>
        <source>Not yet: the mass is in mg: %1 mg is to be divided by 1000 before it is multiplied by %2 L per gram.</source>
        <translation>Ainda não: a massa está em mg; %1 mg devem ser divididos por 1000 antes de serem multiplicados por %2 L por grama.</translation>
    </message>
    <message>
        <source>Not yet: the %1 L is for each gram, not each mmol: the molecular mass, %2, turns %3 mmol into mg.</source>
        <translation>Ainda não: os %1 L são por grama, não por mmol; a massa molecular, %2, converte %3 mmol em mg.</translation>
    </message>
    <message>
        <source>Not yet: that is the mass of lactate in grams; each gram consumes %1 L of oxygen.</source>
        <translation>Ainda não: essa é a massa de lactato em gramas; cada grama consome %1 L de oxigênio.</translation>
    </message>
    <message>
        <source>Not yet: that is a fraction; a percentage is 100 times it.</source>
        <translation>Ainda não: isso é uma fração; a porcentagem é 100 vezes esse valor.</translation>
    </message>
    <message>
        <source>Not yet: that is the extra oxygen as a share of all the oxygen used; the increase is measured against the usual %1 L per 30 minutes.</source>
        <translation>Ainda não: essa é a fração do oxigênio extra em relação a todo o oxigênio usado; o aumento é medido em relação aos %1 L habituais por 30 minutos.</translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of a whole day, %1 L; the question asks about 30 minutes, a day having %2 of them.</source>
        <translation>Ainda não: isso compara o oxigênio extra com o de um dia inteiro, %1 L; a questão é sobre 30 minutos, e um dia tem %2 desses períodos.</translation>
    </message>
    <message>
        <source>Not yet: that compares with the oxygen of an hour, a day having %1 of them; the question asks about 30 minutes, a day having %2 of them.</source>
        <translation>Ainda não: isso compara o oxigênio extra com o de uma hora, e um dia tem %1 horas; a questão é sobre 30 minutos, e um dia tem %2 desses períodos.</translation>
    </message>
</context>
<context>
    <name>Student</name>
    <message>
        <source>Type your name.</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>A name cannot hold control characters, such as a tab.</source>
        <translation>Um nome não pode conter caracteres de controle, como uma tabulação.</translation>
    </message>
    <message>
        <source>A name has at most %1 characters; this one has %2.</source>
        <translation>Um nome tem no máximo %1 caracteres; este tem %2.</translation>
    </message>
    <message>
        <source>An ID number cannot hold control characters, such as a tab.</source>
        <translation>Um número de identificação não pode conter caracteres de controle, como uma tabulação.</translation>
    </message>
    <message>
        <source>An ID number has at most %1 characters; this one has %2.</source>
        <translation>Um número de identificação tem no máximo %1 caracteres; este tem %2.</translation>
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
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your name goes into the record of each practice attempt and onto its result slip, so that your teacher knows whose it is.</source>
        <translation>Seu nome vai para o registro de cada tentativa de prática e para a folha de resultados, para que seu professor saiba de quem é.</translation>
    </message>
    <message>
        <source>ID number, if your school gives one</source>
        <translation>Número de identificação, se a sua escola fornecer um</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Where the dialog says what is wrong with what was typed.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;ID number (optional):</source>
        <extracomment>Moodle&apos;s word for the number a school&apos;s gradebook knows a student by.</extracomment>
        <translation>Número de &amp;identificação (opcional):</translation>
    </message>
</context>
<context>
    <name>SubjectCode</name>
    <message>
        <source>The weight is missing.</source>
        <translation>Falta o peso.</translation>
    </message>
    <message>
        <source>Weight %1 has digits other than 0 to 9.</source>
        <translation>O peso %1 tem dígitos que não são de 0 a 9.</translation>
    </message>
    <message>
        <source>Weight %1 is not a number like %2.</source>
        <translation>O peso %1 não é um número como %2.</translation>
    </message>
    <message>
        <source>Weight %1 is not a whole number of kg.</source>
        <translation>O peso %1 não é um número inteiro de kg.</translation>
    </message>
    <message>
        <source>Weight %1 is out of range.</source>
        <translation>O peso %1 está fora do intervalo.</translation>
    </message>
    <message>
        <source>The lactate before the race is missing.</source>
        <translation>Falta o lactato antes da corrida.</translation>
    </message>
    <message>
        <source>Lactate before %1 has digits other than 0 to 9.</source>
        <translation>O lactato antes da corrida, %1, tem dígitos que não são de 0 a 9.</translation>
    </message>
    <message>
        <source>Lactate before %1 is not a number like %2.</source>
        <translation>O lactato antes da corrida, %1, não é um número como %2.</translation>
    </message>
    <message>
        <source>Lactate before %1 has more than one decimal.</source>
        <translation>O lactato antes da corrida, %1, tem mais de uma casa decimal.</translation>
    </message>
    <message>
        <source>Lactate before %1 is out of range.</source>
        <translation>O lactato antes da corrida, %1, está fora do intervalo.</translation>
    </message>
    <message>
        <source>The lactate after the race is missing.</source>
        <translation>Falta o lactato depois da corrida.</translation>
    </message>
    <message>
        <source>Lactate after %1 has digits other than 0 to 9.</source>
        <translation>O lactato depois da corrida, %1, tem dígitos que não são de 0 a 9.</translation>
    </message>
    <message>
        <source>Lactate after %1 is not a number like %2.</source>
        <translation>O lactato depois da corrida, %1, não é um número como %2.</translation>
    </message>
    <message>
        <source>Lactate after %1 has more than one decimal.</source>
        <translation>O lactato depois da corrida, %1, tem mais de uma casa decimal.</translation>
    </message>
    <message>
        <source>Lactate after %1 is out of range.</source>
        <translation>O lactato depois da corrida, %1, está fora do intervalo.</translation>
    </message>
    <message>
        <source>%1 A code reads like %2: M or W, weight %3 to %4 kg, lactate before %5 to %6 and after %7 to %8 mmol/L.</source>
        <extracomment>%1 says what is wrong with the code as typed, in a sentence of its own.</extracomment>
        <translation>%1 Um código tem a forma %2: M (homem) ou W (mulher), peso de %3 a %4 kg, lactato antes da corrida de %5 a %6 e depois de %7 a %8 mmol/L.</translation>
    </message>
    <message>
        <source>The code is empty.</source>
        <translation>O código está vazio.</translation>
    </message>
    <message>
        <source>The code is too long (%1 characters).</source>
        <translation>O código é longo demais (%1 caracteres).</translation>
    </message>
    <message>
        <source>The code starts with &quot;%1&quot;; it must start with M or W.</source>
        <translation>O código começa com &quot;%1&quot;; ele deve começar com M (homem) ou W (mulher).</translation>
    </message>
    <message>
        <source>The code has &quot;%1&quot; where it needs a plain &quot;-&quot;.</source>
        <translation>O código tem &quot;%1&quot; onde precisa de um &quot;-&quot; simples.</translation>
    </message>
    <message>
        <source>The lactates before and after the race are missing.</source>
        <translation>Faltam os lactatos antes e depois da corrida.</translation>
    </message>
    <message>
        <source>The code has %1 parts joined by &quot;-&quot; instead of 3.</source>
        <translation>O código tem %1 partes unidas por &quot;-&quot; em vez de 3.</translation>
    </message>
    <message>
        <source>A class set holds 1 to %1 different subjects, not %2.</source>
        <translation>Um conjunto da turma tem de 1 a %1 indivíduos diferentes, não %2.</translation>
    </message>
    <message>
        <source>The subject code &quot;%1&quot; cannot be read. %2</source>
        <extracomment>%2 says what is wrong with the code, in sentences of their own.</extracomment>
        <translation>O código de indivíduo &quot;%1&quot; não pode ser lido. %2</translation>
    </message>
</context>
<context>
    <name>SubjectDialog</name>
    <message>
        <source>Subject from code</source>
        <translation>Indivíduo pelo código</translation>
    </message>
    <message>
        <source>&amp;Subject code, such as M72-0.8-12.4:</source>
        <translation>&amp;Código do indivíduo, por exemplo M72-0.8-12.4:</translation>
    </message>
    <message>
        <source>Subject code</source>
        <translation>Código do indivíduo</translation>
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
        <translation>&amp;Novo indivíduo</translation>
    </message>
    <message>
        <source>Subject from &amp;code…</source>
        <translation>Indivíduo pelo &amp;código…</translation>
    </message>
    <message>
        <source>Cop&amp;y subject code</source>
        <translation>C&amp;opiar código do indivíduo</translation>
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
        <translation>&amp;Folha de exercícios</translation>
    </message>
    <message>
        <source>Answer &amp;key</source>
        <translation>&amp;Gabarito</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Nothing was printed. %1</source>
        <translation>Nada foi impresso. %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No PDF was written. %1</source>
        <translation>Nenhum PDF foi gravado. %1</translation>
    </message>
    <message>
        <source>For &amp;teachers…</source>
        <translation>Para p&amp;rofessores…</translation>
    </message>
    <message>
        <source>Which sheet for subject %1: the worksheet, to hand out, or the answer key?</source>
        <translation>Qual folha do indivíduo %1: a folha de exercícios, para distribuir, ou o gabarito?</translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>&amp;Class set</source>
        <translation>&amp;Conjunto da turma</translation>
    </message>
    <message>
        <source>&amp;Handed in</source>
        <translation>&amp;Entregues</translation>
    </message>
    <message>
        <source>%1 for teachers</source>
        <extracomment>%1 is the program&apos;s name, Korvanel.</extracomment>
        <translation>%1 para professores</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct</source>
        <extracomment>A verdict on an answer: right.</extracomment>
        <translation>Correto</translation>
    </message>
    <message>
        <source>Not yet</source>
        <extracomment>A verdict on an answer: not right yet, said kindly, for it invites another try.</extracomment>
        <translation>Ainda não</translation>
    </message>
    <message>
        <source>Carried forward</source>
        <extracomment>A verdict on an answer: the method is right, and the difference comes from the student&apos;s own wrong answer to an earlier question.</extracomment>
        <translation>Erro propagado</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A verdict on an answer: near it, but not within its tolerance; not the command that closes a window.</extracomment>
        <translation>Quase</translation>
    </message>
</context>
</TS>
