// A phone link library that passes every call on to the real libgbp.so
// ($GBP_TRACE_REAL) and appends one line per call to $GBP_TRACE_FILE:
// "<call>[ <section>-<file>] <answer>". The fault matrix learns from it which
// calls each command makes.
#include "phonelink/GbpApi.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#define TRACE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

void* Real(const char* name) {
    static void* handle = [] {
        const char* path = std::getenv("GBP_TRACE_REAL");
        return path ? dlopen(path, RTLD_NOW | RTLD_LOCAL) : nullptr;
    }();
    if (!handle) {
        std::fprintf(stderr, "tracing link: cannot load $GBP_TRACE_REAL\n");
        std::abort();
    }
    return dlsym(handle, name);
}

template <typename Fn> Fn Resolve(const char* name) {
    return reinterpret_cast<Fn>(Real(name));
}

void Log(const char* call, int section, int file, int32_t answer) {
    const char* path = std::getenv("GBP_TRACE_FILE");
    if (!path)
        return;
    if (FILE* log = std::fopen(path, "a")) {
        if (section < 0)
            std::fprintf(log, "%s %d\n", call, static_cast<int>(answer));
        else
            std::fprintf(log, "%s %d-%d %d\n", call, section, file, static_cast<int>(answer));
        std::fclose(log);
    }
}

} // namespace

TRACE_EXPORT int32_t InitGBPMode(int32_t port) {
    const int32_t answer = Resolve<InitGBPModeFn>("InitGBPMode")(port);
    Log("InitGBPMode", -1, -1, answer);
    return answer;
}

TRACE_EXPORT int32_t EndGBPMode(void) {
    const int32_t answer = Resolve<EndGBPModeFn>("EndGBPMode")();
    Log("EndGBPMode", -1, -1, answer);
    return answer;
}

TRACE_EXPORT int32_t ReadNVMFile(uint8_t section, uint8_t file, void* buffer, int32_t capacity) {
    const int32_t answer = Resolve<ReadNVMFileFn>("ReadNVMFile")(section, file, buffer, capacity);
    Log("ReadNVMFile", section, file, answer);
    return answer;
}

TRACE_EXPORT int32_t WriteNVMFile(uint8_t section, uint8_t file, const void* buffer,
                                  int32_t length) {
    const int32_t answer = Resolve<WriteNVMFileFn>("WriteNVMFile")(section, file, buffer, length);
    Log("WriteNVMFile", section, file, answer);
    return answer;
}

TRACE_EXPORT int32_t ClearNVMFile(uint8_t section, uint8_t file) {
    const int32_t answer = Resolve<ClearNVMFileFn>("ClearNVMFile")(section, file);
    Log("ClearNVMFile", section, file, answer);
    return answer;
}

TRACE_EXPORT int32_t GetNVMFileSize(uint8_t section, uint8_t file) {
    const int32_t answer = Resolve<GetNVMFileSizeFn>("GetNVMFileSize")(section, file);
    Log("GetNVMFileSize", section, file, answer);
    return answer;
}
