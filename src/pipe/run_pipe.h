// `vorlen-cli -a` (also `vorlen-cli pipe`): the ispell pipe on standard input
// and output, for Emacs and the other clients of that protocol.
#pragma once

#include <string>
#include <vector>

namespace vorlen::pipe {

// Whether the command line asks for the pipe (-a, pipe, -v, -vv).
bool WantsPipe(const std::vector<std::string>& args);

// Runs the pipe until the input ends or the client goes away; the exit status.
int RunPipe(const std::vector<std::string>& args);

} // namespace vorlen::pipe
