#include "ClassesVues.h"

#include <memory>

#include "BoutonReveilGuides.h"
#include "BoutonsChamps.h"
#include "DelegateZeroUnUnGuides.h"

namespace {

template <class Vue>
void DeclarerVue(kit::LayoutBindings& liaisons, const char* classe) {
  liaisons.customClass(classe, [](const kit::Rect& frame) -> std::unique_ptr<kit::Object> {
    return std::make_unique<Vue>(frame);
  });
}

}  // namespace

void DeclarerClassesVues(kit::LayoutBindings& liaisons) {
  DeclarerVue<BoutonReveilGuides>(liaisons, "BoutonReveilGuides");
  DeclarerVue<BoutonMargeHaut>(liaisons, "BoutonMargeHaut");
  DeclarerVue<BoutonMargeBas>(liaisons, "BoutonMargeBas");
  DeclarerVue<BoutonMargeGauche>(liaisons, "BoutonMargeGauche");
  DeclarerVue<BoutonMargeDroite>(liaisons, "BoutonMargeDroite");
  DeclarerVue<BoutonNombreColonnes>(liaisons, "BoutonNombreColonnes");
  DeclarerVue<BoutonNombreLignes>(liaisons, "BoutonNombreLignes");
  DeclarerVue<BoutonLargeurColonnes>(liaisons, "BoutonLargeurColonnes");
  DeclarerVue<BoutonHauteurLignes>(liaisons, "BoutonHauteurLignes");
  DeclarerVue<BoutonGouttiereColonnes>(liaisons, "BoutonGouttiereColonnes");
  DeclarerVue<BoutonGouttiereLignes>(liaisons, "BoutonGouttiereLignes");
  liaisons.customClass("DelegateZeroUnUnGuides", [](const kit::Rect&) -> std::unique_ptr<kit::Object> {
    return std::make_unique<DelegateZeroUnUnGuides>();
  });
}
