#include "server/SoundConversion.h"

#include <cmath>
#include <cstdint>

namespace host {

namespace {

uint32_t bigEndian(std::string_view bytes, size_t at, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

void appendLittleEndian(std::string& out, uint32_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) out += static_cast<char>(value >> (8 * i) & 0xff);
}

// The 80-bit extended float AIFF keeps its sample rate in; 0 when it is not a whole number
// of hertz in range.
uint32_t sampleRate(std::string_view bytes) {
  const int exponent = static_cast<int>(bigEndian(bytes, 0, 2) & 0x7fff) - 16383;
  const uint64_t mantissa = uint64_t{bigEndian(bytes, 2, 4)} << 32 | bigEndian(bytes, 6, 4);
  if ((bigEndian(bytes, 0, 2) & 0x8000) || exponent < 0 || exponent > 19) return 0;
  const double rate = std::ldexp(static_cast<double>(mantissa), exponent - 63);
  if (rate != std::floor(rate) || rate < 1 || rate > 1e6) return 0;
  return static_cast<uint32_t>(rate);
}

struct Format {
  uint32_t channels = 0;
  uint32_t frames = 0;
  uint32_t bits = 0;
  uint32_t rate = 0;
};

}  // namespace

std::optional<std::string> wavFromAiff(std::string_view aiff) {
  if (aiff.size() < 12 || aiff.substr(0, 4) != "FORM" || aiff.substr(8, 4) != "AIFF") return std::nullopt;
  std::optional<Format> format;
  std::string_view samples;
  bool haveSamples = false;
  for (size_t at = 12; at + 8 <= aiff.size();) {
    const std::string_view id = aiff.substr(at, 4);
    const size_t size = bigEndian(aiff, at + 4, 4);
    if (size > aiff.size() - at - 8) return std::nullopt;
    const std::string_view body = aiff.substr(at + 8, size);
    if (id == "COMM" && size >= 18) {
      format = Format{bigEndian(body, 0, 2), bigEndian(body, 2, 4), bigEndian(body, 6, 2), sampleRate(body.substr(8, 10))};
    } else if (id == "SSND" && size >= 8) {
      const size_t offset = bigEndian(body, 0, 4);
      if (offset > size - 8) return std::nullopt;
      samples = body.substr(8 + offset);
      haveSamples = true;
    }
    at += 8 + size + (size & 1);  // chunks are padded to an even size
  }
  if (!format || !haveSamples || format->channels == 0 || format->channels > 8 || format->rate == 0) return std::nullopt;
  if (format->bits != 8 && format->bits != 16 && format->bits != 24 && format->bits != 32) return std::nullopt;
  const size_t width = format->bits / 8;
  const size_t frameBytes = width * format->channels;
  const size_t frames = std::min<size_t>(format->frames, samples.size() / frameBytes);
  const size_t dataBytes = frames * frameBytes;

  std::string wav = "RIFF";
  appendLittleEndian(wav, static_cast<uint32_t>(36 + dataBytes), 4);
  wav += "WAVEfmt ";
  appendLittleEndian(wav, 16, 4);
  appendLittleEndian(wav, 1, 2);  // PCM
  appendLittleEndian(wav, format->channels, 2);
  appendLittleEndian(wav, format->rate, 4);
  appendLittleEndian(wav, static_cast<uint32_t>(format->rate * frameBytes), 4);
  appendLittleEndian(wav, static_cast<uint32_t>(frameBytes), 2);
  appendLittleEndian(wav, format->bits, 2);
  wav += "data";
  appendLittleEndian(wav, static_cast<uint32_t>(dataBytes), 4);
  for (size_t at = 0; at < dataBytes; at += width) {
    const uint32_t sample = bigEndian(samples, at, width);
    // WAV's 8-bit samples are unsigned, AIFF's signed.
    appendLittleEndian(wav, width == 1 ? (sample + 128) & 0xff : sample, width);
  }
  return wav;
}

}  // namespace host
