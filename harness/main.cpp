// guides-host: the simulated host application with the guides plug-in's harness registered,
// so that it loads the plug-in by default and its sessions know the plug-in's panel.
#include <exception>
#include <iostream>

#include "session/HostOptions.h"
#include "session/HostRun.h"
#include "harness/GuidesExtension.h"
#include "server/ServeRun.h"
#include "session/SessionExtension.h"

int main(int argc, char** argv) {
  static const harness::GuidesExtension guides;
  host::registerSessionExtension(&guides);
  host::HostOptions options;
  if (const auto status = host::parseOptions(argc, argv, &options)) return *status;
  try {
    return options.serve ? host::runServed(options) : host::runHost(options);
  } catch (const std::exception& error) {
    std::cerr << "guides-host: stopped: " << error.what() << std::endl;
    return 1;
  }
}
