#include "catalogue/Catalogue.h"

#include <cstring>

#include "catalogue/CatalogueTable.h"
#include "texts/TextIds.h"

namespace kvd {

namespace {

int IndexOf(TextId id) {
    if (id.index >= 0 && id.index < CatalogueTable::kCount) {
        return id.index;
    }
    // An id made from its key alone.
    for (int i = 0; i < CatalogueTable::kCount; ++i) {
        if (TextIds::kAll[i] == id) {
            return i;
        }
    }
    return -1;
}

const char* Lookup(TextId id, LanguageId language) {
    const int index = IndexOf(id);
    if (index < 0) {
        return nullptr;
    }
    if (language == kTraditionalButtons && CatalogueTable::kTraditionalButtons[index]) {
        return CatalogueTable::kTraditionalButtons[index];
    }
    return language == kChinese ? CatalogueTable::kChinese[index] : CatalogueTable::kEnglish[index];
}

std::string Fill(const char* pattern, const std::vector<UserText>& arguments, LanguageId language) {
    std::string out;
    for (const char* c = pattern; *c; ++c) {
        const int n = c[0] == '%' && c[1] >= '1' && c[1] <= '9' ? c[1] - '0' : 0;
        if (n >= 1 && n <= static_cast<int>(arguments.size())) {
            out += TextIn(arguments[n - 1], language);
            ++c;
        } else {
            out += *c;
        }
    }
    return out;
}

}  // namespace

std::string TextIn(const UserText& text, LanguageId language) {
    if (text.isVerbatim()) {
        return text.verbatim();
    }
    const char* pattern = Lookup(text.id(), language);
    if (!pattern) {
        return text.id().key ? text.id().key : "";
    }
    return text.arguments().empty() ? pattern : Fill(pattern, text.arguments(), language);
}

}  // namespace kvd
