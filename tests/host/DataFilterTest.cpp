// Resources read in chunks from the Resources folder beside the plug-in's module.
#include <fstream>

#include "AIDataFilter.h"
#include "ShellFixture.h"

class DataFilterTest : public ShellTest {
 protected:
  const AIDataFilterSuite* filters = suite<AIDataFilterSuite>(kAIDataFilterSuite, kAIDataFilterSuiteVersion);
  static constexpr int32_t kPNG = AI_FOURCC('P', 'N', 'G', 'I');

  std::string writeResource(const std::string& file, size_t size) {
    std::filesystem::create_directories(folder() / "Resources");
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 1);
    std::ofstream(folder() / "Resources" / file, std::ios::binary) << bytes;
    return bytes;
  }
};

TEST_F(DataFilterTest, AResourceIsReadInChunksToItsEnd) {
  const std::string bytes = writeResource("IconePanneauReduit.png", 2500);
  AIDataFilter* filter = nullptr;
  ASSERT_EQ(filters->NewResourceDataFilter(self, kPNG, 0, "IconePanneauReduit", &filter), kNoErr);
  ASSERT_EQ(filters->LinkDataFilter(nullptr, filter), kNoErr);
  std::string read;
  std::vector<size_t> chunks;
  for (;;) {
    char chunk[1024];
    size_t count = sizeof chunk;
    ASSERT_EQ(filters->ReadDataFilter(filter, chunk, &count), kNoErr);
    read.append(chunk, count);
    chunks.push_back(count);
    if (count < sizeof chunk) break;
  }
  EXPECT_EQ(read, bytes);
  EXPECT_EQ(chunks, (std::vector<size_t>{1024, 1024, 452}));
  EXPECT_EQ(filters->UnlinkDataFilter(filter, nullptr), kNoErr);
  EXPECT_EQ(filters->UnlinkDataFilter(filter, nullptr), kBadParameterErr);
  size_t count = 1;
  char byte;
  EXPECT_EQ(filters->ReadDataFilter(filter, &byte, &count), kBadParameterErr);
}

TEST_F(DataFilterTest, MissingOrUnsafeResourcesAreRefused) {
  writeResource("Outil.png", 10);
  std::ofstream(folder() / "Secret.png") << "outside";
  AIDataFilter* filter = nullptr;
  EXPECT_EQ(filters->NewResourceDataFilter(self, kPNG, 0, "Absent", &filter), kNotFoundErr);
  EXPECT_EQ(filters->NewResourceDataFilter(self, AI_FOURCC('T', 'E', 'X', 'T'), 0, "Outil", &filter),
            kNotFoundErr);
  EXPECT_EQ(filters->NewResourceDataFilter(self, kPNG, 0, "../Secret", &filter), kBadParameterErr);
  EXPECT_EQ(filters->NewResourceDataFilter(self, kPNG, 0, "..", &filter), kBadParameterErr);
  EXPECT_EQ(filters->NewResourceDataFilter(self, kPNG, 0, "", &filter), kBadParameterErr);
  EXPECT_EQ(filters->NewResourceDataFilter(nullptr, kPNG, 0, "Outil", &filter), kBadParameterErr);
  EXPECT_EQ(filter, nullptr);
  EXPECT_EQ(filters->NewResourceDataFilter(self, kPNG, 0, "Outil", &filter), kNoErr);
  EXPECT_EQ(filters->UnlinkDataFilter(filter, nullptr), kNoErr);
}
