// INI text parsing and editing, line by line.
#include "platform/system/ini_text.h"

#include <cctype>
#include <vector>

namespace kelmorite {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (isBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// One line of the file: its content without the line end, and the line end.
struct Line {
    std::string_view content;
    std::string_view end;  // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> splitLines(std::string_view text)
{
    // A byte order mark is not part of the first line.
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto newline = text.find('\n', at);
        const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
        std::size_t contentEnd = stop;
        if (contentEnd > at && text[contentEnd - 1] == '\r') --contentEnd;
        const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        lines.push_back({text.substr(at, contentEnd - at), text.substr(contentEnd, next - contentEnd)});
        at = next;
    }
    return lines;
}

// The section name of a header line, or nothing.
std::optional<std::string_view> sectionOf(std::string_view content)
{
    content = trim(content);
    if (content.size() >= 3 && content.substr(0, 3) == "\xEF\xBB\xBF") content = trim(content.substr(3));
    if (content.empty() || content.front() != '[') return std::nullopt;
    const auto close = content.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(content.substr(1, close - 1));
}

// The key of a key line, or nothing.
std::optional<std::string_view> keyOf(std::string_view content)
{
    const auto equals = content.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return trim(content.substr(0, equals));
}

struct Place {
    std::optional<std::size_t> header;  // the section's header line
    std::optional<std::size_t> key;     // the key's line in it
    std::size_t lastOfSection = 0;      // the section's last line that is not blank
};

Place find(const std::vector<Line>& lines, std::string_view section, std::string_view key)
{
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionOf(lines[i].content)) {
            if (place.header) break;  // the next section begins
            if (sameName(*name, section)) place.header = place.lastOfSection = i;
            continue;
        }
        if (!place.header) continue;
        if (!trim(lines[i].content).empty()) place.lastOfSection = i;
        if (const auto name = keyOf(lines[i].content); name && sameName(*name, key) && !place.key) place.key = i;
    }
    return place;
}

}  // namespace

std::optional<std::string> findIniValue(std::string_view text, std::string_view section, std::string_view key)
{
    const auto lines = splitLines(text);
    const Place place = find(lines, section, key);
    if (!place.key) return std::nullopt;
    const std::string_view content = lines[*place.key].content;
    std::string_view value = trim(content.substr(content.find('=') + 1));
    if (value.size() > kMaxIniValue) {
        value = value.substr(0, kMaxIniValue);
        // Never end inside a UTF-8 sequence.
        std::size_t cut = value.size();
        while (cut > 0 && (static_cast<unsigned char>(value[cut - 1]) & 0xC0) == 0x80) --cut;
        if (cut > 0 && static_cast<unsigned char>(value[cut - 1]) >= 0xC0) {
            const unsigned char lead = static_cast<unsigned char>(value[cut - 1]);
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            if (value.size() - (cut - 1) < length) value = value.substr(0, cut - 1);
        }
    }
    return std::string(value);
}

std::string withIniValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    const auto lines = splitLines(text);
    const Place place = find(lines, section, key);
    const std::string newLine = std::string(key) + "=" + std::string(value) + "\r\n";
    std::string out;
    if (!place.header) {
        out = text;
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        return out + "[" + std::string(section) + "]\r\n" + newLine;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (place.key && i == *place.key) {
            // The key keeps its own spelling and its line end.
            out += line.content.substr(0, line.content.find('=') + 1);
            out += value;
            out += line.end.empty() ? std::string_view("\r\n") : line.end;
            continue;
        }
        out += line.content;
        out += line.end;
        if (!place.key && i == place.lastOfSection) {
            if (line.end.empty()) out += "\r\n";
            out += newLine;
        }
    }
    return out;
}

std::optional<std::int32_t> parseIniInteger(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() && (text.front() == 'x' || text.front() == 'X')) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * std::uint64_t(base) + std::uint64_t(digit);
        if (magnitude > 0xFFFFFFFFull) return std::nullopt;
    }
    if (base == 16) {
        // A hexadecimal number is a 32-bit pattern: $FFFFFFFF is -1.
        const auto pattern = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(pattern)) : pattern;
    }
    if (negative ? magnitude > 2147483648ull : magnitude > 2147483647ull) return std::nullopt;
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude)) : static_cast<std::int32_t>(magnitude);
}

}  // namespace kelmorite
