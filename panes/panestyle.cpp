#include "panestyle.h"

#include "model/logging.h"
#include "programicon.h"

#include <QApplication>
#include <QFontDatabase>
#include <QResource>

#include <algorithm>

namespace {

// The faces the windows, the logo, the diagrams and paper use. They take the
// place of a system copy of the same family and style (Debian's older
// fonts-liberation draws the logo 3 px wider) only when registered after
// the system's fonts: Qt reads those over application fonts added before.
// Stored uncompressed, so that they are used in place. The windows' bold
// is registered first; the faces only drawings and paper use, when they are
// first needed (each costs the start-up a million instructions).
void registerFace(const char* name) {
    const QResource resource(QString::fromLatin1(name));
    if (QFontDatabase::addApplicationFontFromData(
            resource.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                          resource.size())
                : resource.uncompressedData()) < 0)
        qCWarning(lcKorvanel, "Cannot load the font %s", name);
}

QFont face(QFont::Weight weight) {
    static const bool registered = [] {
        QFontDatabase::families(); // reads the system's fonts
        registerFace(":/fonts/LiberationSans-Bold.ttf");
        return true;
    }();
    Q_UNUSED(registered);

    QFont font(QString::fromLatin1(PaneStyle::family));
    font.setWeight(weight);
    font.setStyleHint(QFont::SansSerif);
    PaneStyle::hint(font);
    return font;
}

QFont boldFont(int pixelSize) {
    QFont font = face(QFont::Bold);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

void PaneStyle::hint(QFont& font) {
#ifdef Q_OS_WIN
    font.setHintingPreference(QFont::PreferVerticalHinting);
#else
    Q_UNUSED(font);
#endif
}

QFont PaneStyle::windowFont(qreal scale) {
    return boldFont(std::max(1, qRound(windowPixelSize * scale)));
}

QFont PaneStyle::titleFont(qreal scale) {
    return boldFont(std::max(1, qRound(titlePixelSize * scale)));
}

void PaneStyle::loadDrawingFaces() {
    static const bool registered = [] {
        face(QFont::Bold);
        registerFace(":/fonts/LiberationSans-Regular.ttf");
        registerFace(":/fonts/LiberationSans-BoldItalic.ttf");
        return true;
    }();
    Q_UNUSED(registered);
}

QFont PaneStyle::paperFont(qreal pointSize, QFont::Weight weight) {
    loadDrawingFaces();
    QFont font = face(weight);
    font.setPointSizeF(pointSize);
    return font;
}

QColor PaneStyle::colour(Ink ink, const QColor& question) {
    switch (ink) {
    case Ink::Answer:
        return answerInk;
    case Ink::Title:
        return titleInk;
    case Ink::Right:
        return rightInk;
    case Ink::Question:
        break;
    }
    return question;
}

QPalette PaneStyle::pagePalette(const QColor& ink) {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, ink);
    return palette;
}

QIcon PaneStyle::programIcon() {
    return QIcon(new ProgramIconEngine);
}
