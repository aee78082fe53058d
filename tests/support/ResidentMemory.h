// The resident memory of the test process, from /proc/self/status (Linux).
#pragma once

#include <fstream>
#include <string>

namespace testsupport {

// VmRSS in MB; -1 when it cannot be read.
inline double ResidentMB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return -1;
}

}  // namespace testsupport
