#pragma once

#include <QList>
#include <QMessageBox>

#include "settings/Language.h"

namespace kvd::gui {

// The message box style number callers pass: buttons + icon + default button + modality,
// added together as the classic desktop message box takes them.
namespace MessageBoxStyle {

// Button sets.
inline constexpr int kOk = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kAbortRetryIgnore = 2;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
// Icons.
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
// Default button; the first unless one of these is added.
inline constexpr int kDefaultSecond = 256;
inline constexpr int kDefaultThird = 512;
inline constexpr int kSystemModal = 4096;

// The number a box returns for the button pressed.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdAbort = 3;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdIgnore = 5;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Button ids of a style, left to right.
QList<int> ButtonIds(int style);
// The id of the default button; the first button when the style names one it lacks.
int DefaultButtonId(int style);
QMessageBox::Icon IconOf(int style);

QMessageBox::StandardButton StandardButtonOf(int id);
// 0 for a button that is no standard one.
int IdOf(QMessageBox::StandardButton button);

// The caption of a button in the interface language (0 simplified Chinese, 1 English,
// 2 traditional Chinese); nullptr for any other language, which keeps the platform's own.
const char* ButtonText(int id, LanguageId language);

}  // namespace MessageBoxStyle
}  // namespace kvd::gui
