// INI text: reading a value and replacing one, on the text of a whole file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelmorite {

// The longest value a read gives, in bytes.
inline constexpr std::size_t kMaxIniValue = 2047;

// The value of the key in the section: the text after the first "=" of the
// key's line, without leading and trailing blanks, at most kMaxIniValue bytes.
// Section and key names match without regard to letter case; the first of
// several matching sections or keys counts. Nothing when either is missing.
std::optional<std::string> findIniValue(std::string_view text, std::string_view section, std::string_view key);

// The text with the key's value replaced in place, every other line kept
// byte for byte. A missing key is added after the last line of its section,
// a missing section at the end; new lines end in CR LF.
std::string withIniValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

// A 32-bit integer as an INI value gives it: leading blanks, an optional
// sign, then decimal digits or a hexadecimal number after "$", "0x", "0X",
// "x" or "X". Anything else, or a number out of range, gives nothing.
std::optional<std::int32_t> parseIniInteger(std::string_view text);

}  // namespace kelmorite
