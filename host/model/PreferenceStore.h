// The host's preferences: (section, key) -> typed value (boolean, integer, real, string),
// kept in one JSON file. Every put rewrites the file atomically (temporary file in the same
// folder, fsync, rename), so a host killed at any moment loses nothing already put. A file
// that cannot be understood is moved aside, never deleted, and the store starts empty.
#ifndef GUIDES_HOST_MODEL_PREFERENCESTORE_H
#define GUIDES_HOST_MODEL_PREFERENCESTORE_H

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>

#include "AITypes.h"

namespace host {

class PreferenceStore {
 public:
  using Value = std::variant<bool, int32_t, double, std::string>;
  using Section = std::map<std::string, Value, std::less<>>;
  using Sections = std::map<std::string, Section, std::less<>>;

  // What went wrong when a file was read: nothing (problem empty), or a problem with its
  // detail (the paths involved).
  struct Report {
    std::string problem;
    std::string detail;
  };

  // Binds the store to a file and reads it; an absent file reads as empty, a damaged one is
  // moved aside and reads as empty. A store bound to no file keeps its values in memory.
  Report open(const std::filesystem::path& file);
  // Reads the bound file again, as a new run of the host would.
  Report reload() { return open(file_); }

  // The value stored under (section, key), or null. The empty section is the host's own.
  const Value* find(std::string_view section, std::string_view key) const;
  // Stores the value and rewrites the file. Texts must be UTF-8 and reals finite
  // (kBadParameterErr, kNotFiniteErr); a file that cannot be written leaves the store as it
  // was and answers kPreferenceWriteErr.
  AIErr put(std::string_view section, std::string_view key, Value value);

  const Sections& sections() const { return sections_; }
  const std::filesystem::path& file() const { return file_; }
  // Why the last refused put could not be stored.
  const std::string& writeError() const { return writeError_; }

 private:
  AIErr write();

  Sections sections_;
  std::filesystem::path file_;
  bool writable_ = true;
  std::string writeError_;
};

// The store as JSON text, and back. parse returns false, with the reason, for text that
// is not JSON of the expected shapes.
std::string serialize(const PreferenceStore::Sections& sections);
bool parse(std::string_view text, PreferenceStore::Sections* sections, std::string* reason);

}  // namespace host

#endif
