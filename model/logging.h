// The program's logging category: QT_LOGGING_RULES="korvanel.debug=true".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcKorvanel)
