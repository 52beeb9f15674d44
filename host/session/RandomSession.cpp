#include "session/RandomSession.h"

#include <stdlib.h>

#include <deque>
#include <filesystem>
#include <random>
#include <string>

#include "app/Application.h"
#include "kit/Application.h"
#include "model/Shell.h"
#include "session/Commands.h"
#include "session/SessionExtension.h"
#include "session/StepInvariants.h"

namespace host {

namespace {

// The steps shown before a failure, as a script to start from.
constexpr size_t kStepsShownBeforeFailure = 40;

// Runs the steps; it is also the toolkit's event source, so a dialog a step opens takes
// the next steps as its events.
class RandomRunner : public kit::EventSource {
 public:
  RandomRunner(Application& application, std::unique_ptr<RandomSteps> generator, int64_t steps,
               std::ostream* printed)
      : generator_(std::move(generator)), context_{application, printed ? *printed : discarded_}, steps_(steps),
        printed_(printed) {}

  // False when a step broke an invariant.
  bool run() {
    kit::EventSource* previous = kit::Application::shared().eventSource();
    kit::Application::shared().setEventSource(this);
    while (failure_.empty() && done_ < steps_) runNextEvent();
    kit::Application::shared().setEventSource(previous);
    return failure_.empty();
  }

  bool runNextEvent() override {
    if (!failure_.empty() || done_ >= steps_) return false;
    const std::optional<std::string> line = generator_->next();
    if (!line) {
      fail("(none)", "the dialog running modally could not be closed by its buttons or keys");
      return false;
    }
    ++done_;
    if (printed_) *printed_ << *line << std::endl;
    recent_.push_back(*line);
    if (recent_.size() > kStepsShownBeforeFailure) recent_.pop_front();

    const StepMark mark = markStepStart();
    // Nothing is thrown from here: a dialog's run may have called in through a plug-in.
    try {
      Arguments arguments;
      const Command& command = parseCommand(*line, &arguments);
      runCommand(context_, command, arguments);
    } catch (const std::exception& error) {
      fail(*line, std::string("the step failed: ") + error.what());
      return false;
    }
    if (std::string problem = checkStepEnd(mark); !problem.empty()) {
      fail(*line, problem);
      return false;
    }
    return true;
  }

  int64_t done() const { return done_; }
  const std::string& failure() const { return failure_; }
  const std::string& failedLine() const { return failedLine_; }
  const std::deque<std::string>& recent() const { return recent_; }

 private:
  void fail(const std::string& line, std::string problem) {
    if (!failure_.empty()) return;
    failure_ = std::move(problem);
    failedLine_ = line;
  }

  std::unique_ptr<RandomSteps> generator_;
  std::ostream discarded_{nullptr};
  CommandContext context_;
  int64_t steps_;
  std::ostream* printed_;
  int64_t done_ = 0;
  std::string failure_;
  std::string failedLine_;
  std::deque<std::string> recent_;
};

// Very long typed texts are cut in the list of the last steps; --steps prints them whole.
std::string shortened(const std::string& line) {
  constexpr size_t kShown = 120;
  if (line.size() <= kShown) return line;
  return line.substr(0, kShown) + "... (" + std::to_string(line.size()) + " bytes)";
}

uint64_t drawnSeed() {
  std::random_device device;
  return (uint64_t{device()} << 32) ^ device();
}

// A folder of the session's own for its preferences, removed at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "guides-random-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

int runRandomSession(const HostOptions& options, std::ostream& out, std::ostream& errors) {
  const uint64_t seed = options.seed ? *options.seed : drawnSeed();
  out << "random session: seed " << seed << ", " << options.randomSteps << " steps" << std::endl;

  ScratchFolder scratch;
  std::filesystem::path preferences = options.preferences;
  if (preferences.empty()) {
    if (scratch.path().empty()) {
      errors << "guides-host: cannot make a folder for the preferences" << std::endl;
      return 1;
    }
    preferences = scratch.path() / "prefs.json";
  }
  if (const PreferenceStore::Report report = shell().preferences.open(preferences); !report.problem.empty())
    shell().log.error(report.problem, report.detail);
  shell().calls.setOn(true);  // before the plug-ins acquire their suites

  Application application(modulesToLoad(options));
  std::unique_ptr<RandomSteps> steps = sessionExtension().randomSteps(seed, application.events());
  if (!steps) {
    errors << "guides-host: --random: no harness registered with this host draws random steps" << std::endl;
    shell().calls.setOn(false);
    return 1;
  }
  application.start();
  RandomRunner runner(application, std::move(steps), options.randomSteps, options.printSteps ? &out : nullptr);
  const bool kept = runner.run();
  application.shutdown();
  shell().calls.setOn(false);

  if (kept) {
    out << "random session: " << runner.done() << " steps kept the invariants (seed " << seed << ")" << std::endl;
    return 0;
  }
  out.flush();
  errors << "random session failed at step " << runner.done() << " of seed " << seed << ": "
         << runner.failedLine() << "\n  " << runner.failure() << "\n  replay: guides-host --random "
         << runner.done() << " --seed " << seed << " --steps\n  the last steps:\n";
  for (const std::string& line : runner.recent()) errors << "    " << shortened(line) << "\n";
  errors.flush();
  return 1;
}

}  // namespace host
