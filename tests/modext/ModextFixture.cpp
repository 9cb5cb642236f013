#include "tests/modext/ModextFixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

ModextTest::ModextTest() : link(phone.link()) {
    link.InitGBPMode = [this](int32_t port) {
        flagAtInit.push_back(state.slotMenuEnabled);
        return phone.link().InitGBPMode(port);
    };
}

TempCwd::TempCwd() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "modext-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    dir_ = pattern;
    std::filesystem::current_path(dir_);
}

TempCwd::~TempCwd() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string TempCwd::write(const std::string& name, const Bytes& bytes) const {
    std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path(name);
}

std::string TempCwd::write(const std::string& name, const std::string& text) const {
    return write(name, Bytes(text.begin(), text.end()));
}

Bytes TempCwd::read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Filler(size_t n) {
    Bytes bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(i % 251);
    return bytes;
}
