// Sounds as browsers play them: the plug-in's AIFF files (uncompressed PCM, big-endian,
// signed) rewritten as WAV files (little-endian; 8-bit samples unsigned), sample for sample.
#ifndef GUIDES_HOST_SERVER_SOUNDCONVERSION_H
#define GUIDES_HOST_SERVER_SOUNDCONVERSION_H

#include <optional>
#include <string>
#include <string_view>

namespace host {

// The WAV file, or nothing when the bytes are not an AIFF file this can read (truncated
// chunks, no COMM or SSND chunk, 0 or more than 8 channels, a sample size other than 8,
// 16, 24 or 32 bits, a rate that is not a whole number from 1 Hz to 1 MHz).
std::optional<std::string> wavFromAiff(std::string_view aiff);

}  // namespace host

#endif
