// The commands of vorlen-cli. Words arrive as Windows-1252 (converted from the
// UTF-8 arguments); what a command prints is UTF-8. Engine state carries over
// from one word to the next, as between the words of a text.
#pragma once

#include "engine/engine.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vorlen::cli {

using Words = std::vector<std::string>;

int RunInflect(Engine& engine, const Words& words, std::ostream& out);
int RunRespell(Engine& engine, const Words& words, std::ostream& out);
int RunCandidates(Engine& engine, const Words& words, std::ostream& out);
int RunWord(Engine& engine, const Words& words, std::ostream& out);
int RunEnclitics(Engine& engine, const Words& words, std::ostream& out);
int RunSimilar(Engine& engine, const Words& words, std::ostream& out);
int RunExplain(Engine& engine, const Words& words, std::ostream& out);

// Converts a file (or standard input when `file` is empty) to `out`: UTF-8
// text stays UTF-8, anything else is read and written as Windows-1252.
// Returns 0, or 2 after a message on `err`.
int RunConvert(Engine& engine, const std::optional<std::string>& file, std::ostream& out,
               std::ostream& err);

// One line of output: the Windows-1252 string as UTF-8, then a newline.
void PrintLine(std::ostream& out, const std::string& cp1252);

} // namespace vorlen::cli
