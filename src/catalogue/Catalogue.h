#pragma once

#include <string>

#include <QString>

#include "settings/Language.h"
#include "texts/UserText.h"

namespace kvd {

// The program's texts in the interface languages, from the catalogues under translations/
// that the build compiles into the program, and Qt's own texts (the file dialogs, the
// editors' menus) in Chinese.

// The text in a language: 0 Chinese, 2 English with the traditional Chinese buttons of the
// message box, any other value English. Placeholders %1..%9 take the arguments in one pass,
// so an argument's own "%1" stays as it is. An id the catalogue lacks shows as itself.
QString Tr(const UserText& text, LanguageId language);
std::string TrUtf8(const UserText& text, LanguageId language);

// The interface language of the running program, and a text in it.
LanguageId InterfaceLanguage();
QString Tr(const UserText& text);

// Makes `language` the interface language: Tr() and Qt's own texts follow it. With an
// application running, every window has had its QEvent::LanguageChange when this returns.
// Choosing the interface language again does nothing.
void UseLanguage(LanguageId language);

}  // namespace kvd
