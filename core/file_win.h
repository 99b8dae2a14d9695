// The start of a file, read without decoding it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Up to `most` bytes from the start of the file at `path`: fewer when it is shorter,
// none when it cannot be opened or read.
std::vector<std::uint8_t> ReadFileStart(const wchar_t* path, std::size_t most);
