#include "printitem.h"

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
