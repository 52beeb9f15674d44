// Every process-wide copy of the panel's outlets, by name, as it stands now: the tests that
// load the panel or end it check them all, from the table of the panel's controls.
#ifndef GUIDES_TESTS_COPIESDUPANNEAU_H
#define GUIDES_TESTS_COPIESDUPANNEAU_H

#include <string>
#include <utility>
#include <vector>

#include "PanneauGlobals.h"

inline std::vector<std::pair<std::string, const void*>> CopiesDuPanneau() {
  return {
#define PANNEAU_COPIE(Type, Membre, Copie) {#Copie, Copie},
#include "ControlesPanneau.h"
  };
}

#endif
