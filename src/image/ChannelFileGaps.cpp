#include "image/ChannelFileGaps.h"

#include <algorithm>

#include "image/ByteMap.h"
#include "image/ChannelFile.h"
#include "image/DifferenceTexts.h"

namespace kvd::ChannelFile {

std::vector<UserText> MissingParts(std::size_t length) {
    std::vector<UserText> parts;
    const std::size_t signature = ByteMap::kModelTag.size();
    for (std::size_t offset = std::max(length, signature) - signature; offset < ByteMap::kImageSize;
         ++offset) {
        // The model block is never decoded: its copy of the band is no part taken from it.
        const ByteOwner owner = offset < ByteMap::kDecodedSize ? OwnerOfByte(offset) : ByteOwner{};
        // A setting of several elements is named once, as a whole.
        const UserText part = owner.field && !owner.channel ? UserText::Verbatim(owner.field->name)
                                                            : DifferenceTexts::OwnerText(owner);
        if (std::find(parts.begin(), parts.end(), part) == parts.end()) {
            parts.push_back(part);
        }
    }
    return parts;
}

}  // namespace kvd::ChannelFile
