#include "slots/TextCodec.h"

#include <QString>
#include <QStringDecoder>

#include <vector>

std::string DecodeWindows1251(std::span<const uint8_t> bytes) {
    QStringDecoder decoder("windows-1251");
    const QString text = decoder.decode(QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                                       static_cast<qsizetype>(bytes.size())));
    return text.toStdString();
}

std::string DecodeUtf16LE(std::span<const uint8_t> bytes) {
    std::vector<char16_t> units(bytes.size() / 2);
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())).toStdString();
}
