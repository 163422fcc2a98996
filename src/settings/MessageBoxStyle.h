#pragma once

#include <vector>

namespace kvd {

// The style number a message is shown with, and the number of the button that answers it:
// buttons + icon + default button + modality, added together as the classic desktop message
// box takes them. The link asks its questions in these numbers; the window shows them.
namespace MessageBoxStyle {

// Button sets.
inline constexpr int kOk = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kAbortRetryIgnore = 2;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
// The program's own set, for the question before unsaved changes are set aside.
inline constexpr int kSaveDiscardCancel = 6;
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
// The program's own answers, beyond the classic ids.
inline constexpr int kIdSave = 20;
inline constexpr int kIdDiscard = 21;

// Button ids of a style, left to right; an unknown button set shows OK alone.
std::vector<int> ButtonIds(int style);
// The id of the default button; the first button when the style names one it lacks.
int DefaultButtonId(int style);
// Whether the style asks Yes or No.
bool AsksYesNo(int style);

}  // namespace MessageBoxStyle
}  // namespace kvd
