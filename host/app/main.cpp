// guides-host: the simulated host application.
#include <exception>
#include <iostream>

#include "app/HostOptions.h"
#include "app/HostRun.h"
#include "server/ServeRun.h"

int main(int argc, char** argv) {
  host::HostOptions options;
  if (const auto status = host::parseOptions(argc, argv, &options)) return *status;
  try {
    return options.serve ? host::runServed(options) : host::runHost(options);
  } catch (const std::exception& error) {
    std::cerr << "guides-host: stopped: " << error.what() << std::endl;
    return 1;
  }
}
