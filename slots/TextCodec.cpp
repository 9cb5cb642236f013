#include "slots/TextCodec.h"

#include <QString>
#include <QStringDecoder>

#include <array>
#include <vector>

namespace {

// The code page's 256 characters, decoded once by Qt's converter: a decoder
// made per call cost far more than the rest of recognising a header.
const std::array<QString, 256>& Windows1251Table() {
    static const std::array<QString, 256> table = [] {
        std::array<QString, 256> t;
        QStringDecoder decoder("windows-1251");
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            t[static_cast<size_t>(byte)] = decoder.decode(QByteArrayView(&c, 1));
            decoder.resetState();
        }
        return t;
    }();
    return table;
}

} // namespace

std::string DecodeWindows1251(std::span<const uint8_t> bytes) {
    const auto& table = Windows1251Table();
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (uint8_t byte : bytes)
        text += table[byte];
    return text.toStdString();
}

std::string DecodeUtf16LE(std::span<const uint8_t> bytes) {
    std::vector<char16_t> units(bytes.size() / 2);
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())).toStdString();
}
