#include "phonelink/PhoneLinkLoader.h"

#include "phonelink/GbpApi.h"

#include <dlfcn.h>

namespace {

template <typename Fn> Fn resolve(void* handle, const char* name) {
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

} // namespace

// dlopen is called from here, code linked into the executable, so that the
// executable's RUNPATH takes part in the search.
std::unique_ptr<PhoneLinkLibrary> PhoneLinkLibrary::load(const char* name) {
    void* handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    return std::unique_ptr<PhoneLinkLibrary>(new PhoneLinkLibrary(handle));
}

PhoneLinkLibrary::PhoneLinkLibrary(void* handle) : handle_(handle) {
    if (auto f = resolve<InitGBPModeFn>(handle, "InitGBPMode"))
        link_.InitGBPMode = f;
    if (auto f = resolve<EndGBPModeFn>(handle, "EndGBPMode"))
        link_.EndGBPMode = f;
    if (auto f = resolve<ReadNVMFileFn>(handle, "ReadNVMFile"))
        link_.ReadNVMFile = [f](uint8_t s, uint8_t n, uint8_t* buffer, int32_t capacity) {
            return f(s, n, buffer, capacity);
        };
    if (auto f = resolve<WriteNVMFileFn>(handle, "WriteNVMFile"))
        link_.WriteNVMFile = [f](uint8_t s, uint8_t n, const uint8_t* buffer, int32_t length) {
            return f(s, n, buffer, length);
        };
    if (auto f = resolve<ClearNVMFileFn>(handle, "ClearNVMFile"))
        link_.ClearNVMFile = f;
    if (auto f = resolve<GetNVMFileSizeFn>(handle, "GetNVMFileSize"))
        link_.GetNVMFileSize = f;
}

PhoneLinkLibrary::~PhoneLinkLibrary() {
    link_ = PhoneLink{};
    dlclose(handle_);
}
