// The settings file's values read from its text in one pass, as the profile API reads
// them. The bar reads some sixty values before its first paint; the profile API opens
// the file for each one (and under Wine asks the server several times besides).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class IniValues {
 public:
  // False when `bytes` is not UTF-16 little-endian text with its byte order mark, the
  // only form this program writes: other files are left to the profile API.
  bool Parse(std::string_view bytes);

  // The stored text after '=', blanks around it trimmed (as around names and section
  // names); null when the key is missing or its line has no '='. Names match without
  // regard to ASCII case, blanks around them aside; only the first section of a name
  // counts, and its first key of a name.
  const std::u16string* Find(std::u16string_view section, std::u16string_view key) const;

 private:
  struct Key {
    std::u16string name;
    std::u16string value;
    bool hasValue = false;
  };
  struct Section {
    std::u16string name;
    std::vector<Key> keys;
  };
  void TakeLine(std::u16string_view line);

  std::vector<Section> sections_;
};

// What the profile API hands back for a stored value in a buffer of `capacity` units,
// its terminator included: one pair of enclosing quotes dropped, cut to fit.
std::u16string ProfileCopy(std::u16string_view stored, std::size_t capacity);

// The profile API's integer: the value as a string of at most 29 units, then blanks, one
// sign and decimal digits, wrapping at 32 bits; `def` when that string is empty.
int ProfileInt(const std::u16string* stored, int def);
