// The six C functions of the phone link. Nothing else leaves the library
// (gbp.map), and no C++ exception crosses this boundary.
#include "gbp/PhoneCodes.h"
#include "gbp/VirtualPhone.h"
#include "phonelink/GbpApi.h"

#include <type_traits>

#define GBP_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

gbp::VirtualPhone& phone() {
    static gbp::VirtualPhone instance;
    return instance;
}

template <typename F> int32_t guarded(F&& call) noexcept {
    try {
        return call();
    } catch (...) {
        return gbp::kIoError;
    }
}

} // namespace

GBP_EXPORT int32_t InitGBPMode(int32_t port) {
    return guarded([&] { return phone().init(port); });
}

GBP_EXPORT int32_t EndGBPMode(void) {
    return guarded([&] { return phone().end(); });
}

GBP_EXPORT int32_t ReadNVMFile(uint8_t section, uint8_t file, void* buffer, int32_t capacity) {
    return guarded(
        [&] { return phone().read(section, file, static_cast<uint8_t*>(buffer), capacity); });
}

GBP_EXPORT int32_t WriteNVMFile(uint8_t section, uint8_t file, const void* buffer, int32_t length) {
    return guarded(
        [&] { return phone().write(section, file, static_cast<const uint8_t*>(buffer), length); });
}

GBP_EXPORT int32_t ClearNVMFile(uint8_t section, uint8_t file) {
    return guarded([&] { return phone().clear(section, file); });
}

GBP_EXPORT int32_t GetNVMFileSize(uint8_t section, uint8_t file) {
    return guarded([&] { return phone().size(section, file); });
}

// The loader casts the resolved symbols to these types.
static_assert(std::is_same_v<decltype(&InitGBPMode), InitGBPModeFn>);
static_assert(std::is_same_v<decltype(&EndGBPMode), EndGBPModeFn>);
static_assert(std::is_same_v<decltype(&ReadNVMFile), ReadNVMFileFn>);
static_assert(std::is_same_v<decltype(&WriteNVMFile), WriteNVMFileFn>);
static_assert(std::is_same_v<decltype(&ClearNVMFile), ClearNVMFileFn>);
static_assert(std::is_same_v<decltype(&GetNVMFileSize), GetNVMFileSizeFn>);
