#include "printitem.h"

#include <algorithm>
#include <charconv>

namespace {

template <typename T> QString shortestFixed(T value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
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
