#pragma once
// The technical lines of the About box: when the program was built, which Windows runs it and
// which compiler built it.
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/text.h"

namespace quillory {

// "Build : Jan 13 2024, 20:08:47" from the compiler's date and time strings.
Text buildLine(std::string_view date, std::string_view time);

// What RtlGetVersion reports; all zero and empty when it cannot be asked.
struct SystemVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platformId = 0;
    Text servicePack;
};

// What the bitness checks found. `emulated` is empty when IsWow64Process is missing or fails;
// `nativeArchitecture` is empty when GetNativeSystemInfo is missing.
struct BitnessProbe {
    std::optional<bool> emulated;
    std::optional<std::uint16_t> nativeArchitecture;
};

// "32bit", "64bit" or "WOW64".
Text bitnessText(const BitnessProbe& probe, bool builtFor64Bit);

// "Windows Version : 10.0 , 19045, 2, 64bit,"
Text systemLine(const SystemVersion& version, TextView bitness);

struct CompilerVersion {
    Text name;
    int major = 0;
    int minor = 0;
    int build = 0;
    int revision = 0;
};

// "MinGW-w64 GCC : 12.02.00000.00 "
Text compilerLine(const CompilerVersion& compiler);

}  // namespace quillory
