#include "harness/GuidesSummary.h"

#include <vector>

#include "harness/PanelFields.h"
#include "kit/Application.h"
#include "kit/Control.h"
#include "kit/PopUpButton.h"
#include "model/ArtWalk.h"
#include "model/Model.h"
#include "session/Quoting.h"

namespace harness {

using namespace host;

namespace {

constexpr std::string_view kParentGroupName = "Repères";

// The nearest enclosing "Repères" group of an art, or kNoSlot.
uint32_t parentGroupOf(const ArtTree& arts, uint32_t slot) {
  for (uint32_t up = arts.at(slot).parent; up != kNoSlot; up = arts.at(up).parent) {
    const Art& art = arts.at(up);
    if (art.type == kGroupArt && art.name == kParentGroupName) return up;
  }
  return kNoSlot;
}

std::string guidesPart(const Model& model) {
  if (!model.front()) return "no document";
  struct Group {
    uint32_t slot;
    int guides = 0;
  };
  std::vector<Group> groups;
  int total = 0;
  walkFrontDocument(model, [&](const std::string&, uint32_t slot, const Art& art) {
    if (art.type == kGroupArt && art.name == kParentGroupName) groups.push_back({slot});
    if (art.type != kPathArt || !art.guide) return;
    ++total;
    const uint32_t group = parentGroupOf(model.arts(), slot);
    for (Group& g : groups)
      if (g.slot == group) ++g.guides;
  });
  std::string text = "guides " + std::to_string(total);
  for (size_t i = 0; i < groups.size(); ++i)
    text += (i == 0 ? ": " : ", ") + std::string(kParentGroupName) + " " + std::to_string(groups[i].guides);
  return text;
}

// The set chosen and the unit the panel's fields are shown in, when there is a panel.
std::string panelPart() {
  const kit::Application& toolkit = kit::Application::shared();
  const auto* popup = dynamic_cast<const kit::PopUpButton*>(toolkit.viewWithIdentifier(std::string(panel::PANpopupSets)));
  const auto* field =
      dynamic_cast<const kit::Control*>(toolkit.viewWithIdentifier(std::string(panel::kWorkingUnitField)));
  if (!popup || !field) return {};
  const std::string unit = panel::splitFieldText(field->stringValue()).unit;
  return " | set " + jsonQuoted(popup->titleOfSelectedItem()) + " | unit " + (unit.empty() ? "?" : unit);
}

}  // namespace

std::string summaryParts() { return " | " + guidesPart(model()) + panelPart(); }

}  // namespace harness
