// What every fuzz target shares: an invariant that must hold, or the run
// stops here with libFuzzer's report and the input that broke it.
#pragma once

#include "model/visibletext.h"

#include <QString>
#include <QStringView>

#include <cstdio>
#include <optional>

namespace Fuzz {

// Not assert(): it must hold in a RelWithDebInfo build too.
inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz: %s\n", what);
        __builtin_trap();
    }
}

// A message that quotes what was typed or read must show it escaped.
inline void requireVisible(QStringView message, const char* what) {
    if (VisibleText::hasControl(message))
        std::fprintf(stderr, "fuzz: raw control in %s: %s\n", what,
                     message.toUtf8().toHex(' ').constData());
    require(!VisibleText::hasControl(message), what);
}

inline void requireVisible(const std::optional<QString>& message, const char* what) {
    if (message)
        requireVisible(QStringView(*message), what);
}

} // namespace Fuzz
