#pragma once

namespace Corvane::Sentrel {

// Gives the program's windows its icon (task bars, window switchers), once.
// Loading it takes a few milliseconds: the gadget's start sets it when its
// first frame is painted, a message box shown before that sets it first.
void setApplicationIcon();

} // namespace Corvane::Sentrel
