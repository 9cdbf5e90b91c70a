#include "printitem.h"

#include "model/language.h"

#include <algorithm>
#include <charconv>

namespace {

// In the run's language: 14.4, or 14,4.
template <typename T> QString shortestFixed(T value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    if (const QChar point = Language::decimalPoint(); point != u'.')
        text.replace(u'.', point);
    return text;
}

} // namespace

QString PrintItem::decimal(float value) {
    return shortestFixed(value);
}

QString PrintItem::decimal(double value) {
    return shortestFixed(value);
}

QString plainText(const PrintLine& line) {
    QString text;
    for (const PrintItem& item : line) {
        if (item.kind == PrintItem::Kind::Tab)
            text = text.leftJustified(std::max<qsizetype>(text.size(), item.column - 1), u' ');
        else if (item.kind == PrintItem::Kind::Mark)
            text += QString(item.text.size(), u' ');
        else
            text += item.text;
    }
    return text;
}
