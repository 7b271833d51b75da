#pragma once

#include <QLoggingCategory>

namespace iconsmith {

/**
 * The category of the generation's diagnostic lines (catalog entries and the marketing-image
 * check). Off below warnings by default; QT_LOGGING_RULES="iconsmith.generation.debug=true"
 * shows them.
 */
Q_DECLARE_LOGGING_CATEGORY(lcGeneration)

} // namespace iconsmith
