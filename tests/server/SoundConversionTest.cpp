// The plug-in's sounds as browsers play them: the AIFF files become WAV files sample for
// sample; what is not an AIFF file this can read gives nothing.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "server/SoundConversion.h"

namespace {

uint32_t littleEndian(const std::string& bytes, size_t at, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) value |= uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  return value;
}

// A WAV file's channels, rate, bits a sample, data size and RIFF size.
std::vector<uint32_t> header(const std::string& wav) {
  return {littleEndian(wav, 22, 2), littleEndian(wav, 24, 4), littleEndian(wav, 34, 2), littleEndian(wav, 40, 4),
          littleEndian(wav, 4, 4)};
}

std::string bigEndian(uint32_t value, size_t width) {
  std::string out;
  for (size_t i = width; i-- > 0;) out += static_cast<char>(value >> (8 * i) & 0xff);
  return out;
}

// A 16-bit stereo AIFF of two frames at 44100 Hz.
std::string stereoAiff() {
  const std::string rate = std::string("\x40\x0e\xac\x44", 4) + std::string(6, '\0');
  const std::string comm = bigEndian(2, 2) + bigEndian(2, 4) + bigEndian(16, 2) + rate;
  const std::string ssnd = bigEndian(0, 4) + bigEndian(0, 4) + bigEndian(0x0102, 2) + bigEndian(0xfffe, 2) +
                           bigEndian(0x7fff, 2) + bigEndian(0x8000, 2);
  const std::string chunks = "COMM" + bigEndian(comm.size(), 4) + comm + "SSND" + bigEndian(ssnd.size(), 4) + ssnd;
  return "FORM" + bigEndian(4 + chunks.size(), 4) + "AIFF" + chunks;
}

}  // namespace

TEST(SoundConversion, ThePluginsSoundsBecomeWavFilesSampleForSample) {
  const std::optional<std::string> wav = host::wavFromAiff(testhost::contentOf(GUIDES_RESOURCES "/Pop.aiff"));
  ASSERT_TRUE(wav);
  EXPECT_EQ(wav->substr(0, 4) + wav->substr(8, 8), "RIFFWAVEfmt ");
  // Pop.aiff is 1,323 frames of mono 8 bits at 22,050 Hz: its data, then the file after
  // its first eight bytes.
  EXPECT_EQ(header(*wav), (std::vector<uint32_t>{1, 22050, 8, 1323, 1359}));
  EXPECT_EQ(wav->size(), 1367u);
  // Signed samples become unsigned: 0x1f -> 0x9f, 0xf2 (-14) -> 0x72.
  EXPECT_EQ(wav->substr(44, 4), "\x80\x9f\xbd\xd6");
  EXPECT_EQ(wav->substr(44 + 12, 4), "\x90\x72\x55\x3b");
  EXPECT_EQ(wav->substr(wav->size() - 3), "\x80\x80\x80");
}

TEST(SoundConversion, WiderSamplesAreByteSwappedFrameByFrame) {
  const std::optional<std::string> wav = host::wavFromAiff(stereoAiff());
  ASSERT_TRUE(wav);
  EXPECT_EQ(header(*wav), (std::vector<uint32_t>{2, 44100, 16, 8, 44}));
  EXPECT_EQ(littleEndian(*wav, 28, 4), 44100u * 4);  // bytes a second, then a frame's
  EXPECT_EQ(littleEndian(*wav, 32, 2), 4u);
  EXPECT_EQ(wav->substr(44), std::string("\x02\x01\xfe\xff\xff\x7f\x00\x80", 8));
}

TEST(SoundConversion, WhatIsNotAReadableAiffFileGivesNothing) {
  const std::string good = stereoAiff();
  EXPECT_FALSE(host::wavFromAiff(""));
  EXPECT_FALSE(host::wavFromAiff("FORM\0\0\0\4WAVE"));
  for (size_t size = 0; size < good.size() - 8; ++size)  // cut anywhere before the samples
    EXPECT_FALSE(host::wavFromAiff(good.substr(0, size))) << size;
  // 12-bit samples, no channels, a chunk larger than the file, a rate's exponent far out of range
  const std::pair<size_t, std::string> damages[] = {
      {12 + 8 + 7, "\x0c"}, {12 + 8 + 1, std::string(1, '\0')}, {16, bigEndian(0xfffffff0u, 4)}, {12 + 8 + 8, "\x7f"}};
  for (const auto& [at, bytes] : damages) {
    std::string damaged = good;
    EXPECT_FALSE(host::wavFromAiff(damaged.replace(at, bytes.size(), bytes))) << at;
  }
}
