// The host's preferences: (section, key) -> typed value (boolean, integer, real, string),
// kept in one JSON file. Puts change the values in memory; save() writes the file once for
// all the puts since the last save, atomically (temporary file in the same folder, fsync,
// rename), and the host saves before it goes back to its event loop, so that a host killed
// after a store loses nothing of it. A write that fails keeps the values in memory and is
// tried again at the next save that has something new.
//
// For its run the store holds a lock on the file; a second host given the same file reads
// it but never writes it. Before its first write in a run the store keeps the file it read
// as "<file>.bak". A file reached through a symbolic link is written where the link leads,
// and the link stays. A file that cannot be understood is moved aside, never deleted, and
// the store starts empty.
#ifndef GUIDES_HOST_MODEL_PREFERENCESTORE_H
#define GUIDES_HOST_MODEL_PREFERENCESTORE_H

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "AITypes.h"
#include "model/FileLock.h"

namespace host {

// Each section's text in the file, by section name.
using SectionTexts = std::map<std::string, std::string, std::less<>>;

class PreferenceStore {
 public:
  using Value = std::variant<bool, int32_t, double, std::string>;
  using Section = std::map<std::string, Value, std::less<>>;
  using Sections = std::map<std::string, Section, std::less<>>;

  // What went wrong when a file was opened: nothing (problem empty), or a problem with its
  // detail (the paths involved).
  struct Report {
    std::string problem;
    std::string detail;
  };

  // Starts a run on a file: locks it and reads it. An absent file reads as empty, a damaged
  // one is moved aside and reads as empty. A file locked by another host, or one that
  // cannot be read, is never written in this run. A store bound to no file keeps its
  // values in memory.
  Report open(const std::filesystem::path& file);
  // Reads the bound file again, as a new run of the plug-ins would. The lock is kept, or
  // taken if the host that held it has ended. Values a failed save left in memory are kept
  // instead, and saved at the next save; those of a host that may not write are dropped.
  Report reload();

  // The value stored under (section, key), or null. The empty section is the host's own.
  const Value* find(std::string_view section, std::string_view key) const;
  // Stores the value in memory, for save() to write. Texts must be UTF-8 and reals finite
  // (kBadParameterErr, kNotFiniteErr, and nothing changes).
  AIErr put(std::string_view section, std::string_view key, Value value);

  enum class Saving { NothingNew, Saved, Failed };
  // Writes every value to the file when something was put since the last save.
  Saving save();

  const Sections& sections() const { return sections_; }
  // The file as given, and the file written once its links are followed.
  const std::filesystem::path& file() const { return file_; }
  const std::filesystem::path& target() const { return target_; }
  // Why the last save failed ("cannot rename: No space left on device").
  const std::string& saveError() const { return saveError_; }
  // Why this run never writes the file, or empty when it does.
  const std::string& readOnlyReason() const { return readOnlyReason_; }
  // Saves that failed in this run; the file lags the memory while the last one failed.
  int failedSaves() const { return failedSaves_; }
  bool hasUnsavedValues() const { return unsaved_; }
  // Times the file was written in this run.
  int writes() const { return writes_; }

 private:
  Report lock();
  Report read();
  bool keepFileRead(std::string* reason);

  Sections sections_;
  SectionTexts texts_;  // of the sections unchanged since the last save
  std::filesystem::path file_;
  std::filesystem::path target_;
  FileLock lock_;
  std::string readOnlyReason_;
  std::optional<std::string> textRead_;  // the file as read, until it is kept aside
  bool keptAside_ = false;               // the copy of the file read is made
  bool pending_ = false;                 // puts since the last save
  bool unsaved_ = false;
  int failedSaves_ = 0;
  int writes_ = 0;
  std::string saveError_;
};

// The store as JSON text, and back. parse returns false, with the reason, for text that
// is not JSON of the expected shapes.
std::string serialize(const PreferenceStore::Sections& sections);
// The same, taking each section's text from `texts` when it is there and keeping there those
// it writes: a save writes again only the sections put since the one before.
std::string serialize(const PreferenceStore::Sections& sections, SectionTexts& texts);
bool parse(std::string_view text, PreferenceStore::Sections* sections, std::string* reason);

}  // namespace host

#endif
