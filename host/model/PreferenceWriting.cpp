// The preferences file written straight into one text, as the JSON library's own dump with
// an indent of 2 writes it (the same bytes: sections and keys in byte order, two spaces a
// level, strings escaped alike, reals in the same shortest digits), without building the
// library's tree of the whole store first, which cost twenty times the file's write.
#include <charconv>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "model/PreferenceStore.h"

namespace host {

namespace {

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}

  // Each section's text is taken from `texts` when there, else written and kept there.
  void sections(const PreferenceStore::Sections& all, SectionTexts& texts) {
    object(all, 0, [this, &texts](const std::string& name, const PreferenceStore::Section& section) {
      auto found = texts.find(name);
      if (found == texts.end()) {
        std::string text;
        Writer(text).section(section);
        found = texts.emplace(name, std::move(text)).first;
      }
      out_ += found->second;
    });
    out_ += '\n';
  }

  void section(const PreferenceStore::Section& section) {
    object(section, 1, [this](const std::string&, const PreferenceStore::Value& value) { typed(value); });
  }

 private:
  // {"key": value, ...} at a depth, one member a line; {} when empty.
  template <class Map, class WriteValue>
  void object(const Map& members, int depth, WriteValue writeValue) {
    if (members.empty()) {
      out_ += "{}";
      return;
    }
    out_ += "{\n";
    bool first = true;
    for (const auto& [key, value] : members) {
      if (!first) out_ += ",\n";
      first = false;
      indent(depth + 1);
      string(key);
      out_ += ": ";
      writeValue(key, value);
    }
    out_ += '\n';
    indent(depth);
    out_ += '}';
  }

  // {"type": value}, a level below the key's; its fixed text in one piece before and after.
  void typed(const PreferenceStore::Value& value) {
    static constexpr std::string_view kOpenings[] = {"{\n      \"boolean\": ", "{\n      \"integer\": ",
                                                     "{\n      \"real\": ", "{\n      \"string\": "};
    out_ += kOpenings[value.index()];
    std::visit([this](const auto& v) { scalar(v); }, value);
    out_ += "\n    }";
  }

  void scalar(bool value) { out_ += value ? "true" : "false"; }
  void scalar(int32_t value) {
    char digits[16];
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  }
  // The library's own shortest digits and layout ("0.5", "1.0", "1e+20"): a file written
  // before reads back, and writes again, to the same bytes.
  void scalar(double value) {
    char digits[64];
    out_.append(digits, nlohmann::detail::to_chars(digits, digits + sizeof digits, value));
  }
  void scalar(const std::string& value) { string(value); }

  // Quotes, backslashes and control characters escaped as the library escapes them; every
  // other byte, UTF-8 included, as it is.
  void string(std::string_view text) {
    out_ += '"';
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c >= 0x20 && c != '"' && c != '\\') continue;
      out_.append(text, plain, i - plain);
      plain = i + 1;
      escape(c);
    }
    out_.append(text, plain);
    out_ += '"';
  }

  void escape(unsigned char c) {
    switch (c) {
      case '\b': out_ += "\\b"; return;
      case '\t': out_ += "\\t"; return;
      case '\n': out_ += "\\n"; return;
      case '\f': out_ += "\\f"; return;
      case '\r': out_ += "\\r"; return;
      case '"': out_ += "\\\""; return;
      case '\\': out_ += "\\\\"; return;
      default: {
        char code[8];
        std::snprintf(code, sizeof code, "\\u%04x", c);
        out_ += code;
      }
    }
  }

  void indent(int depth) { out_.append(static_cast<size_t>(2 * depth), ' '); }

  std::string& out_;
};

}  // namespace

std::string serialize(const PreferenceStore::Sections& sections) {
  SectionTexts texts;
  return serialize(sections, texts);
}

std::string serialize(const PreferenceStore::Sections& sections, SectionTexts& texts) {
  std::string out;
  size_t size = 64;
  for (const auto& [name, section] : sections) {
    const auto text = texts.find(name);
    size += text == texts.end() ? 64 * section.size() : text->second.size() + name.size() + 8;
  }
  out.reserve(size);
  Writer(out).sections(sections, texts);
  return out;
}

}  // namespace host
