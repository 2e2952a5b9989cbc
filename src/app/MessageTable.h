#pragma once

#include <QString>

#include <array>

namespace tunbox {

// The numbered texts the program shows: slot k holds message id 10001 + k.
class MessageTable {
  public:
    static constexpr int FirstId = 10001;
    static constexpr int SlotCount = 1000;

    // The text of message id, empty when the id is outside the table or never filled.
    QString Text(int id) const;
    void SetText(int id, const QString& text);
    void Clear();

  private:
    std::array<QString, SlotCount> slots_;
};

// The program's own table, filled at start-up and on a language change.
MessageTable& Messages();

// Shorthand for Messages().Text(id).
QString Msg(int id);

} // namespace tunbox
