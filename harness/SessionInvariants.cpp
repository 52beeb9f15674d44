#include "harness/SessionInvariants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "harness/PanelFields.h"
#include "kit/Application.h"
#include "kit/Control.h"
#include "kit/PopUpButton.h"
#include "model/ArtWalk.h"
#include "model/Shell.h"

namespace harness {

using namespace host;

namespace {

// ---------------------------------------------------------------------------------------
// Guides: what the panel shows, and what the step laid out.

// The guides layer, the parent group of one click and the kind groups, as the plug-in
// names them; a kind group on an artboard has the artboard's number after its name.
constexpr std::string_view kGuidesLayer = "Ralto-Guides";
constexpr std::string_view kClickGroup = "Repères";
constexpr std::array<std::string_view, 6> kKinds = {"Marges droite", "Marges gauche", "Marges bas",
                                                    "Marges haut",   "Colonnes",      "Lignes"};
enum Kind { kRightMargin, kLeftMargin, kBottomMargin, kTopMargin, kColumns, kRows };

// A column or row count above this lays nothing out.
constexpr int kMostDivisions = 1000;
// Lengths up to this many units keep every coordinate of moderate artboards finite; past
// it the check is left out for the step.
constexpr double kModerateLength = 1e5;

// The sign of a length field as it reads: a shown zero may hide a value below the two
// decimals shown, so it allows either answer.
enum class Sign { Zero, Positive, Negative, Unreadable };

// A length as the panel writes it: "-12,5 mm", "3 mm", "0,25", or empty (an automatic size).
Sign signOfLengthText(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  text = panel::splitFieldText(text).number;
  if (text.ends_with(' ')) text.remove_suffix(1);
  if (text.empty()) return Sign::Zero;
  std::string number(text);
  std::replace(number.begin(), number.end(), ',', '.');
  size_t i = number[0] == '-' ? 1 : 0;
  const size_t digits = i;
  while (i < number.size() && std::isdigit(static_cast<unsigned char>(number[i]))) ++i;
  if (i == digits) return Sign::Unreadable;
  if (i < number.size() && number[i] == '.') {
    const size_t decimals = ++i;
    while (i < number.size() && std::isdigit(static_cast<unsigned char>(number[i]))) ++i;
    if (i == decimals) return Sign::Unreadable;
  }
  if (i != number.size()) return Sign::Unreadable;
  const double value = std::strtod(number.c_str(), nullptr);
  if (!(std::fabs(value) <= kModerateLength)) return Sign::Unreadable;
  return value > 0 ? Sign::Positive : value < 0 ? Sign::Negative : Sign::Zero;
}

struct PanelValues {
  std::array<Sign, 4> margins{};  // in the order of kKinds
  int columns = 0, rows = 0;
  Sign columnGutter = Sign::Zero, rowGutter = Sign::Zero;
};

const kit::Control* panelControl(std::string_view name) {
  return dynamic_cast<const kit::Control*>(kit::Application::shared().viewWithIdentifier(std::string(name)));
}

// The values the panel shows, or false when there is no panel or a length cannot be judged.
bool readPanel(PanelValues* values) {
  const kit::Control* columns = panelControl(panel::PANzoneNbrColonnes);
  const kit::Control* rows = panelControl(panel::PANzoneNbrLignes);
  if (!columns || !rows) return false;
  Sign read[8];
  for (int i = 0; i < 8; ++i) {
    const kit::Control* field = panelControl(panel::kLengthFields[i]);
    if (!field) return false;
    read[i] = signOfLengthText(field->stringValue());
    if (read[i] == Sign::Unreadable) return false;
  }
  std::copy(read, read + 4, values->margins.begin());
  values->columnGutter = read[6];
  values->rowGutter = read[7];
  values->columns = columns->intValue();
  values->rows = rows->intValue();
  return true;
}

// The guide counts a kind may hold, by the layout's rules.
std::set<size_t> expectedCounts(Kind kind, const PanelValues& values) {
  if (kind <= kTopMargin) {
    if (values.margins[kind] == Sign::Zero) return {0, 1};
    return {1};
  }
  const int count = kind == kColumns ? values.columns : values.rows;
  const Sign gutter = kind == kColumns ? values.columnGutter : values.rowGutter;
  if (count <= 1 || count > kMostDivisions) return {0};
  const size_t boundaries = static_cast<size_t>(count - 1);
  if (gutter == Sign::Positive) return {2 * boundaries};
  if (gutter == Sign::Negative) return {boundaries};
  return {boundaries, 2 * boundaries};
}

// "Colonnes12" -> (kColumns, "12"); "Colonnes" -> (kColumns, "") for a clicked object.
bool splitGroupName(std::string_view name, Kind* kind, std::string* reference) {
  for (size_t k = 0; k < kKinds.size(); ++k)
    if (name.starts_with(kKinds[k])) {
      const std::string_view rest = name.substr(kKinds[k].size());
      if (!std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
      *kind = static_cast<Kind>(k);
      *reference = rest;
      return true;
    }
  return false;
}

struct KindGroup {
  bool isNew = false;
  size_t guides = 0;
};
// Per click group, per reference, per kind.
using LaidOut = std::map<uint32_t, std::map<std::string, std::map<Kind, std::vector<KindGroup>>>>;

std::string describeReference(const std::string& reference) {
  return reference.empty() ? "the clicked object" : "artboard " + reference;
}

std::string countsText(const std::set<size_t>& counts) {
  std::string text;
  for (size_t count : counts) text += (text.empty() ? "" : " or ") + std::to_string(count);
  return text;
}

// ---------------------------------------------------------------------------------------
// Preferences.

constexpr const char* kSection = "RaltoGuides";
constexpr int kMostSets = 8;

// The thirteen keys of a set record and the type each is stored with.
constexpr std::pair<const char*, const char*> kSetKeys[] = {
    {"TI", "string"}, {"MH", "real"},    {"MB", "real"},    {"MG", "real"},    {"MD", "real"},
    {"NC", "integer"}, {"NL", "integer"}, {"LC", "real"},    {"HL", "real"},    {"GC", "real"},
    {"GL", "real"},    {"CD", "boolean"}, {"NS", "integer"},
};

}  // namespace

std::string checkGuidesLaidOutSince(uint64_t firstNewGeneration) {
  const Model& document = model();
  if (!document.front()) return {};
  const ArtTree& arts = document.arts();
  LaidOut laidOut;
  std::string problem;
  walkFrontDocument(document, [&](const std::string& prefix, uint32_t slot, const Art& art) {
    if (art.type != kGroupArt || art.parent == kNoSlot || !prefix.starts_with(kGuidesLayer)) return;
    const Art& parent = arts.at(art.parent);
    Kind kind;
    std::string reference;
    if (parent.name != kClickGroup || !splitGroupName(art.name, &kind, &reference)) return;
    KindGroup group{arts.refAt(slot).generation >= firstNewGeneration, 0};
    for (uint32_t child = art.firstChild; child != kNoSlot; child = arts.at(child).nextSibling) {
      const Art& guide = arts.at(child);
      if (group.isNew && (guide.type != kPathArt || !guide.guide || guide.segments.size() != 2))
        problem = prefix + "/" + art.name + " holds something other than two-point guides";
      ++group.guides;
    }
    laidOut[art.parent][reference][kind].push_back(group);
  });
  if (!problem.empty()) return problem;

  PanelValues values;
  bool panelRead = false;
  for (const auto& [clickGroup, references] : laidOut)
    for (const auto& [reference, kinds] : references) {
      const bool laidOutNow = std::any_of(kinds.begin(), kinds.end(), [](const auto& entry) {
        return std::any_of(entry.second.begin(), entry.second.end(), [](const KindGroup& g) { return g.isNew; });
      });
      if (!laidOutNow) continue;
      if (!panelRead && !(panelRead = readPanel(&values))) return {};  // nothing to compare with
      for (size_t k = 0; k < kKinds.size(); ++k) {
        const auto found = kinds.find(static_cast<Kind>(k));
        size_t guides = 0;
        if (found != kinds.end()) {
          for (const KindGroup& group : found->second)
            if (!group.isNew)
              return "an older \"" + std::string(kKinds[k]) + "\" group of " + describeReference(reference) +
                     " stayed beside the one just laid out";
          if (found->second.size() > 1)
            return "two \"" + std::string(kKinds[k]) + "\" groups of " + describeReference(reference) +
                   " were laid out";
          guides = found->second.front().guides;
        }
        const std::set<size_t> expected = expectedCounts(static_cast<Kind>(k), values);
        if (!expected.count(guides))
          return "\"" + std::string(kKinds[k]) + "\" of " + describeReference(reference) + " holds " +
                 std::to_string(guides) + " guide(s) where the panel's values give " + countsText(expected);
      }
    }
  return {};
}

std::string checkPreferencesAndSetPopup() {
  const std::filesystem::path& file = shell().preferences.file();
  int sets = 0;
  std::error_code error;
  if (!file.empty() && std::filesystem::exists(file, error)) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const nlohmann::json root = nlohmann::json::parse(text.str(), nullptr, false);
    if (root.is_discarded() || !root.is_object()) return "the preferences file is not a JSON object";
    if (root.contains(kSection)) {
      const nlohmann::json& section = root[kSection];
      const auto typed = [&](const std::string& key, const char* type) {
        return section.contains(key) && section[key].is_object() && section[key].contains(type);
      };
      if (section.contains("NbrSets")) {
        if (!typed("NbrSets", "integer") || !section["NbrSets"]["integer"].is_number_integer())
          return "\"NbrSets\" is not an integer";
        const int64_t stored = section["NbrSets"]["integer"].get<int64_t>();
        if (stored < 0 || stored > kMostSets) return "\"NbrSets\" is " + std::to_string(stored);
        sets = static_cast<int>(stored);
      }
      for (int k = 1; k <= sets; ++k)
        for (const auto& [letters, type] : kSetKeys) {
          const std::string key = std::string(letters) + static_cast<char>('0' + k);
          if (!typed(key, type)) return "set " + std::to_string(k) + " of " + std::to_string(sets) + " has no " + type + " \"" + key + "\"";
        }
    }
  }
  if (const auto* popup = dynamic_cast<const kit::PopUpButton*>(
          kit::Application::shared().viewWithIdentifier(std::string(panel::PANpopupSets)))) {
    if (popup->numberOfItems() != sets + 4)
      return "the popup of sets has " + std::to_string(popup->numberOfItems()) + " items for " +
             std::to_string(sets) + " stored set(s)";
  }
  return {};
}

std::string checkStep(const StepMark& mark) {
  // While a dialog runs modally the guides wait, so they are checked when it is over.
  std::string problem;
  if (!kit::Application::shared().modalWindow()) problem = checkGuidesLaidOutSince(mark.firstNewGeneration);
  if (problem.empty()) problem = checkPreferencesAndSetPopup();
  return problem;
}

}  // namespace harness
