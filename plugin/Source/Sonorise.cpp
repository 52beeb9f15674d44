// Feedback sounds, played from the files of the plug-in's Resources folder.
#include <optional>
#include <string>

#include "GuidesOutil.h"
#include "IAIError.h"
#include "OutilGuides.h"
#include "VerifieRessources.h"
#include "kit/Bundle.h"
#include "kit/Sound.h"

const char* NomDuSon(int16_t code) {
  switch (code) {
    case 9000:
      return "Pop";
    case 9002:
      return "Bruit";
    default:
      return "Tink";
  }
}

// Also called from panel actions: nothing may escape into the toolkit. A sound is only
// feedback: when it cannot play, nobody is told.
void Sonorise(int16_t code) {
  CallGuarded([&] {
    const std::optional<kit::Bundle> module =
        kit::Bundle::bundleContainingAddress(reinterpret_cast<const void*>(&Sonorise));
    if (!module) return;
    const std::string chemin = module->pathForResource(NomDuSon(code), "aiff");
    // A missing or damaged file plays nothing; start-up named it in its alert.
    if (!EstSonAiff(chemin)) return;
    if (auto son = kit::Sound::initWithContentsOfFile(chemin, true)) son->play();
  });
}
