// The size meter's arithmetic, without a window: the nine standard client sizes of
// the digit keys and the lines it shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct ClientSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const ClientSize&, const ClientSize&) = default;
};

// The client size of digit key '1'..'9' (main keyboard), none for any other key.
std::optional<ClientSize> StandardClientSize(unsigned virtualKey);

// "W x H".
std::u16string SizeLine(int width, int height);
