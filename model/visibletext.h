// Text that came from outside the program (a record a student hands in, a
// file name) made safe to show in a terminal, a dialog or a table: each
// control character is written out as "\u001b", so that none can clear a
// screen, retitle a terminal, cut a message short or reorder what follows.
#pragma once

#include <QString>
#include <QStringView>

namespace VisibleText {

// True for what escaped() writes out: C0 and C1 controls and DEL, the
// line and paragraph separators, the controls that override the direction
// of text, and a surrogate without its pair.
bool isControl(char32_t c);
bool hasControl(QStringView text);

QString escaped(QStringView text);

} // namespace VisibleText
