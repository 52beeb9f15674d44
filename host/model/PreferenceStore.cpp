#include "model/PreferenceStore.h"

#include <cmath>

#include "model/FileWriting.h"
#include "model/StringTable.h"

namespace host {

namespace {

std::string joined(const std::string& first, const std::string& second) {
  if (first.empty()) return second;
  if (second.empty()) return first;
  return first + "; " + second;
}

}  // namespace

PreferenceStore::Report PreferenceStore::open(const std::filesystem::path& file) {
  lock_.release();
  file_ = file;
  target_ = file.empty() ? file : followLinks(file);
  textRead_.reset();
  keptAside_ = false;
  failedSaves_ = 0;
  writes_ = 0;
  saveError_.clear();
  unsaved_ = false;
  return reload();
}

PreferenceStore::Report PreferenceStore::reload() {
  // Values a failed write left in memory are newer than the file this host holds: they stay,
  // and the next save tries them again. (A host that may not write drops its own instead.)
  if (unsaved_ && readOnlyReason_.empty()) {
    pending_ = true;
    return {"the preferences that could not be saved are kept; the file is not read again", file_.string()};
  }
  sections_.clear();
  texts_.clear();
  pending_ = false;
  unsaved_ = false;
  readOnlyReason_.clear();
  if (file_.empty()) return {};
  const Report locking = lock();
  const Report reading = read();
  return {joined(locking.problem, reading.problem), joined(locking.detail, reading.detail)};
}

PreferenceStore::Report PreferenceStore::lock() {
  if (lock_.isHeld() && lock_.file() == target_) return {};
  switch (lock_.acquire(target_)) {
    case FileLock::Outcome::Held:
      return {};
    // A folder where no lock file can be made takes no preferences file either: every
    // write fails and says so.
    case FileLock::Outcome::NotLockable:
      return {};
    case FileLock::Outcome::HeldElsewhere:
      break;
  }
  readOnlyReason_ = "they are in use by another host (process " + std::to_string(lock_.holder()) + ")";
  return {"the preferences are in use by another host (process " + std::to_string(lock_.holder()) +
              "); this host reads them and saves nothing",
          target_.string()};
}

PreferenceStore::Report PreferenceStore::read() {
  std::error_code error;
  const auto status = std::filesystem::status(target_, error);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  std::string text;
  if (status.type() != std::filesystem::file_type::regular || !readFile(target_, &text)) {
    // Writing over a file we could not read would lose it: keep it, store nothing.
    if (readOnlyReason_.empty()) readOnlyReason_ = "the file could not be read when the host started";
    return {"the preferences file cannot be read; preferences will not be saved", file_.string()};
  }
  std::string reason;
  if (parse(text, &sections_, &reason)) {
    if (!keptAside_) textRead_ = std::move(text);
    return {};
  }

  sections_.clear();
  if (!readOnlyReason_.empty())
    return {"the preferences file is damaged (" + reason + "); it is left as it is", file_.string()};
  const std::filesystem::path aside = moveAside(target_);
  if (aside.empty()) {
    readOnlyReason_ = "the damaged file could not be moved aside";
    return {"the preferences file is damaged (" + reason +
                ") and cannot be moved aside; preferences will not be saved",
            file_.string()};
  }
  return {"the preferences file is damaged (" + reason +
              "); it was moved aside and the preferences start empty",
          file_.string() + " -> " + aside.string()};
}

const PreferenceStore::Value* PreferenceStore::find(std::string_view section,
                                                    std::string_view key) const {
  const auto foundSection = sections_.find(section);
  if (foundSection == sections_.end()) return nullptr;
  const auto found = foundSection->second.find(key);
  return found == foundSection->second.end() ? nullptr : &found->second;
}

AIErr PreferenceStore::put(std::string_view section, std::string_view key, Value value) {
  if (key.empty() || !isValidUtf8(section) || !isValidUtf8(key)) return kBadParameterErr;
  if (const auto* text = std::get_if<std::string>(&value); text && !isValidUtf8(*text))
    return kBadParameterErr;
  if (const auto* real = std::get_if<double>(&value); real && !std::isfinite(*real))
    return kNotFiniteErr;
  sections_[std::string(section)][std::string(key)] = std::move(value);
  if (const auto text = texts_.find(section); text != texts_.end()) texts_.erase(text);
  pending_ = true;
  return kNoErr;
}

PreferenceStore::Saving PreferenceStore::save() {
  if (!pending_ || file_.empty()) return Saving::NothingNew;
  pending_ = false;
  std::string reason = readOnlyReason_;
  if (reason.empty() && keepFileRead(&reason) &&
      writeFileAtomically(target_, serialize(sections_, texts_), &reason)) {
    unsaved_ = false;
    saveError_.clear();
    ++writes_;
    return Saving::Saved;
  }
  unsaved_ = true;
  ++failedSaves_;
  saveError_ = reason;
  return Saving::Failed;
}

// The file as this run found it, beside it, before this run first writes over it: one bad
// run can always be undone by hand.
bool PreferenceStore::keepFileRead(std::string* reason) {
  if (!textRead_) return true;
  std::filesystem::path copy = target_;
  copy += ".bak";
  if (!writeFileAtomically(copy, *textRead_, reason)) {
    *reason = "cannot keep the file read as " + copy.filename().string() + " (" + *reason + ")";
    return false;
  }
  textRead_.reset();
  keptAside_ = true;
  return true;
}

}  // namespace host
