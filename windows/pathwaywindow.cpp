#include "pathwaywindow.h"

#include "panes/announcer.h"
#include "panes/panestyle.h"
#include "panes/picture.h"
#include "panes/textpane.h"

#include <QAction>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

namespace {

// Where each window puts its controls; what it shows is the pathway's own
// (stages/pathways.h).
struct PathwayLayout {
    Twips logo;      // Picture2
    Twips hide;      // Command1, "Hide pathway"
    Twips picture;   // Picture1, the diagram
    Twips titlePane; // Picture3, where the window has a title pane
};

// Tab order: Picture2, Command1, Picture1, Picture3. Both windows are
// 1024 x 768 px of white behind everything (shape1).
constexpr PathwayLayout form2 = {
    {12720, 120, 2415, 1455},
    {12960, 10320, 2055, 615},
    {2160, 1920, 10335, 7335},
    {2280, 840, 10335, 615},
};

constexpr PathwayLayout form3 = {
    {12720, 120, 2415, 1455},
    {12720, 10320, 2055, 615},
    {2760, 720, 8400, 10155},
    {},
};

const PathwayLayout& layoutOf(Pathway pathway) {
    return pathway == Pathway::Gluconeogenesis ? form2 : form3;
}

} // namespace

PathwayWindow::PathwayWindow(Pathway pathway, QWidget* parent)
    : FormWindow(pathwayInfo(pathway).windowName, parent, Qt::Window)
    , m_pathway(pathway) {
    const PathwayInfo& info = pathwayInfo(pathway);
    const PathwayLayout& layout = layoutOf(pathway);
    setAccessibleName(info.accessibleNameText());

    place(newLogo(), "Picture2", layout.logo);

    auto* hide = new QPushButton(tr("Hide pathway"), this);
    place(hide, "Command1", layout.hide);

    m_diagram = new Picture(QString::fromLatin1(info.drawing), this);
    m_diagram->translateLabels();
    place(m_diagram, "Picture1", layout.picture);
    m_diagram->setAccessibleName(info.descriptionText());
    m_diagram->setAccessibleDescription(info.stepsText());
    // A screen reader reaches the diagram's step-by-step description by Tab.
    m_diagram->setFocusPolicy(Qt::TabFocus);

    if (info.titleInWindow) {
        m_title = new TextPane(this);
        place(m_title, "Picture3", layout.titlePane, Face::Title);
        //: The pane that holds the diagram's title.
        m_title->setAccessibleName(tr("Title"));
        m_title->setFont(PaneStyle::titleFont());
        m_title->setPalette(PaneStyle::pagePalette(PaneStyle::titleInk));
        // The window's load: its one title line.
        m_title->printLine({PrintItem::fromText(info.titleText())});
    }

    connect(hide, &QPushButton::clicked, this, &QWidget::hide);
    connect(newAction(QString(), QKeySequence(Qt::Key_Escape)), &QAction::triggered, this,
            &QWidget::hide);
}

void PathwayWindow::present() {
    m_presented = true;
    if (!isVisible())
        showMaximized();
    raise();
    activateWindow();
}

void PathwayWindow::changeEvent(QEvent* event) {
    FormWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !m_presented)
        return;
    m_presented = false;
    // After the reader has named the window and its focused button.
    QTimer::singleShot(0, this, [this] {
        announcer()->announce(
            tr("%1. The diagram and its step-by-step description follow on Tab; Escape puts "
               "the window away.")
                .arg(pathwayInfo(m_pathway).titleText()));
    });
}
