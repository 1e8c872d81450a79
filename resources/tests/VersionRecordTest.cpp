// Reads the version record and icon group out of the program's resources as compiled by
// windres, the way Windows would find them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

unsigned U16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b.at(at)) | static_cast<unsigned char>(b.at(at + 1)) << 8;
}

std::uint32_t U32(const std::string& b, std::size_t at) {
  return U16(b, at) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

std::size_t Align4(std::size_t at) { return (at + 3) & ~std::size_t{3}; }

// A NUL-terminated UTF-16 string of ASCII characters at `at`; moves `at` past it.
std::string Utf16(const std::string& b, std::size_t& at) {
  std::string text;
  for (unsigned c = U16(b, at); c != 0; c = U16(b, at)) {
    text += static_cast<char>(c);
    at += 2;
  }
  at += 2;
  return text;
}

struct Resource {
  unsigned typeId = 0;
  unsigned nameId = 0;
  std::string name; // for resources named by a string
  unsigned language = 0;
  std::string data;
};

std::vector<Resource> ReadResFile(const std::string& res) {
  std::vector<Resource> resources;
  for (std::size_t at = 0; at + 8 <= res.size();) {
    const std::uint32_t dataSize = U32(res, at);
    const std::uint32_t headerSize = U32(res, at + 4);
    std::size_t p = at + 8;
    Resource r;
    if (U16(res, p) == 0xFFFF) {
      r.typeId = U16(res, p + 2);
      p += 4;
    } else {
      (void)Utf16(res, p);
    }
    if (U16(res, p) == 0xFFFF) {
      r.nameId = U16(res, p + 2);
      p += 4;
    } else {
      r.name = Utf16(res, p);
    }
    p = Align4(p);
    r.language = U16(res, p + 6);
    r.data = res.substr(at + headerSize, dataSize);
    if (dataSize > 0) {
      resources.push_back(r);
    }
    at = Align4(at + headerSize + dataSize);
  }
  return resources;
}

// One node of a version record: key, value bytes (text values as ASCII) and children.
struct Block {
  std::string key;
  std::string value;
  std::vector<Block> children;
};

Block ReadBlock(const std::string& b, std::size_t at) {
  const std::size_t end = at + U16(b, at);
  const unsigned valueLength = U16(b, at + 2);
  const bool text = U16(b, at + 4) == 1;
  std::size_t p = at + 6;
  Block block;
  block.key = Utf16(b, p);
  p = Align4(p);
  if (text) {
    std::size_t q = p;
    block.value = valueLength > 0 ? Utf16(b, q) : "";
    p += 2 * valueLength;
  } else {
    block.value = b.substr(p, valueLength);
    p += valueLength;
  }
  for (p = Align4(p); p < end; p = Align4(p + U16(b, p))) {
    block.children.push_back(ReadBlock(b, p));
  }
  return block;
}

const Resource* Find(const std::vector<Resource>& all, unsigned type) {
  for (const Resource& r : all) {
    if (r.typeId == type) {
      return &r;
    }
  }
  return nullptr;
}

class VersionRecordTest : public ::testing::Test {
protected:
  std::vector<Resource> resources = ReadResFile(ReadFile(VARNEX_RES_FILE));
};

} // namespace

TEST_F(VersionRecordTest, FixedPartCarriesVersionFlagsAndFileType) {
  const Resource* version = Find(resources, 16); // RT_VERSION
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->nameId, 1u);
  EXPECT_EQ(version->language, 1033u);
  const Block root = ReadBlock(version->data, 0);
  EXPECT_EQ(root.key, "VS_VERSION_INFO");
  ASSERT_EQ(root.value.size(), 52u);
  const std::string& fixed = root.value;
  EXPECT_EQ(U32(fixed, 0), 0xFEEF04BDu);
  EXPECT_EQ(U32(fixed, 8), 0x00030000u);  // file version 3.0
  EXPECT_EQ(U32(fixed, 12), 0x0000000Cu); // .0.12
  EXPECT_EQ(U32(fixed, 16), 0x00030000u); // product version 3.0
  EXPECT_EQ(U32(fixed, 20), 0x0000000Cu); // .0.12
  EXPECT_EQ(U32(fixed, 24), 0x3Fu);       // flags mask
  EXPECT_EQ(U32(fixed, 28), 0x0u);        // flags
  EXPECT_EQ(U32(fixed, 32), 0x4u);        // 32-bit Windows
  EXPECT_EQ(U32(fixed, 36), 0x1u);        // an application
  EXPECT_EQ(U32(fixed, 40), 0x0u);        // subtype
  EXPECT_EQ(U32(fixed, 44), 0x0u);        // file date
  EXPECT_EQ(U32(fixed, 48), 0x0u);
}

TEST_F(VersionRecordTest, StringsStandInOrderAndTheTranslationMatches) {
  const Resource* version = Find(resources, 16);
  ASSERT_NE(version, nullptr);
  const Block root = ReadBlock(version->data, 0);
  ASSERT_EQ(root.children.size(), 2u);
  const Block& strings = root.children[0];
  EXPECT_EQ(strings.key, "StringFileInfo");
  ASSERT_EQ(strings.children.size(), 1u);
  EXPECT_EQ(strings.children[0].key, "040904E4");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"CompanyName", "The Varnex project"},
      {"FileDescription", "Varnex v3.0"},
      {"FileVersion", "3.0.0.12"},
      {"InternalName", "Varnex"},
      {"LegalCopyright", "Copyright (C) 2026 The Varnex project"},
      {"LegalTrademarks", ""},
      {"OriginalFilename", "varnex.exe"},
      {"ProductName", "Varnex v3.0 for Windows"},
      {"ProductVersion", "3.0"},
      {"Comments", ""},
  };
  std::vector<std::pair<std::string, std::string>> actual;
  for (const Block& entry : strings.children[0].children) {
    actual.emplace_back(entry.key, entry.value);
  }
  EXPECT_EQ(actual, expected);

  const Block& variables = root.children[1];
  EXPECT_EQ(variables.key, "VarFileInfo");
  ASSERT_EQ(variables.children.size(), 1u);
  EXPECT_EQ(variables.children[0].key, "Translation");
  EXPECT_EQ(variables.children[0].value, std::string("\x09\x04\xE4\x04", 4));
}

TEST_F(VersionRecordTest, TheIconGroupMainIconHoldsTheIconFilesImage) {
  const Resource* group = Find(resources, 14); // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->name, "MAINICON");
  const std::string& dir = group->data;
  ASSERT_EQ(dir.size(), 6u + 14u);
  EXPECT_EQ(U16(dir, 4), 1u); // one image
  EXPECT_EQ(static_cast<unsigned char>(dir[6]), 32);
  EXPECT_EQ(static_cast<unsigned char>(dir[8]), 16);
  EXPECT_EQ(U32(dir, 14), 744u);
  const Resource* image = Find(resources, 3); // RT_ICON
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->nameId, U16(dir, 18));
  EXPECT_EQ(image->data, ReadFile(VARNEX_SOURCE_DIR "/resources/MAINICON.ico").substr(22));
}

TEST_F(VersionRecordTest, FormsPicturesAndTheManifestAreCompiledInWhole) {
  const struct {
    const char* name;
    const char* file;
  } named[] = {{"TFORM1", "forms/TFORM1.form"},
               {"TFORM2", "forms/TFORM2.form"},
               {"MAINICON", "MAINICON.ico"},
               {"LOGO", "LOGO.gif"},
               {"OK", "OK.bmp"}};
  for (const auto& n : named) {
    SCOPED_TRACE(n.name);
    const auto found = std::find_if(resources.begin(), resources.end(), [&](const Resource& r) {
      return r.typeId == 10 && r.name == n.name; // RT_RCDATA
    });
    ASSERT_NE(found, resources.end());
    EXPECT_EQ(found->data, ReadFile(std::string(VARNEX_SOURCE_DIR "/resources/") + n.file));
  }
  const Resource* manifest = Find(resources, 24); // RT_MANIFEST
  ASSERT_NE(manifest, nullptr);
  EXPECT_EQ(manifest->nameId, 1u); // read when the process starts
  EXPECT_NE(manifest->data.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(manifest->data.find(">true</dpiAware>"), std::string::npos);
}
