#pragma once

#include <span>

#include "widgets/CaptionTable.h"

namespace kvd::gui {

// The texts of the smaller settings windows in both languages. The optional-function
// dialog keeps its own, beside its lists (OptionalFunctionTable.h).
namespace DialogCaptions {

CaptionTable KeysSet();
CaptionTable EmbeddedInformation();
CaptionTable DebugFrequency();
CaptionTable PowerDebug();
CaptionTable About();

// The twelve functions a programmable key can take, by stored value.
std::span<const LocalText> KeyFunctions();

// The debug-frequency grid's column captions, columns 0..2.
std::span<const LocalText> DebugFrequencyHeaders();

}  // namespace DialogCaptions
}  // namespace kvd::gui
