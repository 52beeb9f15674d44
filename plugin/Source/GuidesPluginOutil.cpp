// The tool's messages and the annotator's: what GuidesPlugIn does with them. The work is
// in the Outil* files, Survol and GuidesAnnotations; here each message is checked and
// guarded, so every path answers the host a code and nothing is thrown at it.
#include "EcritLitPrefs.h"
#include "GuidesAnnotations.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "OutilGuides.h"

namespace {

// The tool's handlers need the message's cursor and event; a message without a record is
// refused.
template <class Traitement>
ASErr AvecMessage(AIToolMessage* message, Traitement traitement) {
  if (message == nullptr) return kBadParameterErr;
  return CallGuarded([&] { return traitement(*message); });
}

}  // namespace

// Registration: the stored options are read first, so that the tool's placement follows them.
ASErr GuidesPlugIn::AddTools(SPInterfaceMessage*) {
  return CallGuarded([&] {
    LitPrefs();
    return EnregistreOutil(fPluginRef);
  });
}

// The hint shows only while the tool is selected: registered inactive.
ASErr GuidesPlugIn::AddAnnotator(SPInterfaceMessage*) {
  ASErr erreur = sAIAnnotator->AddAnnotator(fPluginRef, "RaltoAnno", &fAnnotator);
  if (erreur == kNoErr) erreur = sAIAnnotator->SetAnnotatorActive(fAnnotator, false);
  return erreur;
}

ASErr GuidesPlugIn::toolAnnotate(AIAnnotatorMessage* message) {
  if (message == nullptr) return kBadParameterErr;
  return CallGuarded([&] { return DessineAnnotation(*message); });
}

// fInvalRect stays the empty rectangle it starts as: the host redraws every active
// annotator after each event anyway, so the hint needs no area of its own.
ASErr GuidesPlugIn::InvalAnnotator(AIAnnotatorMessage*) { return InvalideAnnotations(fInvalRect); }

ASErr GuidesPlugIn::EditTool(AIToolMessage*) { return CallGuarded([] { return EditeOptionsOutil(); }); }

ASErr GuidesPlugIn::TrackToolCursor(AIToolMessage* message) { return AvecMessage(message, SuitCurseur); }

ASErr GuidesPlugIn::ToolMouseDown(AIToolMessage* message) { return AvecMessage(message, CliqueOutil); }

ASErr GuidesPlugIn::ToolMouseDrag(AIToolMessage*) { return kNoErr; }

ASErr GuidesPlugIn::ToolMouseUp(AIToolMessage*) { return kNoErr; }

ASErr GuidesPlugIn::SelectTool(AIToolMessage*) {
  return CallGuarded([&] { return SelectionneOutil(fAnnotator); });
}

ASErr GuidesPlugIn::DeselectTool(AIToolMessage*) {
  return CallGuarded([&] { return DeselectionneOutil(fAnnotator); });
}
