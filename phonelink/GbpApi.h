#pragma once

// The six C functions of the phone link library, as libgbp.so exports them.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t (*InitGBPModeFn)(int32_t port);
typedef int32_t (*EndGBPModeFn)(void);
typedef int32_t (*ReadNVMFileFn)(uint8_t section, uint8_t file, void* buffer, int32_t capacity);
typedef int32_t (*WriteNVMFileFn)(uint8_t section, uint8_t file, const void* buffer, int32_t length);
typedef int32_t (*ClearNVMFileFn)(uint8_t section, uint8_t file);
typedef int32_t (*GetNVMFileSizeFn)(uint8_t section, uint8_t file);

#ifdef __cplusplus
}
#endif

// GetNVMFileSize answers these for a file that does not exist.
#define GBP_NO_SUCH_FILE (-153)
#define GBP_NO_SUCH_FILE_ALT (-5)
