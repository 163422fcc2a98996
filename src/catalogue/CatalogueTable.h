#pragma once

namespace kvd::CatalogueTable {

// The texts of the catalogues, by TextId::index (generated from translations/). A language
// that lacks a text has nullptr there.
extern const char* const kEnglish[];
extern const char* const kChinese[];
extern const char* const kTraditionalButtons[];  // the message box's buttons only
extern const int kCount;
// Ids that a catalogue other than the English one holds and no code can name; nullptr ends.
extern const char* const kStrays[];

}  // namespace kvd::CatalogueTable
