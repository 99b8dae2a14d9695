// The program's compiled resources, linked into this test executable: the icon
// drawn from res/images/app.ico.txt, the version block, the manifest, the texts and
// the dialogs of both languages.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwctype>
#include <string>
#include <string_view>
#include <vector>

#include "core/bitmap_resource_win.h"
#include "core/gdi_win.h"
#include "core/instance_win.h"
#include "core/texts_win.h"
#include "res/resource.h"
#include "res/version.h"
#include "support/dialog_fit.h"
#include "support/win_test_support.h"

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// Colours of res/images/app.ico.txt, as 0xRRGGBB.
constexpr std::uint32_t kIndigo = 0x4B0082;
constexpr std::uint32_t kAmber = 0xFFCC00;
constexpr std::uint32_t kPapayaWhip = 0xFFEFD5;
constexpr std::uint32_t kPaleTurquoise = 0xAFEEEE;
constexpr std::uint32_t kDarkCyan = 0x008B8B;
constexpr std::uint32_t kPaleGreen = 0x98FB98;
constexpr std::uint32_t kSeaGreen = 0x3CB371;

struct Probe {
  int x;
  int y;
  std::uint32_t rgb;
  const char* feature;
};

class OwnedIcon {
 public:
  explicit OwnedIcon(HICON icon) : icon_(icon) {}
  ~OwnedIcon() {
    if (icon_) DestroyIcon(icon_);
  }
  OwnedIcon(const OwnedIcon&) = delete;
  OwnedIcon& operator=(const OwnedIcon&) = delete;
  HICON get() const { return icon_; }

 private:
  HICON icon_;
};

// Icon 129 loaded at size x size and drawn over magenta; the pixels as 0xRRGGBB, top row first.
std::vector<std::uint32_t> DrawProgramIcon(int size) {
  OwnedIcon icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PELGRA),
                                               IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  if (!icon.get()) return {};

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  gdi::Bitmap target(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!target || !bits) return {};
  auto* pixels = static_cast<std::uint32_t*>(bits);
  std::fill(pixels, pixels + size * size, kMagenta);

  gdi::MemoryDC dc(nullptr);
  {
    gdi::Selection selected(dc, target);
    if (!DrawIconEx(dc, 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL)) return {};
    GdiFlush();
  }
  std::vector<std::uint32_t> result(pixels, pixels + size * size);
  for (auto& pixel : result) pixel &= 0xFFFFFF;  // DrawIconEx may leave anything in the alpha byte
  return result;
}

void ExpectPixels(int size, const std::vector<Probe>& probes) {
  const std::vector<std::uint32_t> pixels = DrawProgramIcon(size);
  ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size)) << "icon not loaded or drawn";
  for (const Probe& probe : probes) {
    EXPECT_EQ(pixels[probe.y * size + probe.x], probe.rgb)
        << size << "x" << size << " at (" << probe.x << ", " << probe.y << "): " << probe.feature << std::hex
        << " got 0x" << pixels[probe.y * size + probe.x] << ", expected 0x" << probe.rgb;
  }
}

// A resource of this executable as bytes; empty when it is missing.
std::string_view ResourceText(const wchar_t* type, int id) {
  const std::span<const std::uint8_t> bytes = ResourceBytes(type, id);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool ContainsUtf16(std::string_view bytes, std::wstring_view text) {
  const std::string_view needle(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  return bytes.find(needle) != std::string_view::npos;
}

std::uint16_t Word(std::string_view bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                    static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

TEST(ProgramIcon, SmallImageIsDrawnPixelForPixel) {
  ExpectPixels(16, {
                       {0, 0, kMagenta, "transparent top-left corner"},
                       {15, 15, kMagenta, "transparent bottom-right corner"},
                       {3, 0, kMagenta, "rounded top-left corner of the bar"},
                       {4, 0, kIndigo, "top edge of the bar"},
                       {10, 1, kAmber, "close button in the caption"},
                       {6, 5, kPapayaWhip, "clock panel"},
                       {3, 7, kIndigo, "left frame between clock and graph"},
                       {5, 8, kPaleTurquoise, "graph panel sky"},
                       {4, 10, kDarkCyan, "graph area"},
                       {4, 12, kSeaGreen, "gauge, used part"},
                       {11, 13, kPaleGreen, "gauge, free part"},
                       {12, 15, kMagenta, "rounded bottom-right corner of the bar"},
                   });
}

TEST(ProgramIcon, LargeImageIsDrawnPixelForPixel) {
  ExpectPixels(32, {
                       {0, 0, kMagenta, "transparent top-left corner"},
                       {31, 31, kMagenta, "transparent bottom-right corner"},
                       {7, 0, kMagenta, "rounded top-left corner of the bar"},
                       {8, 0, kIndigo, "top edge of the bar"},
                       {18, 3, kIndigo, "menu button in the caption"},
                       {21, 3, kAmber, "close button in the caption"},
                       {9, 9, kPapayaWhip, "clock panel margin"},
                       {10, 9, kIndigo, "top of the digit 9"},
                       {9, 17, kPaleTurquoise, "graph panel sky"},
                       {8, 24, kDarkCyan, "graph area"},
                       {8, 27, kSeaGreen, "gauge, used part"},
                       {23, 29, kPaleGreen, "gauge, free part"},
                       {25, 30, kMagenta, "rounded bottom-right corner of the bar"},
                   });
}

// The icon group offers both drawn sizes, so neither is scaled from the other.
TEST(ProgramIcon, GroupHolds16And32PixelTrueColourImages) {
  const std::string_view group = ResourceText(RT_GROUP_ICON, IDI_PELGRA);
  ASSERT_GE(group.size(), 6u);
  ASSERT_EQ(Word(group, 2), 1) << "resource type: icon";
  const int count = Word(group, 4);
  ASSERT_EQ(count, 2);
  ASSERT_EQ(group.size(), 6u + 14u * count);
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 14 * i;
    const int width = static_cast<unsigned char>(group[entry]);
    const int height = static_cast<unsigned char>(group[entry + 1]);
    EXPECT_EQ(width, height);
    EXPECT_EQ(Word(group, entry + 6), 32) << "bits per pixel of the " << width << "x" << height << " image";
    sizes.push_back(width);
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 32}));
}

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(ids)->push_back(static_cast<int>(LOWORD(name)));
  return TRUE;
}

// The faces are copied from the resources by our own loader; the system's is the judge.
TEST(BitmapResources, EveryBitmapLoadsAsTheSystemLoadsIt) {
  std::vector<int> ids;
  EnumResourceNamesW(GetModuleHandleW(nullptr), RT_BITMAP, CollectId, reinterpret_cast<LONG_PTR>(&ids));
  ASSERT_GE(ids.size(), 20u);
  for (const int id : ids) {
    gdi::Bitmap theirs(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const auto ours = test_support::Snapshot::OfBitmap(LoadBitmapResource(id));
    const auto expected = test_support::Snapshot::OfBitmap(theirs);
    ASSERT_GT(ours.width(), 0) << id;
    ASSERT_EQ(ours.width(), expected.width()) << id;
    ASSERT_EQ(ours.height(), expected.height()) << id;
    for (int y = 0; y < ours.height(); ++y)
      for (int x = 0; x < ours.width(); ++x) ASSERT_EQ(ours.At(x, y), expected.At(x, y)) << id << " at " << x << "," << y;
  }
  EXPECT_FALSE(LoadBitmapResource(1));  // no such bitmap
}

TEST(VersionResource, NumbersAndTextsComeFromTheVersionHeader) {
  const std::string_view block = ResourceText(RT_VERSION, 1);
  ASSERT_FALSE(block.empty());

  const std::uint32_t signature = 0xFEEF04BD;
  const std::size_t at = block.find(std::string_view(reinterpret_cast<const char*>(&signature), 4));
  ASSERT_NE(at, std::string_view::npos) << "no VS_FIXEDFILEINFO";
  ASSERT_LE(at + sizeof(VS_FIXEDFILEINFO), block.size());
  VS_FIXEDFILEINFO fixed;
  std::memcpy(&fixed, block.data() + at, sizeof fixed);
  EXPECT_EQ(HIWORD(fixed.dwFileVersionMS), PELGRA_VERSION_MAJOR);
  EXPECT_EQ(LOWORD(fixed.dwFileVersionMS), PELGRA_VERSION_MINOR);
  EXPECT_EQ(HIWORD(fixed.dwFileVersionLS), PELGRA_VERSION_PATCH);
  EXPECT_EQ(fixed.dwProductVersionMS, fixed.dwFileVersionMS);
  EXPECT_EQ(fixed.dwProductVersionLS, fixed.dwFileVersionLS);
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));

  EXPECT_TRUE(ContainsUtf16(block, L"Tarvinex"));
  EXPECT_TRUE(ContainsUtf16(block, L"" PELGRA_VERSION_TEXT));
  // Mangled if the script were not read as UTF-8.
  EXPECT_TRUE(ContainsUtf16(block, L"Pelgra 데스크톱 바"));
}

TEST(Manifest, AsksForCommonControls6) {
  const std::string_view manifest = ResourceText(RT_MANIFEST, 1);
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string_view::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string_view::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string_view::npos);
}

// The loader honours the manifest: comctl32 comes from the side-by-side common
// controls 6 assembly, not from the system folder. (Wine's version 6 build still
// answers 5.81 to DllGetVersion, so the path is what tells them apart.)
TEST(Manifest, ProcessLoadsCommonControls6) {
  HMODULE comctl = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(comctl, path, MAX_PATH);
  FreeLibrary(comctl);
  ASSERT_GT(length, 0u);
  std::wstring lower(path, length);
  for (auto& ch : lower) ch = static_cast<wchar_t>(std::towlower(ch));
  EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << path;
  EXPECT_NE(lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos) << path;
}

bool HasHangul(std::u16string_view text) {
  return std::ranges::any_of(text, [](char16_t c) {
    return (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F);
  });
}

// Each text is in both string tables, none is empty, both fill the same placeholders,
// and the English ones leave nothing in Korean.
TEST(StringTables, EveryTextInBothLanguages) {
  const TextTable korean = LoadTexts(Language::Korean);
  const TextTable english = LoadTexts(Language::English);
  for (TextId id : kAllTextIds) {
    const int number = static_cast<int>(id);
    EXPECT_FALSE(korean[id].empty()) << number;
    EXPECT_FALSE(english[id].empty()) << number;
    EXPECT_EQ(PlaceholdersOf(korean[id]), PlaceholdersOf(english[id])) << number;
    EXPECT_FALSE(HasHangul(english[id])) << number;
  }
  EXPECT_EQ(korean[TextId::ClockAm], u"오전");
  EXPECT_EQ(english[TextId::ClockAm], u"AM");
}

TEST(DialogTemplates, NothingIsCutOffInEitherLanguage) {
  EXPECT_EQ(test_support::CutOffDialogTexts(Language::Korean), std::vector<std::wstring>{});
  EXPECT_EQ(test_support::CutOffDialogTexts(Language::English), std::vector<std::wstring>{});
}

}  // namespace
