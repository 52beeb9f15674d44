// Layout files of any content. A file either loads, fills its outlets with objects the
// layout owns and can then be used through the controls, or is refused with a LayoutError
// that fills no outlet; nothing else may come out of the loader.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "VerifieFuzz.h"
#include "kit/Kit.h"
#include "kit/Snapshot.h"

namespace {

class DelegueDeChamp : public kit::Object, public kit::TextFieldDelegate {
 public:
  DelegueDeChamp() : kit::Object("DelegueDeChamp") {}
  bool doCommandBySelector(kit::Control*, kit::TextView*, const std::string& selecteur) override {
    return selecteur == "moveUp:";
  }
};

class VueDessinee : public kit::View {
 public:
  explicit VueDessinee(const kit::Rect& cadre) : kit::View("VueDessinee", cadre) {}
};

// Every slot a layout may fill, by outlet name.
struct Sorties {
  kit::View* view = nullptr;
  kit::View* dessin = nullptr;
  kit::TextField* champ = nullptr;
  kit::ComboBox* combo = nullptr;
  kit::PopUpButton* popup = nullptr;
  kit::Button* bouton = nullptr;
  kit::TextView* texte = nullptr;
  kit::ScrollView* defilement = nullptr;
  kit::Window* fenetre = nullptr;
  kit::Object* delegue = nullptr;

  bool ToutesVides() const {
    return !view && !dessin && !champ && !combo && !popup && !bouton && !texte && !defilement && !fenetre &&
           !delegue;
  }
};

int gActions = 0;

kit::LayoutBindings Liaisons(Sorties& s) {
  kit::LayoutBindings liaisons;
  liaisons.outlet("view", &s.view);
  liaisons.outlet("dessin", &s.dessin);
  liaisons.outlet("champ", &s.champ);
  liaisons.outlet("combo", &s.combo);
  liaisons.outlet("popup", &s.popup);
  liaisons.outlet("bouton", &s.bouton);
  liaisons.outlet("texte", &s.texte);
  liaisons.outlet("defilement", &s.defilement);
  liaisons.outlet("fenetre", &s.fenetre);
  liaisons.outlet("delegue", &s.delegue);
  liaisons.action("agit:", [](kit::Control*) { ++gActions; });
  liaisons.action("ferme:", [](kit::Control*) { kit::Application::shared().stopModal(); });
  liaisons.customClass("DelegueDeChamp",
                       [](const kit::Rect&) -> std::unique_ptr<kit::Object> { return std::make_unique<DelegueDeChamp>(); });
  liaisons.customClass("VueDessinee",
                       [](const kit::Rect& cadre) -> std::unique_ptr<kit::Object> { return std::make_unique<VueDessinee>(cadre); });
  return liaisons;
}

template <class T>
void VerifieAppartient(const kit::Layout& layout, const char* nom, T* sortie) {
  if (sortie) VERIFIE(layout.objectNamed(nom) == sortie, "outlet %s is not the layout's object", nom);
}

// What a user can do with the loaded controls; none of it may fail.
void Utilise(const Sorties& s) {
  if (s.champ) {
    s.champ->userTypeText("12,5 mm");
    s.champ->userCommand("moveUp:");
    s.champ->userCommand("insertTab:");
  }
  if (s.combo) {
    s.combo->userChooseItem(0);
    s.combo->userChooseItem(s.combo->numberOfItems() - 1);
  }
  if (s.popup) {
    s.popup->userChooseItem(s.popup->numberOfItems() - 1);
    s.popup->selectItemAtIndex(0);
  }
  if (s.bouton) s.bouton->userClick();
  if (s.texte) s.texte->scrollRangeToVisible({0, 0});
  if (s.fenetre) s.fenetre->userKeyEquivalent("\r", 0);
  for (kit::View* vue : {s.view, s.dessin}) {
    if (!vue) continue;
    vue->userClick();
    vue->userMouseEntered();
    vue->userMouseExited();
    vue->display();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view texte(reinterpret_cast<const char*>(data), size);
  Sorties sorties;
  const kit::LayoutBindings liaisons = Liaisons(sorties);
  std::unique_ptr<kit::Layout> layout;
  try {
    layout = kit::Layout::loadString(texte, "fuzz.json", liaisons);
  } catch (const kit::LayoutError& refus) {
    VERIFIE(sorties.ToutesVides(), "a refused layout filled outlets: %s", refus.what());
    return 0;
  }
  VERIFIE(layout != nullptr, "a load answered no layout and no error");
  VerifieAppartient(*layout, "view", sorties.view);
  VerifieAppartient(*layout, "champ", sorties.champ);
  VerifieAppartient(*layout, "fenetre", sorties.fenetre);
  VerifieAppartient(*layout, "delegue", sorties.delegue);

  // What loaded, described, loads again into the same description.
  const nlohmann::json description = kit::describeLayout(*layout);
  Sorties autres;
  const kit::LayoutBindings memes = Liaisons(autres);
  VERIFIE(kit::describeLayout(*kit::Layout::loadString(description.dump(), "description", memes)) == description,
          "a description loads again into another one");

  layout->awakeFromNib();
  for (const auto& vue : layout->views()) (void)kit::describeView(*vue, kit::Live::Drawing).dump();
  for (const auto& fenetre : layout->windows()) (void)kit::describeWindow(*fenetre).dump();
  Utilise(sorties);
  layout.reset();
  kit::EventQueue::shared().clear();
  return 0;
}
