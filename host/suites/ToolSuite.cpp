// Tools of the toolbox: the host's own ("Adobe Select Tool", ...), the companions' and those
// plug-ins add. A tool's number is its place in the toolbox. Selecting a tool takes effect
// at once; the tools that lose and gain the selection are told as soon as the plug-in's
// current message or action returns to the host.
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

UserInterface& ui() { return shell().ui; }

Tool* toolOf(AIToolHandle tool) { return ui().tools.find(fromHandle(tool)); }

// Information variables end with kInfoEndOfList; a list with no end stops here.
constexpr size_t kMaxInfoVars = 32;

AIErr AddTool(SPPluginRef plugin, const char* name, const AIAddToolData* data, int32_t options,
              AIToolHandle* tool) {
  if (!name || !data || !tool || !shell().plugins.find(fromHandle(plugin)) || !isValidUtf8(name))
    return kBadParameterErr;
  const std::string* title = receivedString(data->title);
  const std::string* tooltip = receivedString(data->tooltip);
  if (!title || !tooltip) return kBadParameterErr;
  // Two tools of one name: selecting by name would reach the first one only.
  if (!ui().toolNamed(name).isNull()) {
    shell().log.error(shell().plugins.find(fromHandle(plugin))->fileName + ": the tool name \"" + name +
                      "\" is already registered; the tool is refused");
    return kBadParameterErr;
  }
  Tool made;
  made.plugin = fromHandle(plugin);
  made.owner = ToolOwner::Plugin;
  made.name = name;
  made.title = *title;
  made.tooltip = *tooltip;
  made.options = options;
  made.normalIcon = data->normalIconResID;
  made.darkIcon = data->darkIconResID;
  Ref added;
  if (const AIErr error = ui().addTool(std::move(made), data->sameGroupAs, data->sameToolsetAs, &added))
    return error;
  *tool = toHandle<AIToolHandle>(added);
  return kNoErr;
}

AIErr GetToolNumberFromName(const char* name, int16_t* number) {
  if (!name || !number) return kBadParameterErr;
  const Ref tool = ui().toolNamed(name);
  if (tool.isNull()) return kNotFoundErr;
  *number = ui().toolNumber(tool);
  return kNoErr;
}

AIErr GetToolNumberFromHandle(AIToolHandle tool, int16_t* number) {
  if (!toolOf(tool) || !number) return kBadParameterErr;
  *number = ui().toolNumber(fromHandle(tool));
  return kNoErr;
}

AIErr GetToolName(AIToolHandle tool, const char** name) {
  const Tool* record = toolOf(tool);
  if (!record || !name) return kBadParameterErr;
  *name = record->name.c_str();
  return kNoErr;
}

AIErr SetToolInfoVars(AIToolHandle tool, const int32_t* infoVars) {
  Tool* record = toolOf(tool);
  if (!record || !infoVars) return kBadParameterErr;
  std::vector<int32_t> vars;
  for (size_t i = 0; infoVars[i] != kInfoEndOfList; ++i) {
    if (i == kMaxInfoVars) return kBadParameterErr;
    vars.push_back(infoVars[i]);
  }
  record->infoVars = std::move(vars);
  return kNoErr;
}

AIErr SetSelectedTool(AIToolHandle tool) {
  if (!toolOf(tool)) return kBadParameterErr;
  ui().selectTool(fromHandle(tool));
  return kNoErr;
}

AIErr SetSelectedToolByName(const char* name) {
  if (!name) return kBadParameterErr;
  const Ref tool = ui().toolNamed(name);
  if (tool.isNull()) return kNotFoundErr;
  ui().selectTool(tool);
  return kNoErr;
}

AIErr GetSelectedTool(AIToolHandle* tool) {
  if (!tool) return kBadParameterErr;
  *tool = toHandle<AIToolHandle>(ui().selectedTool);
  return kNoErr;
}

}  // namespace

extern const AIToolSuite toolSuite = {
    AddTool,         GetToolNumberFromName, GetToolNumberFromHandle, GetToolName,
    SetToolInfoVars, SetSelectedTool,       SetSelectedToolByName,   GetSelectedTool,
};

}  // namespace host
