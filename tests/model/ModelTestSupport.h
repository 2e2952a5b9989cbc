#pragma once

#include "model/MessageText.h"
#include "model/PageControls.h"
#include "model/ProcessEnd.h"

#include <QLocale>
#include <QString>

#include <ostream>

#include <utility>
#include <vector>

namespace tunbox {

// Readable failure output for the plain control states.
inline void PrintTo(const CheckState& s, std::ostream* os) {
    *os << "{checked " << s.checked << ", enabled " << s.enabled << ", visible " << s.visible
        << "}";
}

inline void PrintTo(const ListState& s, std::ostream* os) {
    *os << "{kind " << static_cast<int>(s.kind) << ", index " << s.index << ", enabled "
        << s.enabled << "}";
}

} // namespace tunbox

namespace tunbox::test {

// The catalogue texts the model reads, in Russian as the program ships them.
inline QString RussianText(int id) {
    switch (id) {
    case 10074:
        return QStringLiteral("%d мин.");
    case 10075:
        return QStringLiteral("пост.");
    case 10076:
        return QStringLiteral("%d с.");
    case 10077:
        return QStringLiteral("%d мин. %d с.");
    case 10078:
        return QStringLiteral("%.1f с.");
    case 10079:
        return QStringLiteral("пост./ 1 c.");
    case 10080:
        return QStringLiteral("---/ 1 c.");
    case 10081:
        return QStringLiteral("---");
    case 10082:
        return QStringLiteral("Ошибка в данных, считанных с прибора (Байт №%d=%d). "
                              "Программа завершает свою работу.");
    }
    return {};
}

// Records every bad-data report and returns, so a test can see where unpacking stopped.
class RecordingEnd : public ProcessEnd {
  public:
    void AbortOnBadData(int byteNumber, quint32 value) override {
        calls.emplace_back(byteNumber, value);
    }

    std::vector<std::pair<int, quint32>> calls;
};

// Sets the default locale for one test and restores the previous one after it.
class ScopedLocale {
  public:
    explicit ScopedLocale(const QLocale& locale) : saved_(QLocale()) {
        QLocale::setDefault(locale);
    }
    ~ScopedLocale() { QLocale::setDefault(saved_); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

  private:
    QLocale saved_;
};

} // namespace tunbox::test
