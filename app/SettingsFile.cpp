#include "app/SettingsFile.h"

#include "common/AppError.h"
#include "common/IntegerText.h"
#include "common/LocalFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace {

// A settings file is a few hundred bytes; anything past this is not ours to read.
constexpr qint64 kMaxSettingsFileSize = 64 * 1024;

std::string_view trimmed(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The value of section/key in the text, as written, or nullopt.
std::optional<std::string_view> findValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    bool inSection = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.front() == '[') {
            const size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        sameName(trimmed(line.substr(1, close - 1)), section);
            continue;
        }
        const size_t eq = line.find('=');
        if (inSection && eq != std::string_view::npos && sameName(trimmed(line.substr(0, eq)), key))
            return trimmed(line.substr(eq + 1));
    }
    return std::nullopt;
}

int32_t readInteger(std::string_view text, std::string_view section, std::string_view key,
                    int32_t fallback) {
    const auto value = findValue(text, section, key);
    if (!value)
        return fallback;
    return TryStrToInt(*value).value_or(fallback);
}

bool pairFits(int32_t first, int32_t count) {
    return first >= 0 && first <= 255 && count >= 0 && count <= kSlotTableSize - 1 &&
           first + count - 1 <= 255;
}

} // namespace

std::string SettingsPathFor(std::string_view executablePath) {
    const size_t nameStart = executablePath.find_last_of('/') + 1; // npos + 1 == 0
    const size_t dot = executablePath.rfind('.');
    const size_t stemEnd =
        dot != std::string_view::npos && dot >= nameStart ? dot : executablePath.size();
    return std::string(executablePath.substr(0, stemEnd)) + ".INI";
}

RangeSettings FitRangesToTable(RangeSettings r) {
    const RangeSettings defaults;
    if (!pairFits(r.FirstBig, r.BigSlots)) {
        r.FirstBig = defaults.FirstBig;
        r.BigSlots = defaults.BigSlots;
    }
    if (!pairFits(r.FirstSmall, r.SmallSlots)) {
        r.FirstSmall = defaults.FirstSmall;
        r.SmallSlots = defaults.SmallSlots;
    }
    if (!RangesFitTable(r)) {
        r.FirstSmall = defaults.FirstSmall;
        r.SmallSlots = defaults.SmallSlots;
    }
    if (!RangesFitTable(r)) {
        r.FirstBig = defaults.FirstBig;
        r.BigSlots = defaults.BigSlots;
    }
    return r;
}

StoredSettings ParseSettingsText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const StoredSettings d;
    StoredSettings s;
    s.form.Top = readInteger(text, "Form", "Top", d.form.Top);
    s.form.Left = readInteger(text, "Form", "Left", d.form.Left);
    s.form.Width = readInteger(text, "Form", "Width", d.form.Width);
    s.form.Height = readInteger(text, "Form", "Height", d.form.Height);
    s.comPort = readInteger(text, "Manager", "COM-Port", d.comPort);
    s.ranges.FirstBig = readInteger(text, "Manager", "FirstBig", d.ranges.FirstBig);
    s.ranges.BigSlots = readInteger(text, "Manager", "BigSlots", d.ranges.BigSlots);
    s.ranges.FirstSmall = readInteger(text, "Manager", "FirstSmall", d.ranges.FirstSmall);
    s.ranges.SmallSlots = readInteger(text, "Manager", "SmallSlots", d.ranges.SmallSlots);
    s.ufifFw = readInteger(text, "Manager", "UFIFFW", d.ufifFw);
    s.ranges = FitRangesToTable(s.ranges);
    return s;
}

StoredSettings ReadSettingsFile(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (!QFileInfo(name).isFile())
        return {};
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(kMaxSettingsFileSize);
    return ParseSettingsText(
        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

std::string SettingsFileText(const StoredSettings& s) {
    auto line = [](const char* key, int32_t value) {
        return std::string(key) + "=" + std::to_string(value) + "\n";
    };
    return "[Form]\n" + line("Top", s.form.Top) + line("Left", s.form.Left) +
           line("Width", s.form.Width) + line("Height", s.form.Height) + "\n[Manager]\n" +
           line("COM-Port", s.comPort) + line("FirstBig", s.ranges.FirstBig) +
           line("BigSlots", s.ranges.BigSlots) + line("FirstSmall", s.ranges.FirstSmall) +
           line("SmallSlots", s.ranges.SmallSlots) + line("UFIFFW", s.ufifFw);
}

bool WriteSettingsFile(const std::string& path, const StoredSettings& settings) {
    const std::string text = SettingsFileText(settings);
    try {
        WriteFileWhole(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    } catch (const AppError&) {
        return false;
    }
    return true;
}
