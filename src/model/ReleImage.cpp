#include "model/ReleImage.h"

#include "model/ImageCells.h"
#include "model/ReleModeRules.h"
#include "model/TimeLists.h"

namespace tunbox {
namespace {

constexpr int InversionByte = 32;
constexpr int FirstTimeByte = 33;
constexpr int FirstModeByte = 42;

// Event boxes stored as masks, in the order unpacking tests their bytes.
struct EventByte {
    int byte;
    ReleEvent event;
};
constexpr EventByte EventBytes[] = {
    {16, ReleEvent::SelfDamage}, {17, ReleEvent::RadioChanBlck}, {18, ReleEvent::DamageCD},
    {19, ReleEvent::PowerCD},    {21, ReleEvent::AlarmEvent},    {23, ReleEvent::ErrorFire},
    {26, ReleEvent::OnOffLine},  {27, ReleEvent::OnOffAllLine},  {28, ReleEvent::NoLine},
};

bool HasBit(quint32 mask, int output) {
    return (mask & BitWeights[output - 1]) != 0;
}

} // namespace

UnpackResult UnpackReleImage(PageState& page, std::span<const quint32> block,
                             const UnitContext& context, ProcessEnd& end) {
    if (block.size() < static_cast<size_t>(ReleImageLength))
        return UnpackResult::ShortBlock;

    const CellTest fails(block, end);

    for (int o = 1; o <= OutputCount; ++o) {
        SetEventChecks(page, o, false);
        EnableOutputOptions(page, o, false);
        SetBindingChecks(page, o, false);
    }

    for (int p = 1; p <= PartitionCount; ++p) {
        if (fails(p - 1, MaskMax))
            return UnpackResult::BadData;
        for (int o = 1; o <= OutputCount; ++o)
            if (HasBit(block[p - 1], o))
                page.Output(o).bindings[p - 1].checked = true;
    }

    for (int o = 1; o <= OutputCount; ++o) {
        const int byte = FirstModeByte + o - 1;
        if (fails(byte, ModeMax))
            return UnpackResult::BadData;
        page.Output(o).mode = static_cast<int>(block[byte]) - 1;
        EnableOutputOptions(page, o, page.Output(o).mode == ModeSpecial);
        ApplyReleWorkMode(page, o, context);
    }

    // Mask bits only add checks: a box the mode rule checked stays checked.
    for (const EventByte& eb : EventBytes) {
        if (fails(eb.byte, MaskMax))
            return UnpackResult::BadData;
        for (int o = 1; o <= OutputCount; ++o)
            if (HasBit(block[eb.byte], o))
                page.Output(o).Event(eb.event).checked = true;
    }

    if (fails(InversionByte, MaskMax))
        return UnpackResult::BadData;
    for (int o = 1; o <= OutputCount; ++o)
        page.Output(o).List(OptionList::InvRele).index = HasBit(block[InversionByte], o) ? 1 : 0;

    for (int o = 1; o <= OutputCount; ++o) {
        OutputState& out = page.Output(o);
        const int b = FirstTimeByte + 3 * (o - 1);
        if (fails(b, TimeMax))
            return UnpackResult::BadData;
        out.List(OptionList::TimeZmk).index = IndexForCode(out.List(OptionList::TimeZmk), block[b]);
        if (fails(b + 1, TimeMax))
            return UnpackResult::BadData;
        out.List(OptionList::TimeRzmk).index =
            IndexForCode(out.List(OptionList::TimeRzmk), block[b + 1]);
        if (fails(b + 2, TimeMax))
            return UnpackResult::BadData;
        ListState& duration = out.List(OptionList::TimePeriod);
        const quint32 code = block[b + 2];
        duration.index = out.mode == ModeSound ? IndexForCode(duration, MinuteIndexFromCode(code))
                                               : IndexForCode(duration, code);
    }
    return UnpackResult::Ok;
}

bool PackReleImage(const PageState& page, std::span<quint32> block) {
    if (block.size() < static_cast<size_t>(ReleImageLength))
        return false;

    for (int o = 1; o <= OutputCount; ++o) {
        const OutputState& out = page.Output(o);
        const quint32 weight = BitWeights[o - 1];
        for (int p = 1; p <= PartitionCount; ++p)
            if (out.bindings[p - 1].checked)
                block[p - 1] += weight;
        for (const EventByte& eb : EventBytes)
            if (out.Event(eb.event).checked)
                block[eb.byte] += weight;
        if (out.List(OptionList::InvRele).index == 1)
            block[InversionByte] += weight;

        const int b = FirstTimeByte + 3 * (o - 1);
        block[b] = CodeOf(out.List(OptionList::TimeZmk));
        block[b + 1] = CodeOf(out.List(OptionList::TimeRzmk));
        const ListState& duration = out.List(OptionList::TimePeriod);
        block[b + 2] = out.mode == ModeSound && duration.index >= 0
                           ? MinuteCodeFromIndex(duration.index)
                           : CodeOf(duration);
        block[FirstModeByte + o - 1] = static_cast<quint32>(out.mode + 1);
    }
    return true;
}

} // namespace tunbox
