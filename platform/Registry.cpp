#include "Registry.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace platform {

namespace {

std::string ReadFile(const char* path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::optional<std::uint32_t> RoundedMhz(double mhz) {
    if (!(mhz >= 1.0 && mhz < 4.0e9))
        return std::nullopt;
    return std::uint32_t(std::lround(mhz));
}

// CPUID leaf 0x15 gives the time-stamp counter as a ratio of the core crystal clock; leaf 0x16
// the base frequency. Either is the nominal clock when the processor enumerates it.
std::optional<std::uint32_t> MhzFromCpuid() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned a = 0, b = 0, c = 0, d = 0;
    const unsigned maxLeaf = __get_cpuid_max(0, nullptr);
    if (maxLeaf >= 0x15) {
        __cpuid(0x15, a, b, c, d);
        if (a != 0 && b != 0 && c != 0)
            return RoundedMhz(double(c) * b / a / 1e6);
    }
    if (maxLeaf >= 0x16) {
        __cpuid(0x16, a, b, c, d);
        if ((a & 0xFFFF) != 0)
            return a & 0xFFFF;
    }
#endif
    return std::nullopt;
}

// Linux itself: the "cpu MHz" line is the calibrated time-stamp clock on machines without
// frequency scaling, so it serves only as the last resort.
std::optional<std::uint32_t> MhzFromCpuMhzLine(const std::string& cpuinfo) {
    static const std::regex line(R"(cpu MHz\s*:\s*([0-9.]+))");
    std::smatch m;
    if (std::regex_search(cpuinfo, m, line))
        return RoundedMhz(std::stod(m[1]));
    return std::nullopt;
}

class ProcessorKey final : public RegistryKey {
public:
    bool QueryValue(const std::string& name, std::uint8_t* buffer, std::uint32_t& size) override {
        if (name != ProcessorMhzValue)
            return false;
        const auto mhz = NominalProcessorMhz();
        if (!mhz || size < sizeof(std::uint32_t))
            return false;
        std::memcpy(buffer, &*mhz, sizeof(std::uint32_t));
        size = sizeof(std::uint32_t);
        return true;
    }
};

} // namespace

std::optional<std::uint32_t> MhzFromTscKhzFile(const std::string& content) {
    try {
        return RoundedMhz(std::stod(content) / 1000.0);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<std::uint32_t> MhzFromModelName(const std::string& cpuinfo) {
    static const std::regex name(R"(model name\s*:[^\n]*@\s*([0-9.]+)\s*([GM])Hz)");
    std::smatch m;
    if (!std::regex_search(cpuinfo, m, name))
        return std::nullopt;
    const double value = std::stod(m[1]);
    return RoundedMhz(m[2] == "G" ? value * 1000.0 : value);
}

std::optional<std::uint32_t> NominalProcessorMhz() {
    if (auto mhz = MhzFromTscKhzFile(ReadFile("/sys/devices/system/cpu/cpu0/tsc_freq_khz")))
        return mhz;
    if (auto mhz = MhzFromCpuid())
        return mhz;
    const std::string cpuinfo = ReadFile("/proc/cpuinfo");
    if (auto mhz = MhzFromModelName(cpuinfo))
        return mhz;
    if (auto khz =
            MhzFromTscKhzFile(ReadFile("/sys/devices/system/cpu/cpu0/cpufreq/base_frequency")))
        return khz;
    return MhzFromCpuMhzLine(cpuinfo);
}

std::unique_ptr<RegistryKey> SystemRegistry::OpenKey(const std::string& path) {
    if (path != CentralProcessorKey)
        return nullptr;
    return std::make_unique<ProcessorKey>();
}

} // namespace platform
