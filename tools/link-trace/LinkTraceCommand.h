#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tunbox {

// Runs one exchange of the program against a SimulatedUnit and prints every
// event on the link, one per line, ending with "RESULT n". `args` are the
// command-line arguments without the program name. Returns the exit code:
// 0 whatever the exchange's result, 2 (with one line on `err`) for bad
// arguments or unreadable files.
int RunLinkTrace(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tunbox
