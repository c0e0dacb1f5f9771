#pragma once
// Reads a page file back into records: texts, lines and rules with the attributes in force.
// Records that draw nothing of ours are skipped; anything malformed or truncated raises
// run-time error 321, never a read outside the bytes given.
#include "report/Pagina.h"

#include <span>

namespace report {

Pagina LeeEmf(std::span<const char> datos);

}  // namespace report
