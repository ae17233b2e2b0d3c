// The batch run of kelmorite-tile: a tile for every source, in order.
#pragma once

#include "cli/options.h"

#include <iosfwd>

namespace kelmorite::cli {

// Makes and saves the tile of every source, spreading the work over
// options.jobs threads. Writes "SOURCE -> TARGET" to out for each tile
// written and "kelmorite-tile: SOURCE: <error>" to err for each failure,
// both in the order of the sources whatever the threads do. With progress on and
// more than a few sources, err also gets a counting line, rewritten in place. Gives the exit status:
// 0 when every source made its tile, 1 otherwise.
int runBatch(const Options& options, std::ostream& out, std::ostream& err, bool progress);

}  // namespace kelmorite::cli
