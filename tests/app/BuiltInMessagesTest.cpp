#include "app/BuiltInMessages.h"

#include <gtest/gtest.h>

namespace tunbox {
namespace {

TEST(BuiltInMessages, EveryDefinedIdHasTextAndNoOtherDoes) {
    for (int id = FirstBuiltInMessageId; id <= LastBuiltInMessageId; ++id)
        EXPECT_FALSE(BuiltInMessage(id).isEmpty()) << id;
    for (int id : {0, 10000, LastBuiltInMessageId + 1, 11000, -1})
        EXPECT_TRUE(BuiltInMessage(id).isEmpty()) << id;
}

TEST(BuiltInMessages, TextsAreExact) {
    struct Case {
        int id;
        const char16_t* text;
    };
    const Case cases[] = {
        {10001, u"Ошибка!"},
        {10013, u"Системное сообщение"},
        {10022, u"Запись ПО в прибор...%d %%"},
        {10027, u"Файлы регистрации (*.rrg)|*.rrg"},
        {10050, u"Невозможно отправить команду инициализации записи!"},
        {10051, u"Запись параметров в прибор...%d %%"},
        {10078, u"%.1f с."},
        {10082,
         u"Ошибка в данных, считанных с прибора (Байт №%d=%d). Программа завершает свою работу."},
        {10087, u"TunBox-RPU-ZELK"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuiltInMessage(c.id), QString::fromUtf16(c.text)) << c.id;
}

// 10079 and 10080 end in a Latin "c" before the dot; 10076..10078 in a Cyrillic "с".
TEST(BuiltInMessages, SecondsSuffixLettersDiffer) {
    for (int id : {10079, 10080}) {
        const QString text = BuiltInMessage(id);
        EXPECT_EQ(text.right(2), QStringLiteral("c.")) << id;
    }
    for (int id : {10076, 10077, 10078}) {
        const QString text = BuiltInMessage(id);
        EXPECT_EQ(text.right(2), QString::fromUtf16(u"с.")) << id;
        EXPECT_EQ(text.at(text.size() - 2).unicode(), 0x0441) << id;
    }
}

} // namespace
} // namespace tunbox
