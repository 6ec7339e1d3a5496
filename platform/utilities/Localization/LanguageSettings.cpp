#include "utilities/Localization/LanguageSettings.h"

namespace Corvane::Utilities::Localization {

const QString LanguageSettings::DEFAULT_LOCALE = QStringLiteral("en_US");
const QString LanguageSettings::ARABIC_LOCALE = QStringLiteral("ar_SA");

} // namespace Corvane::Utilities::Localization
