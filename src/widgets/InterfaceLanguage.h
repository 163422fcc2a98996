#pragma once

#include <QString>

#include "settings/Language.h"
#include "texts/UserText.h"

namespace kvd::gui {

// The interface language of the window, and texts in it.
LanguageId InterfaceLanguage();
QString Tr(const UserText& text);
// A text in a given language, for measuring or a language other than the interface's.
QString Tr(const UserText& text, LanguageId language);

// Makes `language` the interface language: Tr() follows it, and so do Qt's own texts (file
// dialogs, the editors' menus), which are Chinese only in Chinese. With an application
// running, every window has had its QEvent::LanguageChange when this returns; choosing the
// interface language again changes nothing.
void UseLanguage(LanguageId language);

}  // namespace kvd::gui
