// A pathway diagram with its labels drawn as text in the run's language:
// the drawing through QSvgRenderer, each <text> label translated
// (diagramLabel()) and set in the font, size, weight, colour and anchor the
// drawing gives it. Paper draws every diagram so, and the pathway windows
// in a language other than English.
//
// Qt 6.4's SVG renderer draws every glyph of a label as a path, and in a
// PDF that is slow and large (a key's two diagram pages took 550 kB and a
// class set of 30 keys 4 s) and cannot be searched or copied; nor can it
// translate them. So the labels are taken out of the drawing and drawn from
// the same source. A drawing whose labels use what this does not follow (a
// transform or style sheet around a label, a tspan, a label in <defs>) is
// drawn wholly by the renderer, untranslated.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>
#include <QSvgRenderer>

#include <map>
#include <memory>

class QPainter;
class TextShaper;

class Diagram {
public:
    explicit Diagram(const QString& fileName);
    explicit Diagram(const QByteArray& source);
    ~Diagram();

    bool isValid() const { return m_drawing.isValid(); }
    QSizeF size() const { return m_drawing.viewBoxF().size(); }
    // True when the labels are drawn as text.
    bool labelsAsText() const { return m_labelsAsText; }

    void draw(QPainter& painter, const QRectF& target) const;

private:
    struct Label {
        QPointF at; // of the anchor, on the baseline
        QString text;
        QFont font; // at labelPixels; scaled to size when drawn
        qreal size;
        QColor ink;
        Qt::Alignment anchor;
    };

    void load(const QByteArray& source, const QString& name);
    bool takeLabels(const QByteArray& source, QByteArray* drawing);

    mutable QSvgRenderer m_drawing; // render() is not const
    QList<Label> m_labels;
    // The labels' texts shaped once for every page they are drawn on, by font.
    mutable std::map<QString, std::unique_ptr<TextShaper>> m_shapers;
    bool m_labelsAsText = false;
};
