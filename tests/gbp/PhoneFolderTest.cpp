#include "PhoneFolderTest.h"

#include "phonelink/PhoneLinkLoader.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

const PhoneLink& PhoneFolderTest::phone() {
    static const std::unique_ptr<PhoneLinkLibrary> library =
        PhoneLinkLibrary::load(ADEDUZE_BIN_DIR "/libgbp.so");
    if (!library)
        throw std::runtime_error("cannot load " ADEDUZE_BIN_DIR "/libgbp.so");
    return library->link();
}

void PhoneFolderTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gbp-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root = pattern;
    com1 = root / "COM1";
    std::filesystem::create_directories(com1 / "nvm");
    setenv("GBP_PHONE_DIR", root.c_str(), 1);
    ASSERT_TRUE(phone().usable());
}

void PhoneFolderTest::TearDown() {
    phone().EndGBPMode();
    unsetenv("GBP_PHONE_DIR");
    std::filesystem::remove_all(root);
}

void PhoneFolderTest::put(const std::string& slot, const Bytes& bytes) const {
    std::ofstream(slotPath(slot), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes PhoneFolderTest::contents(const std::string& slot) const {
    std::ifstream in(slotPath(slot), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PhoneFolderTest::writeIni(std::string_view text) const {
    std::ofstream(com1 / "phone.ini", std::ios::binary) << text;
}

Bytes Pattern(size_t length, uint8_t seed) {
    Bytes bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + seed);
    return bytes;
}
