#pragma once

#include "phonelink/PhoneLink.h"

#include <memory>

// Owns the loaded libgbp.so. The library is found by the system's rules:
// LD_LIBRARY_PATH first, then the copy beside the executable (RUNPATH).
class PhoneLinkLibrary {
public:
    // Loads libgbp.so and resolves the six entry points by name; returns
    // nullptr when the library cannot be loaded at all.
    static std::unique_ptr<PhoneLinkLibrary> load(const char* name = "libgbp.so");
    ~PhoneLinkLibrary();
    PhoneLinkLibrary(const PhoneLinkLibrary&) = delete;
    PhoneLinkLibrary& operator=(const PhoneLinkLibrary&) = delete;

    const PhoneLink& link() const { return link_; }

private:
    explicit PhoneLinkLibrary(void* handle);
    void* handle_;
    PhoneLink link_;
};
