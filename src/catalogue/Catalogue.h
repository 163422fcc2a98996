#pragma once

#include <string>

#include "settings/Language.h"
#include "texts/UserText.h"

namespace kvd {

// The text in a language, UTF-8: 0 Chinese, 2 English with the traditional Chinese buttons of
// the message box, any other value English. Placeholders %1..%9 take the arguments in one
// pass, so an argument's own "%1" stays as it is. An id the catalogue lacks shows as itself.
// The texts come from the catalogues under translations/, compiled into the program.
std::string TextIn(const UserText& text, LanguageId language);

}  // namespace kvd
