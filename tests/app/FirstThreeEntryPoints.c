/* A phone link library that exports only the three functions the manager
   needs to start: InitGBPMode, EndGBPMode and ReadNVMFile. */
#include <stdint.h>

int32_t InitGBPMode(int32_t port) {
    (void)port;
    return -1;
}

int32_t EndGBPMode(void) {
    return 0;
}

int32_t ReadNVMFile(uint8_t section, uint8_t file, void* buffer, int32_t capacity) {
    (void)section;
    (void)file;
    (void)buffer;
    (void)capacity;
    return -1;
}
