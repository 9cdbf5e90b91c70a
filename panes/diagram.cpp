#include "diagram.h"

#include "model/logging.h"
#include "panes/panestyle.h"
#include "panes/textshaper.h"
#include "stages/pathways.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <optional>
#include <vector>

namespace {

// Labels are set at this size and scaled to theirs, as the renderer does,
// so that the advances of small type are not rounded to whole pixels.
constexpr int labelPixels = 100;

// What a label takes from the elements around it.
struct Style {
    QString family;
    qreal size = 16; // SVG's "medium"
    int weight = QFont::Normal;
    QString fill = QStringLiteral("black");
    Qt::Alignment anchor = Qt::AlignLeft;
    bool followed = true;
};

std::optional<qreal> number(QStringView text) {
    if (text.endsWith(u"px"))
        text.chop(2);
    bool ok = false;
    const qreal value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<qreal>(value) : std::nullopt;
}

// A label inside what is drawn elsewhere, or moved or styled otherwise than
// by attributes, is not followed.
Style inherit(const Style& parent, QStringView element, bool root,
              const QXmlStreamAttributes& attributes) {
    Style style = parent;
    const auto given = [&](const char* name) {
        return attributes.hasAttribute(QLatin1String(name));
    };
    const auto value = [&](const char* name) {
        return attributes.value(QLatin1String(name));
    };

    const bool elsewhere = element == u"defs" || element == u"symbol" || element == u"pattern" ||
                           element == u"mask" || element == u"clipPath" ||
                           (element == u"svg" && !root);
    if (elsewhere || given("transform") || given("style") || given("class"))
        style.followed = false;
    if (given("font-family")) {
        QString family = value("font-family").split(u',').front().trimmed().toString();
        family.remove(u'\'').remove(u'"');
        style.family = family;
    }
    if (given("font-size")) {
        if (const auto size = number(value("font-size")))
            style.size = *size;
        else
            style.followed = false;
    }
    if (given("font-weight")) {
        const QStringView weight = value("font-weight");
        bool numeric = false;
        const int n = weight.toInt(&numeric);
        if (weight == u"bold")
            style.weight = QFont::Bold;
        else if (weight == u"normal")
            style.weight = QFont::Normal;
        else if (numeric)
            style.weight = n;
        else
            style.followed = false;
    }
    if (given("fill"))
        style.fill = value("fill").toString();
    if (given("text-anchor")) {
        const QStringView anchor = value("text-anchor");
        style.anchor = anchor == u"middle" ? Qt::AlignHCenter
                       : anchor == u"end"  ? Qt::AlignRight
                                           : Qt::AlignLeft;
    }
    return style;
}

} // namespace

Diagram::Diagram(const QString& fileName) {
    QFile file(fileName);
    QByteArray source;
    if (file.open(QIODevice::ReadOnly))
        source = file.readAll();
    else
        qCWarning(lcKorvanel, "Cannot open the diagram %ls: %ls", qUtf16Printable(fileName),
                  qUtf16Printable(file.errorString()));
    load(source, fileName);
}

Diagram::Diagram(const QByteArray& source) {
    load(source, QStringLiteral("a drawing"));
}

void Diagram::load(const QByteArray& source, const QString& name) {
    PaneStyle::loadDrawingFaces();
    QByteArray drawing;
    m_labelsAsText = takeLabels(source, &drawing);
    if (!m_labelsAsText) {
        m_labels.clear();
        drawing = source;
        qCInfo(lcKorvanel, "The labels of %ls are drawn by the SVG renderer",
               qUtf16Printable(name));
    }
    m_drawing.load(drawing);
}

bool Diagram::takeLabels(const QByteArray& source, QByteArray* drawing) {
    QXmlStreamReader reader(source);
    QXmlStreamWriter writer(drawing);
    std::vector<Style> styles(1);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const Style style =
                inherit(styles.back(), reader.name(), styles.size() == 1, reader.attributes());
            if (reader.name() == u"text") {
                const auto x = number(reader.attributes().value(QLatin1String("x")));
                const auto y = number(reader.attributes().value(QLatin1String("y")));
                const QColor ink = QColor::isValidColor(style.fill) ? QColor(style.fill) : QColor();
                const QString text =
                    reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement).simplified();
                if (!style.followed || !x || !y || reader.hasError() ||
                    (!ink.isValid() && style.fill != u"none"))
                    return false;
                if (ink.isValid() && !text.isEmpty()) {
                    QFont font(style.family);
                    font.setPixelSize(labelPixels);
                    font.setWeight(QFont::Weight(style.weight));
                    PaneStyle::hint(font);
                    m_labels.append(
                        {{*x, *y}, diagramLabel(text), font, style.size, ink, style.anchor});
                }
                continue; // the whole element is read, and left out of the drawing
            }
            styles.push_back(style);
        } else if (reader.isEndElement()) {
            styles.pop_back();
        }
        writer.writeCurrentToken(reader);
    }
    return !reader.hasError();
}

Diagram::~Diagram() = default;

void Diagram::draw(QPainter& painter, const QRectF& target) const {
    m_drawing.render(&painter, target);

    const QRectF box = m_drawing.viewBoxF();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / box.width(), target.height() / box.height());
    painter.translate(-box.topLeft());
    for (const Label& label : m_labels) {
        painter.save();
        painter.translate(label.at);
        painter.scale(label.size / labelPixels, label.size / labelPixels);
        painter.setFont(label.font);
        painter.setPen(label.ink);
        std::unique_ptr<TextShaper>& shaper = m_shapers[label.font.key()];
        if (!shaper)
            shaper = std::make_unique<TextShaper>(label.font, painter.device());
        const qreal width = shaper->advance(label.text);
        const qreal left = label.anchor == Qt::AlignHCenter ? -width / 2
                           : label.anchor == Qt::AlignRight ? -width
                                                            : 0;
        shaper->draw(painter, QPointF(left, 0), label.text);
        painter.restore();
    }
    painter.restore();
}
