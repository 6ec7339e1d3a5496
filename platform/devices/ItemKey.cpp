#include "ItemKey.h"

namespace Corvane::Devices {

const int ItemKey::INVALID_SUB_ID = -1;

} // namespace Corvane::Devices
