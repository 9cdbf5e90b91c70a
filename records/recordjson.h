// A practice record as a file: the attempt written as one JSON document,
// a check a line, and read back with every member checked, so that a
// damaged or foreign file is refused with its reason rather than half
// believed. The reasons are sentences of their own, each to follow one
// that names the file ("The file is cut short: ...").
#pragma once

#include "attempt.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

class RecordJson {
    Q_DECLARE_TR_FUNCTIONS(RecordJson)

public:
    // A record of Attempt::mostChecks checks takes under 8 MB.
    static constexpr qint64 largestFile = 8'000'000;

    // The record, whatever Attempt::fault() says of the attempt.
    static QByteArray write(const Attempt& attempt);
    // Nothing when `data` is not a whole, valid record; then *error says why
    // in one sentence.
    static std::optional<Attempt> read(const QByteArray& data, QString* error = nullptr);
    // Why a file of `bytes` is not read, or nothing when its size is fine.
    static std::optional<QString> tooLarge(qint64 bytes);
};
