#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <initializer_list>

namespace tunbox {

// Looks up the text of a message id in the catalogue (empty when unknown).
using MessageLookup = std::function<QString(int id)>;

// Fills the placeholders of a catalogue text in order: "%d" takes an integer,
// "%s" a text, "%.1f" a number with one decimal in the current locale, "%%" is a
// percent sign. Placeholders are replaced by our own code, never by printf, so a
// text from a language module whose placeholders do not match the arguments can
// at worst show a wrong or empty value: a missing argument leaves the placeholder
// empty and surplus arguments are ignored.
QString FormatMessage(const QString& pattern, std::initializer_list<QVariant> args);

} // namespace tunbox
