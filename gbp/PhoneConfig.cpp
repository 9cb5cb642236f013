#include "gbp/PhoneConfig.h"

#include <array>
#include <limits>
#include <set>
#include <utility>

namespace gbp {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view s) {
    const size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Decimal digits only, at least one, value at most max.
std::optional<uint64_t> parseUnsigned(std::string_view s, uint64_t max) {
    if (s.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (value > (max - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// An optional sign and decimal digits, within the 32-bit signed range.
std::optional<int32_t> parseCode(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    const auto magnitude = parseUnsigned(s, limit);
    if (!magnitude)
        return std::nullopt;
    const int64_t value =
        negative ? -static_cast<int64_t>(*magnitude) : static_cast<int64_t>(*magnitude);
    return static_cast<int32_t>(value);
}

struct CallName {
    std::string_view name;
    PhoneCall call;
    bool hasSlot;
};

constexpr std::array kCalls{
    CallName{"InitGBPMode", PhoneCall::InitGBPMode, false},
    CallName{"EndGBPMode", PhoneCall::EndGBPMode, false},
    CallName{"GetNVMFileSize", PhoneCall::GetNVMFileSize, true},
    CallName{"ReadNVMFile", PhoneCall::ReadNVMFile, true},
    CallName{"WriteNVMFile", PhoneCall::WriteNVMFile, true},
    CallName{"ClearNVMFile", PhoneCall::ClearNVMFile, true},
};

const CallName* findCall(std::string_view name) {
    for (const auto& c : kCalls)
        if (c.name == name)
            return &c;
    return nullptr;
}

enum class Section { Top, Faults, Unknown };

class Parser {
  public:
    ConfigParse run(std::string_view text) {
        // A byte order mark from an editor is not part of the first line.
        if (text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        PhoneConfig config;
        int lineNumber = 0;
        for (size_t pos = 0;;) {
            const size_t end = text.find('\n', pos);
            std::string_view line = text.substr(
                pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            if (!parseLine(trim(line), ++lineNumber, config))
                return std::move(result_);
            if (end == std::string_view::npos)
                break;
            pos = end + 1;
        }
        result_.config = std::move(config);
        return std::move(result_);
    }

  private:
    bool fail(int line, const std::string& why) {
        result_.error = "line " + std::to_string(line) + ": " + why;
        return false;
    }

    void warn(int line, const std::string& why) {
        result_.warnings.push_back("line " + std::to_string(line) + ": " + why);
    }

    bool parseLine(std::string_view line, int n, PhoneConfig& config) {
        if (line.empty() || line[0] == ';' || line[0] == '#')
            return true;
        if (line[0] == '[') {
            if (line.back() != ']')
                return fail(n, "a section header must end with ']'");
            const std::string_view name = trim(line.substr(1, line.size() - 2));
            if (name == "faults") {
                section_ = Section::Faults;
            } else {
                section_ = Section::Unknown;
                warn(n, "unknown section [" + std::string(name) + "] ignored");
            }
            return true;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return fail(n, "expected 'key = value'");
        const std::string_view key = trim(line.substr(0, eq));
        const std::string_view value = trim(line.substr(eq + 1));
        if (key.empty())
            return fail(n, "empty key");
        if (section_ == Section::Unknown)
            return true;
        return section_ == Section::Top ? parseSetting(key, value, n, config)
                                        : parseFault(key, value, n, config);
    }

    bool parseSetting(std::string_view key, std::string_view value, int n, PhoneConfig& config) {
        if ((key == "capacity" || key == "baud") && !seenSettings_.insert(std::string(key)).second)
            return fail(n, "'" + std::string(key) + "' is given twice");
        if (key == "capacity") {
            const auto v = parseUnsigned(value, std::numeric_limits<int64_t>::max());
            if (!v)
                return fail(n, "capacity must be a number of bytes in decimal digits");
            config.capacity = *v;
        } else if (key == "baud") {
            const auto v = parseUnsigned(value, std::numeric_limits<uint32_t>::max());
            if (!v)
                return fail(n, "baud must be a rate in decimal digits (0 = instant)");
            config.baud = static_cast<uint32_t>(*v);
        } else {
            warn(n, "unknown key '" + std::string(key) + "' ignored");
        }
        return true;
    }

    bool parseFault(std::string_view key, std::string_view value, int n, PhoneConfig& config) {
        const size_t nameEnd = key.find_first_of(" \t#");
        const CallName* call = findCall(key.substr(0, nameEnd));
        if (!call) {
            warn(n, "unknown phone call '" + std::string(key.substr(0, nameEnd)) + "' ignored");
            return true;
        }
        std::string_view rest =
            nameEnd == std::string_view::npos ? std::string_view{} : key.substr(nameEnd);
        FaultKey fault{call->call, -1, -1, 0};

        if (const size_t hash = rest.rfind('#'); hash != std::string_view::npos) {
            const auto occurrence =
                parseUnsigned(rest.substr(hash + 1), std::numeric_limits<uint32_t>::max());
            if (!occurrence || *occurrence == 0 ||
                (hash > 0 && kBlanks.find(rest[hash - 1]) != std::string_view::npos))
                return fail(
                    n, "'#' must be followed by a call number from 1, with no blanks around it");
            fault.occurrence = static_cast<uint32_t>(*occurrence);
            rest = rest.substr(0, hash);
        }
        const std::string_view slot = trim(rest);
        if (call->hasSlot) {
            const size_t dash = slot.find('-');
            const auto section = parseUnsigned(slot.substr(0, dash), 255);
            const auto file = dash == std::string_view::npos
                                  ? std::nullopt
                                  : parseUnsigned(slot.substr(dash + 1), 255);
            if (slot.empty() || rest.empty() || kBlanks.find(rest[0]) == std::string_view::npos ||
                !section || !file)
                return fail(n, std::string(call->name) +
                                   " needs a slot as <section>-<file>, numbers 0 to 255");
            fault.section = static_cast<int>(*section);
            fault.file = static_cast<int>(*file);
        } else if (!slot.empty()) {
            return fail(n, std::string(call->name) + " takes no slot");
        }
        const auto code = parseCode(value);
        if (!code)
            return fail(n, "the answer must be a decimal number from -2147483648 to 2147483647");
        if (!config.faults.emplace(fault, *code).second)
            return fail(n, "this fault is given twice");
        return true;
    }

    ConfigParse result_;
    Section section_ = Section::Top;
    std::set<std::string> seenSettings_;
};

} // namespace

std::optional<int32_t> PhoneConfig::faultFor(PhoneCall call, int section, int file,
                                             uint32_t occurrence) const {
    if (auto it = faults.find(FaultKey{call, section, file, occurrence}); it != faults.end())
        return it->second;
    if (auto it = faults.find(FaultKey{call, section, file, 0}); it != faults.end())
        return it->second;
    return std::nullopt;
}

ConfigParse ParsePhoneConfig(std::string_view text) {
    return Parser().run(text);
}

} // namespace gbp
