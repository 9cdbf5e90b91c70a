#include "verdict.h"

#include <QCoreApplication>

#include <iterator>

namespace {

struct Written {
    Verdict verdict;
    QStringView name;
    const char* words;
    char16_t mark;
};

// Every message of a verdict starts with its words, in every language.
constexpr Written written[] = {
    //: A verdict on an answer: right.
    {Verdict::correct, u"correct", QT_TRANSLATE_NOOP("Verdict", "Correct"), u'\u221a'},
    //: A verdict on an answer: not right yet, said kindly, for it invites another try.
    {Verdict::slip, u"slip", QT_TRANSLATE_NOOP("Verdict", "Not yet"), u'\u00d7'},
    //: A verdict on an answer: the method is right, and the difference comes from the
    //: student's own wrong answer to an earlier question.
    {Verdict::carriedForward, u"carriedForward", QT_TRANSLATE_NOOP("Verdict", "Carried forward"),
     u'\u2192'},
    //: A verdict on an answer: near it, but not within its tolerance; not the command that
    //: closes a window.
    {Verdict::close, u"close", QT_TRANSLATE_NOOP("Verdict", "Close"), u'\u2248'},
    {Verdict::notYet, u"notYet", QT_TRANSLATE_NOOP("Verdict", "Not yet"), u'\u00d7'},
};
// √ is the square root, the nearest to a tick Liberation Sans has; → the
// right arrow, ≈ almost equal to, × the multiplication sign.

static_assert(std::size(written) == 5);

const Written& of(Verdict verdict) {
    return written[int(verdict)];
}

} // namespace

QString verdictWords(Verdict verdict) {
    return QCoreApplication::translate("Verdict", of(verdict).words);
}

QString verdictTableWords(Verdict verdict) {
    return QString::fromLatin1(of(verdict).words);
}

QChar verdictMark(Verdict verdict) {
    return QChar(of(verdict).mark);
}

bool isRight(Verdict verdict) {
    return verdict == Verdict::correct || verdict == Verdict::carriedForward;
}

QString verdictName(Verdict verdict) {
    return of(verdict).name.toString();
}

std::optional<Verdict> verdictNamed(QStringView name) {
    for (const Written& w : written)
        if (w.name == name)
            return w.verdict;
    return std::nullopt;
}
