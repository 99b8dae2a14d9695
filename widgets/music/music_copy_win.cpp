#include "widgets/music/music_copy_win.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <utility>

#include "core/handle_win.h"
#include "widgets/music/music_copy.h"

namespace {

constexpr DWORD kChunk = 64 * 1024;

// Copies everything from `offset` to the end; true only when every byte arrived.
bool CopyTail(const UniqueHandle& source, std::uint64_t offset, std::uint64_t size, const std::wstring& tempPath) {
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(source.get(), at, nullptr, FILE_BEGIN)) return false;
  UniqueHandle target(CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!target) return false;
  auto buffer = std::make_unique<std::uint8_t[]>(kChunk);
  std::uint64_t copied = 0;
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(source.get(), buffer.get(), kChunk, &read, nullptr)) return false;
    if (read == 0) break;
    DWORD written = 0;
    if (!WriteFile(target.get(), buffer.get(), read, &written, nullptr) || written != read) return false;
    copied += read;
  }
  return copied == size - offset;
}

}  // namespace

std::wstring PlayableElement(const wchar_t* path, const std::wstring& tempPath) {
  UniqueHandle source(CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!source) return path;
  LARGE_INTEGER size{};
  std::uint8_t head[music::kId3HeaderSize] = {};
  DWORD read = 0;
  if (!GetFileSizeEx(source.get(), &size) || !ReadFile(source.get(), head, sizeof head, &read, nullptr))
    return path;
  const auto fileSize = static_cast<std::uint64_t>(size.QuadPart);
  const std::uint64_t tag = music::Id3TagLength(std::span(head, read), fileSize);
  if (tag == 0) return path;
  if (CopyTail(source, tag, fileSize, tempPath)) return tempPath;
  // Half a copy would play as a cut song; the original plays whole.
  DeleteFileW(tempPath.c_str());
  return path;
}
