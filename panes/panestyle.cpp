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
// Stored uncompressed, so that they are used in place.
constexpr const char* faces[] = {":/fonts/LiberationSans-Bold.ttf",
                                 ":/fonts/LiberationSans-Regular.ttf",
                                 ":/fonts/LiberationSans-BoldItalic.ttf"};

// As the application object is made, before anything is drawn: the logo
// and the diagrams' labels name the family themselves, and where the system
// has no copy of it (Windows; Debian without fonts-liberation2) they would
// otherwise draw empty boxes until a window first asked for its font.
void registerFaces() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return; // the command line's own application draws nothing
    QFontDatabase::families(); // reads the system's fonts
    for (const char* name : faces) {
        const QResource resource(QString::fromLatin1(name));
        if (QFontDatabase::addApplicationFontFromData(
                resource.compressionAlgorithm() == QResource::NoCompression
                    ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                              resource.size())
                    : resource.uncompressedData()) < 0)
            qCWarning(lcKorvanel, "Cannot load the font %s", name);
    }
    // Every font, a drawing's too, hinted as Debian's fontconfig does it by
    // default: lightly, keeping the letters' widths. FreeType on Windows
    // would hint them fully.
    QFont font = QGuiApplication::font();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QGuiApplication::setFont(font);
}
Q_COREAPP_STARTUP_FUNCTION(registerFaces)

QFont face(QFont::Weight weight) {
    QFont font(QString::fromLatin1(PaneStyle::family));
    font.setWeight(weight);
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QFont boldFont(int pixelSize) {
    QFont font = face(QFont::Bold);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont PaneStyle::windowFont(qreal scale) {
    return boldFont(std::max(1, qRound(windowPixelSize * scale)));
}

QFont PaneStyle::titleFont(qreal scale) {
    return boldFont(std::max(1, qRound(titlePixelSize * scale)));
}

QFont PaneStyle::paperFont(qreal pointSize, QFont::Weight weight) {
    QFont font = face(weight);
    font.setPointSizeF(pointSize);
    return font;
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
