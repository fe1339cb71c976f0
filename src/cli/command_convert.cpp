// Not wired yet: replaced when its subsystem lands.
#include "cli/commands.h"

#include <iostream>

namespace vorlen::cli {

int RunConvert(Engine&, const std::optional<std::string>&, std::ostream&, std::ostream& err) {
    err << "vorlen-cli: converting is not available yet\n";
    return 2;
}

} // namespace vorlen::cli
