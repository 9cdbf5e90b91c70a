#include "pathwaywindow.h"

#include "panes/panestyle.h"
#include "panes/picture.h"
#include "panes/textpane.h"
#include "panes/twips.h"

#include <QPushButton>

namespace {

struct PathwayLayout {
    const char* windowName;
    const char* diagram;     // resource of the diagram
    const char* title;       // printed into the title pane, or none
    const char* description; // what the diagram shows, for assistive technology
    Twips logo;              // Picture2
    Twips hide;              // Command1, "Hide pathway"
    Twips picture;           // Picture1, the diagram
    Twips titlePane;         // Picture3
};

// Tab order: Picture2, Command1, Picture1, Picture3. Both windows are
// 1024 x 768 px of white behind everything (shape1).
const PathwayLayout form2 = {
    "Form2",
    ":/assets/gluconeogenesis.svg",
    "Gluconeogenesis from lactate",
    "Pathway diagram: gluconeogenesis from lactate",
    {12720, 120, 2415, 1455},
    {12960, 10320, 2055, 615},
    {2160, 1920, 10335, 7335},
    {2280, 840, 10335, 615},
};

const PathwayLayout form3 = {
    "Form3",
    ":/assets/citricacidcycle.svg",
    nullptr,
    "Pathway diagram: lactate oxidation and the citric acid cycle",
    {12720, 120, 2415, 1455},
    {12720, 10320, 2055, 615},
    {2760, 720, 8400, 10155},
    {},
};

constexpr Twips shape1 = {0, 0, 15360, 11520};
constexpr QSize restoredClientSize(312, 206);

const PathwayLayout& layoutOf(Pathway pathway) {
    return pathway == Pathway::Gluconeogenesis ? form2 : form3;
}

} // namespace

PathwayWindow::PathwayWindow(Pathway pathway, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_pathway(pathway) {
    const PathwayLayout& layout = layoutOf(pathway);
    setObjectName(QString::fromLatin1(layout.windowName));
    setWindowTitle(QStringLiteral("Korvanel calculation"));
    setFont(PaneStyle::windowFont());
    setPalette(PaneStyle::pagePalette(palette().color(QPalette::WindowText)));
    setAutoFillBackground(true);
    resize(restoredClientSize);

    auto* backdrop = new QWidget(this);
    backdrop->setObjectName(QStringLiteral("shape1"));
    backdrop->setGeometry(shape1.pixels());
    backdrop->setAutoFillBackground(true);
    backdrop->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* logo =
        new Picture(QStringLiteral(":/assets/logo.svg"), QStringLiteral(":/assets/logo.png"), this);
    logo->setObjectName(QStringLiteral("Picture2"));
    logo->setGeometry(layout.logo.pixels());

    auto* hide = new QPushButton(tr("Hide pathway"), this);
    hide->setObjectName(QStringLiteral("Command1"));
    hide->setGeometry(layout.hide.pixels());

    m_diagram = new Picture(QString::fromLatin1(layout.diagram), this);
    m_diagram->setObjectName(QStringLiteral("Picture1"));
    m_diagram->setGeometry(layout.picture.pixels());
    m_diagram->setAccessibleName(QString::fromLatin1(layout.description));

    if (layout.title) {
        m_title = new TextPane(this);
        m_title->setObjectName(QStringLiteral("Picture3"));
        m_title->setGeometry(layout.titlePane.pixels());
        m_title->setFont(PaneStyle::titleFont());
        m_title->setPalette(PaneStyle::pagePalette(Qt::blue));
        // The window's load: its one title line.
        m_title->printLine({PrintItem::fromText(QString::fromLatin1(layout.title))});
    }

    connect(hide, &QPushButton::clicked, this, &QWidget::hide);
}

void PathwayWindow::present() {
    if (!isVisible())
        showMaximized();
    raise();
    activateWindow();
}
