#include "model/MessageText.h"

#include <gtest/gtest.h>

namespace tunbox {
namespace {

struct FormatCase {
    const char* pattern;
    std::initializer_list<QVariant> args;
    const char* expected;
};

TEST(FormatMessage, FillsPlaceholdersInOrder) {
    const FormatCase cases[] = {
        {"Запись ПО в прибор...%d %%", {37}, "Запись ПО в прибор...37 %"},
        {"%d мин. %d с.", {2, 30}, "2 мин. 30 с."},
        {"Ошибка открытия файла помощи %s", {QString()}, "Ошибка открытия файла помощи "},
        {"(Байт №%d=%d).", {41, 300}, "(Байт №41=300)."},
        {"%.1f с.", {0.5}, "0.5 с."},
        {"no placeholders", {1}, "no placeholders"},
        {"missing %d and %s", {}, "missing  and "},
        {"trailing %", {}, "trailing %"},
        {"unknown %x", {}, "unknown %x"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatMessage(QString::fromUtf8(c.pattern), c.args),
                  QString::fromUtf8(c.expected))
            << c.pattern;
}

} // namespace
} // namespace tunbox
