// The preferences file: {"section": {"key": {"boolean": true}, "key2": {"real": 0.5}}}.
// Each value names its type, so an integer never comes back as a real or the reverse; the
// host's own keys live in the section "". This reads it; PreferenceWriting.cpp writes it.
#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

#include "model/PreferenceStore.h"

namespace host {

namespace {

using Json = nlohmann::json;

bool fitsInt32(const Json& number) {
  if (number.is_number_unsigned())
    return number.get<uint64_t>() <= uint64_t{std::numeric_limits<int32_t>::max()};
  const int64_t n = number.get<int64_t>();
  return n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max();
}

// One typed value: an object with one member naming the type.
bool valueFromJson(const Json& json, PreferenceStore::Value* value) {
  if (!json.is_object() || json.size() != 1) return false;
  const auto member = json.begin();
  const std::string& type = member.key();
  const Json& content = member.value();
  if (type == "boolean" && content.is_boolean()) {
    *value = content.get<bool>();
  } else if (type == "integer" && content.is_number_integer() && fitsInt32(content)) {
    *value = static_cast<int32_t>(content.get<int64_t>());
  } else if (type == "real" && content.is_number() && std::isfinite(content.get<double>())) {
    *value = content.get<double>();
  } else if (type == "string" && content.is_string()) {
    *value = content.get<std::string>();
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool parse(std::string_view text, PreferenceStore::Sections* sections, std::string* reason) {
  const Json root = Json::parse(text, nullptr, false);
  if (root.is_discarded()) {
    *reason = "not JSON";
    return false;
  }
  if (!root.is_object()) {
    *reason = "not an object of sections";
    return false;
  }
  PreferenceStore::Sections read;
  for (const auto& [name, section] : root.items()) {
    if (!section.is_object()) {
      *reason = "section \"" + name + "\" is not an object";
      return false;
    }
    for (const auto& [key, json] : section.items()) {
      PreferenceStore::Value value;
      if (!valueFromJson(json, &value)) {
        *reason = "key \"" + key + "\" of section \"" + name + "\" is not a typed value";
        return false;
      }
      read[name][key] = std::move(value);
    }
  }
  *sections = std::move(read);
  return true;
}

}  // namespace host
