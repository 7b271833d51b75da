#include "generation/generationlog.h"

namespace iconsmith {

Q_LOGGING_CATEGORY(lcGeneration, "iconsmith.generation", QtInfoMsg)

} // namespace iconsmith
