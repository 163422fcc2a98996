#include "printout/PageFlow.h"

namespace kvd::Printout {

namespace {

// The height of block `first` and of every block it keeps with.
double KeptHeight(std::span<const Block> blocks, std::size_t first) {
    double height = 0;
    for (std::size_t i = first; i < blocks.size(); ++i) {
        height += blocks[i].height;
        if (!blocks[i].keepWithNext) {
            break;
        }
    }
    return height;
}

}  // namespace

std::vector<Placement> FlowOntoPages(std::span<const Block> blocks, double pageHeight) {
    std::vector<Placement> placements;
    placements.reserve(blocks.size());
    Placement next;
    bool kept = false;  // the block before keeps with this one and made the room for both
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        // A group that cannot fit on any page breaks between its blocks.
        const double group = KeptHeight(blocks, i);
        const double needed = kept || group > pageHeight ? blocks[i].height : group;
        if (next.top > 0 && next.top + needed > pageHeight) {
            next = {next.page + 1, 0};
        }
        placements.push_back(next);
        next.top += blocks[i].height;
        kept = blocks[i].keepWithNext;
    }
    return placements;
}

}  // namespace kvd::Printout
