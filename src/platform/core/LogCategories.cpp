#include "platform/core/LogCategories.h"

Q_LOGGING_CATEGORY(lcProgram, "chronel.program")
Q_LOGGING_CATEGORY(lcDatabase, "chronel.database")
Q_LOGGING_CATEGORY(lcNetwork, "chronel.network")
Q_LOGGING_CATEGORY(lcMessages, "chronel.messages")
