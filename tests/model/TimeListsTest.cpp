#include "model/TimeLists.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

namespace tunbox {
namespace {

struct TextCase {
    ListKind kind;
    int output;
    int index;
    const char* text; // written with the Russian decimal comma
};

const TextCase TextCases[] = {
    {ListKind::Duration, 1, 0, "---"},
    {ListKind::Duration, 1, 1, "5 с."},
    {ListKind::Duration, 1, 11, "55 с."},
    {ListKind::Duration, 1, 12, "1 мин."},
    {ListKind::Duration, 1, 13, "1 мин. 5 с."},
    {ListKind::Duration, 1, 24, "2 мин."},
    {ListKind::Duration, 1, 119, "9 мин. 55 с."},
    {ListKind::Duration, 1, 120, "10 мин."},
    {ListKind::Duration, 1, 254, "21 мин. 10 с."},
    {ListKind::Duration, 1, 255, "пост."},
    {ListKind::OpenTime, 1, 0, "---"},
    {ListKind::OpenTime, 1, 1, "0,5 с."},
    {ListKind::OpenTime, 1, 2, "1,0 с."},
    {ListKind::OpenTime, 2, 254, "127,0 с."},
    {ListKind::OpenTime, 1, 255, "пост."},
    {ListKind::OpenTime, 2, 255, "пост."},
    {ListKind::OpenTime, 3, 0, "---"},
    {ListKind::OpenTime, 3, 255, "пост./ 1 c."},
    {ListKind::CloseTime, 1, 0, "---"},
    {ListKind::CloseTime, 2, 20, "10,0 с."},
    {ListKind::CloseTime, 2, 255, "пост."},
    {ListKind::CloseTime, 3, 0, "---/ 1 c."},
    {ListKind::CloseTime, 3, 3, "1,5 с."},
    {ListKind::CloseTime, 3, 255, "пост."},
    {ListKind::MinuteDuration, 1, 0, "10 мин."},
    {ListKind::MinuteDuration, 3, 244, "254 мин."},
    {ListKind::MinuteDuration, 3, 245, "пост."},
    {ListKind::Inversion, 1, 0, "Нет "},
    {ListKind::Inversion, 1, 1, "Да"},
};

void CheckTexts(const QLocale& locale, QChar separator) {
    test::ScopedLocale scoped(locale);
    for (const TextCase& c : TextCases) {
        const QStringList items = ListTexts(c.kind, c.output, test::RussianText);
        ASSERT_LT(c.index, items.size()) << static_cast<int>(c.kind);
        QString expected = QString::fromUtf8(c.text);
        if (expected.endsWith(u" с.") && expected.contains(u','))
            expected.replace(u',', separator);
        EXPECT_EQ(items.at(c.index), expected) << "kind " << static_cast<int>(c.kind) << " output "
                                               << c.output << " index " << c.index;
    }
}

TEST(TimeLists, TextsAtListedIndexesWithRussianDecimalComma) {
    CheckTexts(QLocale(QLocale::Russian, QLocale::Russia), u',');
}

TEST(TimeLists, HalfSecondItemsFollowTheLocaleSeparator) {
    CheckTexts(QLocale::c(), u'.');
}

TEST(TimeLists, ItemCountsMatchTheirKind) {
    const ListKind kinds[] = {ListKind::Empty,    ListKind::OpenTime,       ListKind::CloseTime,
                              ListKind::Duration, ListKind::MinuteDuration, ListKind::Inversion};
    const int expected[] = {0, 256, 256, 256, 246, 2};
    for (int i = 0; i < 6; ++i)
        for (int o = 1; o <= 3; ++o) {
            EXPECT_EQ(ListItemCount(kinds[i]), expected[i]);
            EXPECT_EQ(ListTexts(kinds[i], o, test::RussianText).size(), expected[i])
                << i << " " << o;
        }
}

TEST(TimeLists, TextsComeFromTheCatalogue) {
    // A language module's texts replace every item; nothing is built in.
    const MessageLookup english = [](int id) -> QString {
        switch (id) {
        case 10074:
            return "%d min";
        case 10075:
            return "const";
        case 10076:
            return "%d s";
        case 10077:
            return "%d min %d s";
        case 10078:
            return "%.1f s";
        case 10079:
            return "const/1s";
        case 10080:
            return "none/1s";
        case 10081:
            return "none";
        }
        return {};
    };
    test::ScopedLocale scoped(QLocale::c());
    const QStringList duration = FillDurationList(english);
    EXPECT_EQ(duration.at(0), "none");
    EXPECT_EQ(duration.at(13), "1 min 5 s");
    EXPECT_EQ(duration.at(255), "const");
    EXPECT_EQ(FillOpenTimeList(3, english).at(255), "const/1s");
    EXPECT_EQ(FillCloseTimeList(3, english).at(0), "none/1s");
    EXPECT_EQ(FillCloseTimeList(1, english).at(1), "0.5 s");
    EXPECT_EQ(FillMinuteDurationList(english).at(1), "11 min");
}

TEST(TimeLists, EveryHalfSecondItemIsExact) {
    test::ScopedLocale scoped(QLocale::c());
    QStringList items;
    AddHalfSecondItems(items, test::RussianText);
    ASSERT_EQ(items.size(), 254);
    for (int k = 1; k <= 254; ++k) {
        const QString expected =
            QString::number(k / 2) + (k % 2 ? ".5" : ".0") + QStringLiteral(" с.");
        EXPECT_EQ(items.at(k - 1), expected) << k;
    }
}

TEST(TimeLists, MinuteListCodesAndIndexes) {
    const struct {
        quint32 code;
        int index;
    } fromCode[] = {{0, 0}, {3, 0}, {9, 0}, {10, 0}, {11, 1}, {254, 244}, {255, 245}};
    for (const auto& c : fromCode)
        EXPECT_EQ(MinuteIndexFromCode(c.code), c.index) << c.code;

    const struct {
        int index;
        quint32 code;
    } fromIndex[] = {{0, 10}, {1, 11}, {244, 254}, {245, 255}};
    for (const auto& c : fromIndex)
        EXPECT_EQ(MinuteCodeFromIndex(c.index), c.code) << c.index;
}

} // namespace
} // namespace tunbox
