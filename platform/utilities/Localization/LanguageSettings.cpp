#include "utilities/Localization/LanguageSettings.h"

namespace Corvane::Utilities::Localization {

const QString LanguageSettings::DEFAULT_LOCALE = QStringLiteral("en");
const QString LanguageSettings::ARABIC_LOCALE = QStringLiteral("ar");

} // namespace Corvane::Utilities::Localization
