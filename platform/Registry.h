#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// One open key of the read-only registry. Closing is the destructor.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // Copies the value's data into buffer. Fails (false) when there is no such value or its
    // data is longer than the buffer; size then tells nothing. The value's type is not looked at.
    virtual bool QueryValue(const std::string& name, std::uint8_t* buffer, std::uint32_t& size) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // The key under the local-machine root, opened for reading; null when it cannot be opened.
    virtual std::unique_ptr<RegistryKey> OpenKey(const std::string& path) = 0;
};

inline const std::string CentralProcessorKey = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
inline const std::string ProcessorMhzValue = "~MHz";

// Serves the one key the program reads: the processor's nominal (time-stamp counter) clock
// as "~MHz", taken from the best source this machine offers; missing when there is none.
class SystemRegistry final : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(const std::string& path) override;
};

// The nominal clock in MHz as the sources of this machine tell it, best first.
std::optional<std::uint32_t> NominalProcessorMhz();

// Pieces of NominalProcessorMhz, apart so that they can be checked on known texts.
std::optional<std::uint32_t> MhzFromModelName(const std::string& cpuinfo);
std::optional<std::uint32_t> MhzFromTscKhzFile(const std::string& content);

} // namespace platform
