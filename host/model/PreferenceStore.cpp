#include "model/PreferenceStore.h"

#include <cmath>
#include <optional>

#include "AIPreference.h"
#include "model/FileWriting.h"
#include "model/StringTable.h"

namespace host {

PreferenceStore::Report PreferenceStore::open(const std::filesystem::path& file) {
  sections_.clear();
  file_ = file;
  writable_ = true;
  if (file_.empty()) return {};

  std::error_code error;
  const auto status = std::filesystem::status(file_, error);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  std::string text;
  if (status.type() != std::filesystem::file_type::regular || !readFile(file_, &text)) {
    // Writing over a file we could not read would lose it: keep it, store nothing.
    writable_ = false;
    return {"the preferences file cannot be read; preferences will not be saved", file_.string()};
  }
  std::string reason;
  if (parse(text, &sections_, &reason)) return {};

  sections_.clear();
  const std::filesystem::path aside = moveAside(file_);
  if (aside.empty()) {
    writable_ = false;
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
  if (!writable_) {
    writeError_ = "preferences are not saved: " + file_.string() + " was not readable";
    return kPreferenceWriteErr;
  }

  Section& entries = sections_[std::string(section)];
  const auto found = entries.find(key);
  std::optional<Value> previous;
  if (found != entries.end()) previous = found->second;
  entries[std::string(key)] = std::move(value);

  if (write() == kNoErr) return kNoErr;
  // Memory and file stay the same: the put did not happen.
  if (previous)
    entries[std::string(key)] = std::move(*previous);
  else
    entries.erase(std::string(key));
  if (entries.empty()) sections_.erase(std::string(section));
  return kPreferenceWriteErr;
}

AIErr PreferenceStore::write() {
  if (file_.empty()) return kNoErr;
  writeError_.clear();
  if (writeFileAtomically(file_, serialize(sections_), &writeError_)) return kNoErr;
  writeError_ = "cannot save preferences to " + file_.string() + ": " + writeError_;
  return kPreferenceWriteErr;
}

}  // namespace host
