#include "session/CommandSupport.h"

#include <charconv>

#include "AITool.h"
#include "kit/Application.h"
#include "model/Model.h"
#include "model/Shell.h"

namespace host {

uint16_t Modifiers::eventBits() const {
  uint16_t bits = 0;
  if (alt) bits |= aiEventModifiers_optionKey;
  if (shift) bits |= aiEventModifiers_shiftKey;
  if (cmd) bits |= aiEventModifiers_cmdKey;
  return bits;
}

kit::ModifierFlags Modifiers::toolkitFlags() const {
  kit::ModifierFlags flags = 0;
  if (alt) flags |= kit::EventModifierFlagOption;
  if (shift) flags |= kit::EventModifierFlagShift;
  if (cmd) flags |= kit::EventModifierFlagCommand;
  return flags;
}

Modifiers modifierArguments(const Arguments& arguments, size_t first, bool cmdAllowed) {
  Modifiers modifiers;
  for (size_t i = first; i < arguments.size(); ++i) {
    if (arguments[i] == "alt")
      modifiers.alt = true;
    else if (arguments[i] == "shift")
      modifiers.shift = true;
    else if (arguments[i] == "cmd" && cmdAllowed)
      modifiers.cmd = true;
    else
      throw CommandError("'" + arguments[i] + "' is not a modifier (" +
                         (cmdAllowed ? "cmd, alt, shift" : "alt, shift") + ")");
  }
  return modifiers;
}

int32_t indexArgument(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0)
    throw CommandError("'" + std::string(text) + "' is not an index (0, 1, 2, ...)");
  return value;
}

void reportRefusal(CommandContext& context, const std::string& what, std::string_view reason) {
  std::string line = what + " refused: ";
  line += reason;
  context.out << line << std::endl;
  ++context.refusals;
  shell().log.note(std::move(line));
}

Document& frontDocument() {
  Document* document = model().front();
  if (!document) throw CommandError("no document is open");
  return *document;
}

bool refusedWhileModal(CommandContext& context, const std::string& what) {
  if (!kit::Application::shared().modalWindow()) return false;
  reportRefusal(context, what, "a dialog is running modally");
  return true;
}

}  // namespace host
