#include "UnitMemory.h"

#include "ParameterBlocks.h"

namespace {

// Bytes of the record an upload carries in both directions.
bool same(const DeviceParameters &a, const DeviceParameters &b)
{
    return ParameterBlocks::differingFields(a, b) == 0;
}

bool sameBlock(int block, const DeviceParameters &a, const DeviceParameters &b)
{
    for (int offset : ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit))
        if (a.byteAt(offset) != b.byteAt(offset))
            return false;
    return true;
}

} // namespace

bool UnitMemory::Knowledge::changesNotInFlash() const
{
    return recordKnown && flashKnown && !flashHoldsUnit && !same(record, flash);
}

UnitMemory::Outcome UnitMemory::compare(const Knowledge &known, const DeviceParameters &holds)
{
    if (!known.recordKnown || !known.flashKnown)
        return Outcome::Unknown;
    const auto heldOrSent = [&](int block) {
        for (int offset : ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit)) {
            const qint8 value = holds.byteAt(offset);
            if (value == known.record.byteAt(offset))
                continue;
            if (!known.writing)
                return false;
            // A unit keeps a value sent, or one between it and what it held
            // (a value out of its range, kept at the limit).
            const qint8 sent = known.written.byteAt(offset);
            const qint8 held = known.before.byteAt(offset);
            if (value < qMin(sent, held) || value > qMax(sent, held))
                return false;
        }
        return true;
    };
    bool flashSomewhere = false;
    for (int block : ParameterBlocks::Blocks) {
        if (heldOrSent(block))
            continue;
        if (!sameBlock(block, holds, known.flash) &&
            !(known.flashInDoubt && sameBlock(block, holds, known.maybeFlash)))
            return Outcome::Other;
        flashSomewhere = true;
    }
    // With WriteFlash just acknowledged, a unit that holds its old flash
    // restarted before it wrote, and wrote that.
    return flashSomewhere ? Outcome::Restarted : Outcome::Same;
}
