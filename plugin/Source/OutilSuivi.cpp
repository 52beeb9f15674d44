// Cursor tracking: the tool's cursor, the hint's position, and the redraws the panel asks
// for (a posted key makes the host send this message at the last cursor position).
#include "GuidesOutil.h"
#include "GuidesTraces.h"
#include "OutilGuides.h"
#include "Survol.h"

namespace {

// The pending request, once: the erase, or the guides of the last click laid out again
// from the current values.
AIErr ServitLaDemande() {
  DoitRedessiner = false;
  if (DoitEffacer) {
    DoitEffacer = false;
    return EffaceReperes();
  }
  // Values no document can hold leave the guides of the last click as they are.
  if (AHGroupe != nullptr && !DispositionTracable()) return AlerteDispositionHorsDocument();
  return TraceLesSixSortes();
}

}  // namespace

AIErr SuitCurseur(const AIToolMessage& message) {
  const bool alt = AltEnfonce(message);
  AIReal zoom = 1.0f;
  AIErr erreur = RappelleLeZoom(&zoom);
  PosTexteAnno = message.cursor;
  if (alt) {
    MontreCurseur(CurseurOutil::Pointille);
  } else if (DoitRedessiner) {
    erreur = ServitLaDemande();
  } else {
    erreur = Survol(message);
  }
  return erreur;
}
