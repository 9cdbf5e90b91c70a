// The reference for start-up and memory: the least a Qt Widgets program does
// to put the same eight lines on screen. One plain QWidget, maximised, whose
// paintEvent draws the problem statement (one fixed subject) in the program's
// font, Liberation Sans bold 13 px, at the question pane's place; no icon,
// no resources, no Qt Svg. Measured exactly as bench_startup_korvanel is
// (see startup_korvanel.cpp for the clock and the end of a run).
#include "bench/probe.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

struct Segment {
    int column; // 1-based character cell where the text starts
    const char* text;
};

// The statement as Korvanel prints it, numbers filled in for one subject.
const std::vector<std::vector<Segment>> statementLines = {
    {{5, "You are considering a  man  who weighs  72  kg.  He  has just completed a 100 m "
         "sprint."}},
    {},
    {{5, "Before the race  his  plasma lactate was  1.2  mmol /L"}},
    {{5, "Immediately after the race   his   plasma lactate was  14.4  mmol /L"}},
    {{5, "30 minutes later   his   plasma lactate was  5.6  mmol /L"}},
    {},
    {{1, "1)"}, {5, "Assuming that extracellular fluid is 20% of body weight,"}},
    {{5, "what is the total amount of lactate that  he  has metabolised in 30 minutes?"}},
};

const QPoint pageOrigin(8, 8);
constexpr int pageWidth = 825;

class EightLines : public QWidget {
public:
    EightLines() {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(13);
        font.setWeight(QFont::Bold);
        setFont(font);
    }

    QRect linesRect() const {
        return {pageOrigin,
                QSize(pageWidth, int(statementLines.size()) * fontMetrics().lineSpacing())};
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.setPen(Qt::black);
        const QFontMetrics metrics = fontMetrics();
        int baseline = pageOrigin.y() + metrics.ascent();
        for (const auto& line : statementLines) {
            for (const Segment& segment : line)
                painter.drawText(pageOrigin.x() + (segment.column - 1) * metrics.averageCharWidth(),
                                 baseline, QString::fromLatin1(segment.text));
            baseline += metrics.lineSpacing();
        }
    }
};

} // namespace

int main(int argc, char* argv[]) {
    const int settleMs = Probe::settleArgument(argc, argv);

    QApplication app(argc, argv);
    EightLines window;
    Probe::FirstPaintReport report(&window, window.linesRect(), settleMs);
    window.showMaximized();
    return app.exec();
}
