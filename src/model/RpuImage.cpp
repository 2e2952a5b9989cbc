#include "model/RpuImage.h"

#include "model/ImageCells.h"
#include "model/RpuModeRules.h"

namespace tunbox {
namespace {

constexpr quint32 BindingMax = 0x77;
constexpr quint32 MarkAllZero = 0x5A;
constexpr quint32 MarkInUse = 0x55;
constexpr int MarkByte = 49;
constexpr int FirstBindingByte = 50;
constexpr int BindingBytes = 24;
constexpr int InversionByte = 83;
constexpr int FirstTimeByte = 84;
constexpr int FirstModeByte = 93;

// Event boxes stored as masks, bytes 74..82 in the order unpacking tests them.
constexpr RpuEvent EventBytes[] = {
    RpuEvent::RadioChanBlckRPU, RpuEvent::BoxDamageRPU, RpuEvent::ErrorPowerRPU,
    RpuEvent::AlarmEventRPU,    RpuEvent::DamageIIRPU,  RpuEvent::ErrorFireRPU,
    RpuEvent::AhtungFireIIRPU,  RpuEvent::NoLinkRPU,    RpuEvent::PowerCDRPU,
};
constexpr int FirstEventByte = 74;

// Byte 50 + k holds sources 2k+1 (bit o-1) and 2k+2 (bit o+3) of output o.
quint32 OddSourceBit(int output) {
    return BitWeights[output - 1];
}
quint32 EvenSourceBit(int output) {
    return BitWeights[output + 3];
}

} // namespace

UnpackResult UnpackRpuImage(PageState& page, std::span<const quint32> block, ProcessEnd& end) {
    if (block.size() < static_cast<size_t>(SettingsImageLength))
        return UnpackResult::ShortBlock;

    const CellTest fails(block, end);

    for (int o = 1; o <= OutputCount; ++o) {
        SetRpuEventChecks(page, o, false);
        EnableRpuOutputOptions(page, o, false);
        SetBindingChecks(page, o, false);
    }

    // Bits 3 and 7 have no source; the single upper bound lets them pass.
    for (int k = 0; k < BindingBytes; ++k) {
        const int byte = FirstBindingByte + k;
        if (fails(byte, BindingMax))
            return UnpackResult::BadData;
        for (int o = 1; o <= OutputCount; ++o) {
            OutputState& out = page.Output(o);
            if (block[byte] & OddSourceBit(o))
                out.bindings[2 * k].checked = true;
            if (block[byte] & EvenSourceBit(o))
                out.bindings[2 * k + 1].checked = true;
        }
    }

    for (int o = 1; o <= OutputCount; ++o) {
        const int byte = FirstModeByte + o - 1;
        if (fails(byte, ModeMax))
            return UnpackResult::BadData;
        OutputState& out = page.Output(o);
        out.mode = static_cast<int>(block[byte]) - 1;
        if (out.mode >= 0) {
            EnableRpuOutputOptions(page, o, out.mode == ModeSpecial);
            ApplyRpuWorkMode(page, o);
        } else {
            EnableBindingChecks(page, o, false);
        }
    }

    // Mask bits only add checks: a box the mode rule checked stays checked.
    for (int i = 0; i < static_cast<int>(std::size(EventBytes)); ++i) {
        const int byte = FirstEventByte + i;
        if (fails(byte, MaskMax))
            return UnpackResult::BadData;
        for (int o = 1; o <= OutputCount; ++o)
            if (block[byte] & BitWeights[o - 1])
                page.Output(o).Event(EventBytes[i]).checked = true;
    }

    if (fails(InversionByte, MaskMax))
        return UnpackResult::BadData;
    for (int o = 1; o <= OutputCount; ++o)
        page.Output(o).List(OptionList::InvRele).index =
            (block[InversionByte] & BitWeights[o - 1]) ? 1 : 0;

    constexpr OptionList TimeOrder[] = {OptionList::TimeZmk, OptionList::TimeRzmk,
                                        OptionList::TimePeriod};
    for (int o = 1; o <= OutputCount; ++o) {
        for (int i = 0; i < 3; ++i) {
            const int byte = FirstTimeByte + 3 * (o - 1) + i;
            if (fails(byte, TimeMax))
                return UnpackResult::BadData;
            ListState& list = page.Output(o).List(TimeOrder[i]);
            list.index = IndexForCode(list, block[byte]);
        }
    }
    return UnpackResult::Ok;
}

bool PackRpuImage(const PageState& page, std::span<quint32> block) {
    if (block.size() < static_cast<size_t>(SettingsImageLength))
        return false;

    for (int o = 1; o <= OutputCount; ++o) {
        const OutputState& out = page.Output(o);
        for (int k = 0; k < BindingBytes; ++k) {
            if (out.bindings[2 * k].checked)
                block[FirstBindingByte + k] += OddSourceBit(o);
            if (out.bindings[2 * k + 1].checked)
                block[FirstBindingByte + k] += EvenSourceBit(o);
        }
        for (int i = 0; i < static_cast<int>(std::size(EventBytes)); ++i)
            if (out.Event(EventBytes[i]).checked)
                block[FirstEventByte + i] += BitWeights[o - 1];
        if (out.List(OptionList::InvRele).index == 1)
            block[InversionByte] += BitWeights[o - 1];

        const int b = FirstTimeByte + 3 * (o - 1);
        block[b] = CodeOf(out.List(OptionList::TimeZmk));
        block[b + 1] = CodeOf(out.List(OptionList::TimeRzmk));
        block[b + 2] = CodeOf(out.List(OptionList::TimePeriod));
        if (out.mode >= 0)
            block[FirstModeByte + o - 1] = static_cast<quint32>(out.mode + 1);
    }

    bool allZero = true;
    for (int byte = FirstBindingByte; byte < SettingsImageLength; ++byte)
        allZero = allZero && block[byte] == 0;
    block[MarkByte] = allZero ? MarkAllZero : MarkInUse;
    return true;
}

} // namespace tunbox
