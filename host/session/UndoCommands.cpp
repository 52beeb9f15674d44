// The session commands `undo` and `redo`.
#include "model/Model.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"

namespace host {

namespace {

void travel(CommandContext& context, const char* what, AIErr (Model::*step)()) {
  if (refusedWhileModal(context, what)) return;
  switch ((model().*step)()) {
    case kNoErr:
      return;
    case kNoDocumentErr:
      return reportRefusal(context, what, "no document is open");
    default:
      return reportRefusal(context, what, std::string("nothing to ") + what);
  }
}

}  // namespace

void undo(CommandContext& context, const Arguments&) { travel(context, "undo", &Model::undo); }
void redo(CommandContext& context, const Arguments&) { travel(context, "redo", &Model::redo); }

}  // namespace host
