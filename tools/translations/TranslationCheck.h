#pragma once

#include "TsFile.h"

#include <QStringList>

#include <functional>

namespace tunbox {

// The translation context of the message catalogue in a language module.
inline constexpr char CatalogueContext[] = "Messages";

// The program's own text of a catalogue id, empty when it has none.
using OwnText = std::function<QString(int id)>;

// The placeholders of a text in order: "%d", "%s", "%.1f", "%%" of catalogue
// texts and "%1" .. "%9" of window texts.
QStringList Placeholders(const QString& text);

// What keeps the window texts found in the sources (found, as lupdate extracts
// them) from showing in the language of committed: a text with no finished
// translation, or one whose placeholders differ from the source's. One line each.
QStringList WindowTextProblems(const TsFile& committed, const TsFile& found);

// What keeps the catalogue from being complete in the language of catalogue:
// an id of firstId .. lastId with no finished translation, one whose own text
// changed since it was translated, one whose placeholders differ from the own
// text's, one longer than the catalogue keeps. One line each.
QStringList CatalogueProblems(const TsFile& catalogue, const OwnText& own, int firstId, int lastId);

// The catalogue brought up to the program's table: one message per id of
// firstId .. lastId in order, the source being the id and the note the own text.
// Translations are kept; a new id, or one whose own text changed, is marked
// unfinished (a changed one keeps its old translation as a start). Ids past the
// table are dropped.
TsFile UpdatedCatalogue(const TsFile& existing, const OwnText& own, int firstId, int lastId);

} // namespace tunbox
