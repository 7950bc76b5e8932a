// The solution of each reason when the main directory is missing, the one case in which every
// possible reason has a remedy of its own.
#pragma once

#include <optional>
#include <string>

// The solution for the reason at this list position; nullopt (no selection, -1, or a position
// without a reason) means that the solution shown stays as it is.
std::optional<std::string> ReasonSolution(int position);
