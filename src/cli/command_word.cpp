// Not wired yet: replaced when its subsystem lands.
#include "cli/commands.h"

#include <iostream>

namespace vorlen::cli {

int RunWord(Engine&, const Words&, std::ostream&) {
    std::cerr << "vorlen-cli: this command is not available yet\n";
    return 2;
}

} // namespace vorlen::cli
