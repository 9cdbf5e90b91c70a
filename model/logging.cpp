#include "logging.h"

Q_LOGGING_CATEGORY(lcKorvanel, "korvanel")
