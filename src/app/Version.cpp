#include "app/Version.h"

namespace vamok {

namespace {

struct VersionNumbers {
    int major, minor, release, build;
};

#if defined(VAMOK_VERSION_MAJOR) && defined(VAMOK_VERSION_MINOR) && \
    defined(VAMOK_VERSION_RELEASE) && defined(VAMOK_VERSION_BUILD)
constexpr bool kHasVersion = true;
constexpr VersionNumbers kVersion{VAMOK_VERSION_MAJOR, VAMOK_VERSION_MINOR, VAMOK_VERSION_RELEASE,
                                  VAMOK_VERSION_BUILD};
#else
constexpr bool kHasVersion = false;
constexpr VersionNumbers kVersion{0, 0, 0, 0};
#endif

std::string Dotted3()
{
    return std::to_string(kVersion.major) + "." + std::to_string(kVersion.minor) + "." +
           std::to_string(kVersion.release);
}

} // namespace

std::string VersionText()
{
    if (!kHasVersion) {
        return "0.0.0.0";
    }
    return Dotted3() + " [Build " + std::to_string(kVersion.build) + "]";
}

std::string VersionNumberText()
{
    if (!kHasVersion) {
        return "0.0.0.0";
    }
    return Dotted3() + "." + std::to_string(kVersion.build);
}

} // namespace vamok
