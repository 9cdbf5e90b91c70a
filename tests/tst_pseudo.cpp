// Every text a person meets goes through the translation system: under a
// pseudo-translation (each message bracketed in ⟦ ⟧, its letters accented,
// numbers with the decimal comma) the walk, practice, menus, dialogs, the
// teacher's window and paper show no English word left outside brackets.
#include "app/program.h"
#include "classwork/handedin.h"
#include "model/language.h"
#include "panes/announcer.h"
#include "panes/textpane.h"
#include "paper/paper.h"
#include "pdftools.h"
#include "practice/answerform.h"
#include "practice/studentdialog.h"
#include "records.h"
#include "records/recordjson.h"
#include "stagetable.h"
#include "subjects.h"
#include "teacher/classsetpage.h"
#include "teacher/handedinpage.h"
#include "teacher/teacherwindow.h"
#include "windows/exercisewindow.h"
#include "windows/pathwaywindow.h"
#include "windows/subjectdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

// Formulas, units, coenzymes and names that stay as they are in every language.
const QSet<QString> untranslated = {
    "Korvanel", "CoA", "CoASH", "SCoA", "mmol", "NADH", "FADH", "NAD", "ATP", "GTP", "UTP",
    "ADP",      "GDP", "UDP",   "FAD",  "COOH", "COO",  "HC",   "OH",  "HO",  "CH",  "SCOA"};

// What is left of `text` outside the brackets, nested ones too.
QString outsideBrackets(const QString& text) {
    QString outside;
    int depth = 0;
    for (QChar c : text) {
        if (c == u'\u27e6')
            ++depth;
        else if (c == u'\u27e7')
            depth = std::max(0, depth - 1);
        else if (depth == 0)
            outside += c;
    }
    return outside;
}

class Findings {
public:
    explicit Findings(QStringList allowed = {})
        : m_allowed(std::move(allowed)) {}

    // Notes each word of three letters or more that is neither translated
    // nor one of the texts that stay as they are.
    void check(const QString& where, const QString& text) {
        QString outside = outsideBrackets(text);
        for (const QString& allowed : m_allowed)
            outside.remove(allowed);
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
        for (auto match = word.globalMatch(outside); match.hasNext();) {
            const QString found = match.next().captured();
            if (!untranslated.contains(found))
                m_found.insert(
                    QStringLiteral("%1: \"%2\" in \"%3\"").arg(where, found, text.left(120)));
        }
    }

    // Every text of a widget and of those inside it that a person sees or hears.
    void checkWidget(const QString& where, QWidget* top) {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* widget : std::as_const(widgets)) {
            // Qt's own buttons speak Qt's catalogue, which this test leaves out.
            if (qobject_cast<QTabBar*>(widget->parentWidget()))
                continue;
            if (auto* box = qobject_cast<QDialogButtonBox*>(widget->parentWidget()))
                if (auto* button = qobject_cast<QAbstractButton*>(widget);
                    button && box->standardButton(button) != QDialogButtonBox::NoButton)
                    continue;
            if (auto* box = qobject_cast<QMessageBox*>(widget->window()))
                if (auto* button = qobject_cast<QAbstractButton*>(widget);
                    button && box->standardButton(button) != QMessageBox::NoButton)
                    continue;
            const QString name = where + u'/' + widget->metaObject()->className();
            if (widget->isWindow())
                check(name, widget->windowTitle());
            check(name, widget->accessibleName());
            check(name, widget->accessibleDescription());
            check(name, widget->toolTip());
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                check(name, button->text());
            if (auto* label = qobject_cast<QLabel*>(widget))
                check(name, label->text());
            if (auto* pane = qobject_cast<TextPane*>(widget))
                check(name, pane->plainText());
            if (auto* announcer = qobject_cast<Announcer*>(widget))
                check(name, announcer->lastMessage());
            if (auto* list = qobject_cast<QListWidget*>(widget))
                for (int i = 0; i < list->count(); ++i)
                    check(name, list->item(i)->text());
            if (auto* tabs = qobject_cast<QTabWidget*>(widget))
                for (int i = 0; i < tabs->count(); ++i)
                    check(name, tabs->tabText(i));
            if (auto* table = qobject_cast<QTableView*>(widget))
                for (int c = 0; c < table->model()->columnCount(); ++c) {
                    check(name, table->model()->headerData(c, Qt::Horizontal).toString());
                    for (int r = 0; r < table->model()->rowCount(); ++r)
                        check(name, table->model()->index(r, c).data().toString());
                }
            for (QAction* action : widget->actions())
                check(name, action->text());
        }
    }

    void checkPdf(const QString& where, const QString& pdf) {
        for (const QString& page : PdfTools::pages(pdf))
            check(where, page);
    }

    QStringList found() const {
        QStringList all(m_found.begin(), m_found.end());
        all.sort();
        return all;
    }

private:
    QStringList m_allowed;
    QSet<QString> m_found;
};

// Answers a dialog when it opens, after checking it.
void whenOpen(Findings& findings, const QString& where, std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [&findings, where, answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY2(dialog, qPrintable(where));
        findings.checkWidget(where, dialog);
        answer(dialog);
    });
}

} // namespace

class TestPseudo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void walkAndPractice();
    void dialogs();
    void teacherWindow();
    void paper();

private:
    QTranslator m_pseudo;
    QTemporaryDir m_dir;
};

void TestPseudo::initTestCase() {
    QVERIFY(m_pseudo.load(":/pseudo/korvanel_pseudo.qm"));
    Language::speak(&m_pseudo, QLocale(QLocale::German));
}

// The whole walk in practice mode, each question checked wrong and right,
// both pathway windows and the context menu.
void TestPseudo::walkAndPractice() {
    Findings findings;
    Program program(Subjects::code(0, 72, 0.6, 12.3));
    ExerciseWindow& window = program.window();
    window.show();
    window.session().setStudent({QStringLiteral("Ñúñó"), QString()});
    window.session().setPracticeMode(true);
    findings.checkWidget("start", &window);
    QVERIFY2(window.questionPane()->plainText().contains(" 0,6 "), "numbers in the language");
    for (int i = 0; i < int(std::size(Walkthrough::steps)); ++i) {
        if (AnswerForm* form = window.answerForm()) {
            for (const QString& entry : {QStringLiteral("1"), QStringLiteral("abc")}) {
                for (QLineEdit* field : form->fields())
                    field->setText(entry);
                form->checkButton()->click();
                findings.checkWidget(QStringLiteral("question %1").arg(form->question()), &window);
            }
        }
        window.button(Walkthrough::steps[i])->click();
        findings.checkWidget(QStringLiteral("step %1").arg(i + 1), &window);
        for (const PathwayInfo& pathway : pathways())
            if (window.session().isLive(pathway.button)) {
                window.button(pathway.button)->click();
                findings.checkWidget("pathway", window.pathwayWindow(pathway.pathway));
            }
    }
    window.openContextMenu(window.mapToGlobal(QPoint(10, 10)));
    findings.checkWidget("menu", window.contextMenu());
    window.contextMenu()->hide();
    window.zoomIn();
    findings.checkWidget("zoomed", &window);
    QVERIFY2(findings.found().isEmpty(), qPrintable(findings.found().join(u'\n')));
}

void TestPseudo::dialogs() {
    Findings findings;
    SubjectDialog subject;
    subject.field()->setText(QStringLiteral("X1"));
    subject.accept();
    findings.checkWidget("subject code", &subject);
    StudentDialog student({});
    student.accept();
    findings.checkWidget("name", &student);

    // The continue question, and the sheet asked for before printing.
    const QTemporaryDir folder;
    Session left(Subjects::code(0, 72, 0.6, 12.3));
    left.setRecordFolder(folder.path());
    left.setPracticeMode(true);
    left.press(Control::seeanswer1);
    left.flushRecords();
    Session session(Subjects::code(0, 72, 0.6, 12.3));
    session.setRecordFolder(folder.path());
    Program program(session);
    program.window().show();
    whenOpen(findings, "continue",
             [](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    program.practice().start();
    whenOpen(findings, "sheet", [](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    program.teacher().exportPdf();
    QVERIFY2(findings.found().isEmpty(), qPrintable(findings.found().join(u'\n')));
}

void TestPseudo::teacherWindow() {
    Findings findings({m_dir.path(), QDir::toNativeSeparators(m_dir.path())});
    const Attempt attempt =
        Records::judged("W65-0.5-10.8", {QStringLiteral("Ñúñó"), "7"}, "2026-12-08T10:00:00.000Z",
                        2, {{Field::totalLactate, "13"}});
    QVERIFY(Records::put(m_dir.filePath("a.json"),
                         RecordJson::write(attempt).replace("notYet", "correct")));
    QVERIFY(Records::put(m_dir.filePath("b.json"), "{"));

    TeacherWindow window;
    window.show();
    window.classSet()->codesField()->setPlainText(QStringLiteral("X1"));
    window.classSet()->write();
    findings.checkWidget("class set", &window);
    window.addRecords({m_dir.path()});
    findings.checkWidget("handed in", &window);
    QVERIFY2(findings.found().isEmpty(), qPrintable(findings.found().join(u'\n')));
}

void TestPseudo::paper() {
    REQUIRE_PDFTOOLS();
    Findings findings({m_dir.path()});
    const SubjectCode code = Subjects::code(0, 72, 0.6, 12.3);
    QVERIFY(Paper::writePdf(
        {{Sheet::Worksheet, m_dir.filePath("w.pdf")}, {Sheet::Key, m_dir.filePath("k.pdf")}},
        {code}));
    const Attempt attempt =
        Records::judged("M72-0.6-12.3", {QStringLiteral("Ñúñó"), {}}, "2026-12-08T10:00:00.000Z", 2,
                        {{Field::totalLactate, "150"}});
    QVERIFY(Paper::writeResultSlip(attempt, m_dir.filePath("s.pdf")));
    QVERIFY(Records::put(m_dir.filePath("r.json"), RecordJson::write(attempt)));
    HandedIn handedIn;
    handedIn.add(m_dir.filePath("r.json"));
    QVERIFY(Paper::writeReport(handedIn, m_dir.filePath("report.pdf")));
    for (const char* pdf : {"w.pdf", "k.pdf", "s.pdf", "report.pdf"})
        findings.checkPdf(QString::fromLatin1(pdf), m_dir.filePath(QString::fromLatin1(pdf)));
    QVERIFY2(findings.found().isEmpty(), qPrintable(findings.found().join(u'\n')));
}

QTEST_MAIN(TestPseudo)
#include "tst_pseudo.moc"
