#pragma once

#include "common/Command.h"
#include "tests/support/FakePhone.h"
#include "tests/support/ScriptedUi.h"
#include "tests/transfer/ImageBuilder.h"
#include "tests/transfer/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

using Calls = std::vector<std::string>;

// A scripted Ui that also lets a test look at the state when a file dialog opens.
class ObservingUi : public ScriptedUi {
  public:
    std::function<void()> onFileDialog;

    std::optional<std::string> chooseFile(FileDialog dialog) override {
        if (onFileDialog)
            onFileDialog();
        return ScriptedUi::chooseFile(dialog);
    }
};

// One command run on the fake phone with the scripted person, in a fresh folder.
class FlowTest : public testing::Test {
  protected:
    FakePhone phone;
    AppState state;
    ObservingUi ui;
    CommandContext ctx{state, phone.link(), ui};
    TempDir dir;

    bool Run(void (*command)(CommandContext&, SlotAddress), SlotAddress slot) {
        return RunCommand(ctx, [&] { command(ctx, slot); });
    }

    std::string WriteLocal(const std::string& name, const Bytes& bytes) {
        const std::string path = dir.file(name);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    static Bytes ReadLocal(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

inline Calls Concat(std::initializer_list<Calls> parts) {
    Calls all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The calls of a scan of a slot that holds something.
inline Calls ScanCalls(const std::string& slot) {
    return {"GetNVMFileSize(" + slot + ")", "ReadNVMFile(" + slot + ",128)"};
}

inline Bytes Filled(size_t n, uint8_t seed = 1) {
    Bytes bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(seed + i * 13);
    return bytes;
}
