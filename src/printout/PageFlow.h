#pragma once

#include <span>
#include <vector>

namespace kvd::Printout {

// A piece of a printout that is never split across pages: a line, a settings row, the whole
// channel table.
struct Block {
    double height = 0;
    bool keepWithNext = false;  // a heading stays on the page of what follows it
};

struct Placement {
    int page = 0;  // from 0
    double top = 0;
};

// Places the blocks top to bottom on pages `pageHeight` high: a block that does not fit into
// what is left of its page starts the next one, and takes the blocks it keeps with along
// (unless together they are higher than a page). A block higher than a page gets a page of
// its own (the painter scales it to fit).
std::vector<Placement> FlowOntoPages(std::span<const Block> blocks, double pageHeight);

}  // namespace kvd::Printout
