// Runs the application's event loop in a test.
#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <functional>

// Runs `action` from the application's event loop and waits for something
// to end that loop; false if nothing did within five seconds.
inline bool loopEndsAfter(QObject* context, const std::function<void()>& action) {
    QTimer::singleShot(0, context, action);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, context, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    return QCoreApplication::exec() == 0;
}
