// The panel's value fields on the real layout file, driven as the user drives them: clicks
// on the plus and minus buttons (Shift through the event's flags), typed texts validated
// with Return, editing commands offered to the fields' keyboard delegate. The values are
// read back from the set, in points, exactly.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "DelegateZeroUnUnGuides.h"
#include "GuideSet.h"
#include "GuidesDialogue.h"
#include "GuidesOutil.h"
#include "PanneauGlobals.h"
#include "PanneauDeTest.h"
#include "kit/Kit.h"

namespace {

class ChampsPanneau : public testhost::PanneauDeTest {
 protected:
  void SetUp() override {
    PanneauDeTest::SetUp();
    Charge();
    // In a window, so that a field can become the one being edited.
    fenetre_.contentView()->addSubview(*c().view());
    // As when the guides tool is selected over a document in millimetres.
    ActiverZones(1);
    Unite = kUniteMillimetres;
    kit::EventQueue::shared().clear();
    DoitRedessiner = false;
  }

  void TearDown() override {
    PanneauDeTest::TearDown();
    Unite = kUniteAucune;
    kit::Application::shared().setCurrentModifierFlags(0);
  }

  static void Clique(kit::Control* bouton, bool shift = false) {
    ASSERT_EQ(bouton->userClick(shift ? kit::EventModifierFlagShift : 0), kit::Delivery::Delivered)
        << bouton->identifier();
  }
  static void Tape(kit::TextField* zone, const std::string& texte) {
    ASSERT_EQ(zone->userTypeText(texte), kit::Delivery::Delivered) << zone->identifier();
  }
  static void Commande(kit::TextField* zone, const std::string& selecteur) {
    ASSERT_EQ(zone->userCommand(selecteur), kit::Delivery::Delivered) << zone->identifier();
  }

  // The set's unit chosen in its popup, as the user chooses it.
  void ChoisitUnite(int index) {
    c().PANpopupUniteDuSet->selectItemAtIndex(index);
    c().PANpopupUniteDuSetCBP(c().PANpopupUniteDuSet);
  }

  kit::Window fenetre_;
};

TEST_F(ChampsPanneau, LengthButtonsSnapToTheStepAndKeepTheirLowerBounds) {
  Clique(c().PANcadenas);
  Redessins();
  const struct { kit::TextField* zone; kit::Button* bouton; bool shift; const char* avant;
                 const char* apres; double& valeur; double points; } cas[] = {
      // Shift-minus on 0.5 cm is 0: the width becomes automatic, its field empty.
      {c().PANzoneLargeurColonne, c().PANstepMoinsLargeurColonne, true, "0.5 cm", "", LargeurDeColonnes, 0},
      // A gutter stops at 0; a margin goes below.
      {c().PANzoneGouttiereColonne, c().PANstepMoinsGouttiereColonne, false, "0 mm", "0 mm", GouttiereColonnes, 0},
      {c().PANzoneMargeBas, c().PANstepMoinsMargeBas, false, "0 mm", "-1 mm", MargeBas, -2.8346457481384277},
      // An empty field steps in the panel's unit.
      {c().PANzoneHauteurLigne, c().PANstepPlusHauteurLigne, false, "", "1 mm", HauteurDeLignes, 2.8346457481384277},
      {c().PANzoneGouttiereLigne, c().PANstepPlusGouttiereLigne, true, "12 mm", "15 mm", GouttiereLignes, 42.519686222076416},
      {c().PANzoneGouttiereLigne, c().PANstepMoinsGouttiereLigne, true, "12 mm", "10 mm", GouttiereLignes, 28.346457481384277},
      {c().PANzoneGouttiereLigne, c().PANstepMoinsGouttiereLigne, true, "13 mm", "10 mm", GouttiereLignes, 28.346457481384277},
      // The field's comma is read as the decimal separator: 2,37 and not 2.
      {c().PANzoneMargeGauche, c().PANstepPlusMargeGauche, false, "2,37 cm", "2,4 cm", MargeGauche, 68.03149795532228},
      {c().PANzoneMargeGauche, c().PANstepMoinsMargeGauche, false, "2,37 cm", "2,3 cm", MargeGauche, 65.19685220718385},
      // Half a step from zero lands on plain zero, not "-0".
      {c().PANzoneMargeDroite, c().PANstepMoinsMargeDroite, false, "0,5 mm", "0 mm", MargeDroite, 0},
      {c().PANzoneMargeDroite, c().PANstepPlusMargeDroite, true, "1 pi", "1,5 pi", MargeDroite, 18},
  };
  for (const auto& k : cas) {
    k.zone->setStringValue(k.avant);
    Clique(k.bouton, k.shift);
    EXPECT_EQ(k.zone->stringValue(), k.apres) << k.bouton->identifier() << " from " << k.avant;
    EXPECT_EQ(k.valeur, k.points) << k.bouton->identifier() << " from " << k.avant;
    EXPECT_EQ(Redessins(), 1u) << k.bouton->identifier();
  }
}

TEST_F(ChampsPanneau, WithoutAWorkingUnitAButtonChangesNothingButTheSeparator) {
  Unite = kUniteAucune;
  c().PANzoneHauteurLigne->setStringValue("12.5");
  HauteurDeLignes = 7;
  Clique(c().PANstepPlusHauteurLigne);
  EXPECT_EQ(c().PANzoneHauteurLigne->stringValue(), "12,5");
  EXPECT_EQ(HauteurDeLignes, 7);
  EXPECT_EQ(Redessins(), 1u);
}

TEST_F(ChampsPanneau, CountButtonsStayBetweenOneAndTheCap) {
  // The floor of 1, from 1, 0 and below, is the fields_counts_and_lock session's.
  const struct { kit::Button* bouton; const char* avant; int32_t apres; } cas[] = {
      {c().PANstepPlusNbrColonnes, "999", 1000},
      {c().PANstepPlusNbrColonnes, "1000", 1000},
      {c().PANstepMoinsNbrColonnes, "1000", 999},
      {c().PANstepPlusNbrColonnes, "99999999999", 1000},
      {c().PANstepMoinsNbrColonnes, "99999999999", 1000},
  };
  for (const auto& k : cas) {
    c().PANzoneNbrColonnes->setStringValue(k.avant);
    Clique(k.bouton, true);  // Shift makes no larger step on a count
    EXPECT_EQ(NombreDeColonnes, k.apres) << k.bouton->identifier() << " from " << k.avant;
    EXPECT_EQ(c().PANzoneNbrColonnes->stringValue(), std::to_string(k.apres));
  }
  EXPECT_EQ(Redessins(), std::size(cas));

  // Typed: as typed up to the cap, which holds what lies past it.
  for (const auto& [texte, nombre] : {std::pair{"999", 999}, {"1000", 1000}, {"1001", 1000}}) {
    Tape(c().PANzoneNbrLignes, texte);
    EXPECT_EQ(NombreDeLignes, nombre) << texte;
    EXPECT_EQ(c().PANzoneNbrLignes->stringValue(), std::to_string(nombre)) << texte;
  }
  // Text that is not a number reads 0, and stays as typed.
  Tape(c().PANzoneNbrLignes, "abc");
  EXPECT_EQ(NombreDeLignes, 0);
  EXPECT_EQ(c().PANzoneNbrLignes->stringValue(), "abc");
}

// A typed length's unit becoming the panel's, and the locked margins following the top
// one, typed or stepped, are the fields_typed and fields_counts_and_lock sessions'.

// Every way a length comes in refuses what is not a finite length the document can hold:
// the value stays, the field shows it again, the panel's unit stays.
TEST_F(ChampsPanneau, NonFiniteLengthsAreRefusedEverywhere) {
  Clique(c().PANcadenas);
  Tape(c().PANzoneGouttiereColonne, "4 mm");
  const double avant = GouttiereColonnes;
  for (const char* texte :
       {"1e400", "inf cm", "-Infinity", "NaN", "1e308 cm", "1,5e400 mm", "-1e999 pt", "1e39 mm", "5e38 in"}) {
    Tape(c().PANzoneGouttiereColonne, texte);
    EXPECT_EQ(GouttiereColonnes, avant) << texte;
    EXPECT_EQ(c().PANzoneGouttiereColonne->stringValue(), "4 mm") << texte;
    EXPECT_EQ(Unite, kUniteMillimetres) << texte;
  }
  Tape(c().PANzoneLargeurColonne, "inf");
  EXPECT_EQ(c().PANzoneLargeurColonne->stringValue(), "");
  EXPECT_EQ(LargeurDeColonnes, 0);

  // A field left showing such a number (typed, not yet validated) is refused by the
  // buttons and the arrow keys too, which then ask for no redraw: nothing changed.
  Redessins();
  const struct { kit::TextField* zone; kit::Button* bouton; double& valeur; } zones[] = {
      {c().PANzoneMargeHaut, c().PANstepPlusMargeHaut, MargeHaut},
      {c().PANzoneHauteurLigne, c().PANstepMoinsHauteurLigne, HauteurDeLignes},
      {c().PANzoneGouttiereLigne, c().PANstepPlusGouttiereLigne, GouttiereLignes}};
  for (const auto& z : zones) {
    const double tenue = z.valeur;
    for (const char* texte : {"1e39 mm", "nan mm", "3e38 in"}) {
      z.zone->setStringValue(texte);
      Clique(z.bouton);
      EXPECT_EQ(z.valeur, tenue) << z.zone->identifier() << " " << texte;
      z.zone->setStringValue(texte);
      Commande(z.zone, "moveUp:");
      EXPECT_EQ(z.valeur, tenue) << z.zone->identifier() << " " << texte;
    }
  }
  EXPECT_EQ(Redessins(), 0u);
  // Shown again in the unit the field named last.
  EXPECT_EQ(c().PANzoneMargeHaut->stringValue(), "0,12 in");
  EXPECT_EQ(c().PANzoneGouttiereLigne->stringValue(), "0,08 in");
}

// What each length becomes in the set's unit, from the unit its own text names or the
// working unit, is printed by the fields_set_unit and fields_unit_of_each_field sessions
// (millimetres to points in single precision by NotificationsPanneau); here, what the
// popup leaves as it was.
TEST_F(ChampsPanneau, TheSetUnitLeavesTheWorkingUnitAndWhatItCannotConvert) {
  Unite = kUnitePoints;
  Tape(c().PANzoneMargeHaut, "30 mm");
  ChoisitUnite(1);
  // The typed 30 mm set the working unit; the popup does not, and asks for no redraw.
  EXPECT_EQ(std::tuple(UniteDuSet, Unite, Redessins()), std::tuple(kUniteCentimetres, kUniteMillimetres, 1u));
  const double tenue = GouttiereColonnes;
  c().PANzoneGouttiereColonne->setStringValue("1e300 pt");
  ChoisitUnite(0);
  EXPECT_EQ(GouttiereColonnes, tenue);
}

TEST_F(ChampsPanneau, ArrowKeysStepByTheUnitWrittenAndRoundToTheStep) {
  Clique(c().PANcadenas);
  Redessins();
  const struct { kit::TextField* zone; const char* commande; const char* avant; const char* apres; } cas[] = {
      {c().PANzoneMargeHaut, "moveUp:", "2.5 cm", "2,6 cm"},
      {c().PANzoneMargeHaut, "moveUp:", "2.37 cm", "2,5 cm"},
      {c().PANzoneMargeHaut, "moveUpAndModifySelection:", "12 mm", "15 mm"},
      {c().PANzoneMargeHaut, "moveDownAndModifySelection:", "12 mm", "5 mm"},
      {c().PANzoneMargeBas, "moveDown:", "0 pt", "-1 pt"},
      {c().PANzoneMargeGauche, "moveUp:", "2 pi", "3 pi"},
      {c().PANzoneMargeDroite, "moveDown:", "0,7 mm", "0 mm"},
      {c().PANzoneLargeurColonne, "moveDown:", "0,1 cm", ""},
      {c().PANzoneGouttiereLigne, "moveDown:", "0 mm", "0 mm"},
      {c().PANzoneNbrColonnes, "moveUpAndModifySelection:", "3", "6"},
      {c().PANzoneNbrColonnes, "moveUpAndModifySelection:", "4", "6"},
      {c().PANzoneNbrColonnes, "moveDownAndModifySelection:", "2", "1"},
      {c().PANzoneNbrLignes, "moveDown:", "1", "1"},
      {c().PANzoneNbrLignes, "moveUp:", "99999999999", "1000"},
      // No unit written: nothing changes there, the redraw is still asked for.
      {c().PANzoneHauteurLigne, "moveUp:", "", ""},
  };
  for (const auto& k : cas) {
    k.zone->setStringValue(k.avant);
    Commande(k.zone, k.commande);
    EXPECT_EQ(k.zone->stringValue(), k.apres) << k.zone->identifier() << " " << k.commande << " " << k.avant;
  }
  EXPECT_EQ(Redessins(), std::size(cas));
  EXPECT_EQ(std::tuple(MargeBas, MargeGauche, LargeurDeColonnes, HauteurDeLignes, NombreDeColonnes, NombreDeLignes),
            std::tuple(-1.0, 36.0, 0.0, 0.0, 1, 1000));

  // Locked again, the typing goes to the top margin, whose new text and value go to the
  // three others.
  Clique(c().PANcadenas);
  EXPECT_TRUE(c().PANzoneMargeHaut->isEditing());
  c().PANzoneMargeHaut->setStringValue("2.5 cm");
  Commande(c().PANzoneMargeHaut, "moveUp:");
  EXPECT_EQ(c().PANzoneMargeDroite->stringValue(), "2,6 cm");
  EXPECT_EQ(MargeDroite, MargeHaut);
  EXPECT_EQ(MargeHaut, 73.70078945159912);
}

TEST_F(ChampsPanneau, TabSkipsTheLockedMarginsAndOtherCommandsAreTheEditors) {
  kit::TextField* const ordre[] = {c().PANzoneMargeHaut,      c().PANzoneMargeBas,     c().PANzoneMargeGauche,
                                   c().PANzoneMargeDroite,    c().PANzoneNbrColonnes,  c().PANzoneNbrLignes,
                                   c().PANzoneLargeurColonne, c().PANzoneHauteurLigne, c().PANzoneGouttiereColonne,
                                   c().PANzoneGouttiereLigne};
  // Locked: top margin, then columns, and the whole round back to the top margin.
  c().PANzoneMargeHaut->selectText();
  for (kit::TextField* attendue : {ordre[4], ordre[5], ordre[6], ordre[7], ordre[8], ordre[9], ordre[0]}) {
    kit::TextField* depart = static_cast<kit::TextField*>(fenetre_.firstResponder());
    Commande(depart, "insertTab:");
    EXPECT_TRUE(attendue->isEditing()) << "Tab from " << depart->identifier();
  }
  Commande(c().PANzoneMargeHaut, "insertBacktab:");
  EXPECT_TRUE(c().PANzoneGouttiereLigne->isEditing());
  c().PANzoneNbrColonnes->selectText();
  Commande(c().PANzoneNbrColonnes, "insertBacktab:");
  EXPECT_TRUE(c().PANzoneMargeHaut->isEditing());
  // A locked margin being edited goes nowhere.
  EXPECT_TRUE(c().PANdelegateZones->doCommandBySelector(c().PANzoneMargeBas, nullptr, "insertTab:"));
  EXPECT_TRUE(c().PANzoneMargeHaut->isEditing());

  // Unlocked: every field in turn, both ways.
  Clique(c().PANcadenas);
  for (size_t i = 0; i < std::size(ordre); ++i) {
    ordre[i]->selectText();
    Commande(ordre[i], "insertTab:");
    EXPECT_TRUE(ordre[(i + 1) % std::size(ordre)]->isEditing()) << "Tab from " << ordre[i]->identifier();
    ordre[i]->selectText();
    Commande(ordre[i], "insertBacktab:");
    EXPECT_TRUE(ordre[(i + std::size(ordre) - 1) % std::size(ordre)]->isEditing())
        << "Shift-Tab from " << ordre[i]->identifier();
  }
  EXPECT_EQ(Redessins(), 1u);  // the lock's only: moving changes nothing

  // Return, Escape and the rest are left to the editor; a control that is none of the ten
  // fields gets the six commands answered, and nothing moves.
  for (const char* autre : {"insertNewline:", "cancelOperation:", "moveLeft:", "deleteBackward:"})
    EXPECT_FALSE(c().PANdelegateZones->doCommandBySelector(c().PANzoneMargeHaut, nullptr, autre)) << autre;
  const double avant = MargeHaut;
  EXPECT_TRUE(c().PANdelegateZones->doCommandBySelector(c().PANnomSet, nullptr, "moveUp:"));
  EXPECT_TRUE(c().PANdelegateZones->doCommandBySelector(nullptr, nullptr, "insertTab:"));
  EXPECT_EQ(MargeHaut, avant);
  EXPECT_EQ(Redessins(), 0u);
}

}  // namespace
