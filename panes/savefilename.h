// The one way a window asks where to save a file: the desktop's file
// dialog, starting from a suggested name in a folder, and the suggestion's
// extension added where the name typed has none ("class" becomes
// "class.csv"). Empty when the person cancels.
#pragma once

#include <QString>

class QWidget;

QString askSaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                        const QString& filter);
