#include "about_text.h"

#include "base/format.h"

namespace quillory {

namespace {

constexpr std::uint16_t kArchitectureAmd64 = 9;
constexpr std::uint16_t kArchitectureIa64 = 6;

Text asciiText(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }

}  // namespace

Text buildLine(std::string_view date, std::string_view time) {
    return u"Build : " + asciiText(date) + u", " + asciiText(time);
}

Text bitnessText(const BitnessProbe& probe, bool builtFor64Bit) {
    // A process that is not emulated runs at the system's own width, which for a 64-bit build
    // can only be 64 bits.
    if (!probe.emulated.value_or(false)) return builtFor64Bit ? u"64bit" : u"32bit";
    const auto architecture = probe.nativeArchitecture;
    if (architecture == kArchitectureAmd64 || architecture == kArchitectureIa64) return u"64bit";
    return u"WOW64";
}

Text systemLine(const SystemVersion& version, TextView bitness) {
    return formatText(u"Windows Version : %u.%u %s, %u, %u, %s,",
                      {version.major, version.minor, version.servicePack, version.build, version.platformId, bitness});
}

Text compilerLine(const CompilerVersion& compiler) {
    return formatText(u"%s : %d.%02d.%05d.%02d ",
                      {compiler.name, compiler.major, compiler.minor, compiler.build, compiler.revision});
}

}  // namespace quillory
