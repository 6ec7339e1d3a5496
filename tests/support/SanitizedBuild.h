#pragma once

// What a build with AddressSanitizer and UndefinedBehaviorSanitizer changes
// for tests: the sanitizer keeps freed blocks back to catch late uses, so
// the resident memory is not the program's own, and the checks slow the
// program several times over, so bounds on time grow with them.
namespace SanitizedBuild {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool ACTIVE = true;
constexpr int SLOWDOWN = 5;
#else
constexpr bool ACTIVE = false;
constexpr int SLOWDOWN = 1;
#endif

} // namespace SanitizedBuild
