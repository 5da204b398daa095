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
    return ParameterBlocks::sameInBlock(block, ParameterBlocks::PcToUnit, a, b);
}

} // namespace

bool UnitMemory::Knowledge::changesNotInFlash() const
{
    return recordKnown && flashKnown && !flashHoldsUnit && !same(record, flash);
}

void UnitMemory::Knowledge::sent(int block, const quint8 *payload)
{
    if (!writing) {
        written = record;
        lowest = record;
        highest = record;
        writing = true;
    }
    ParameterBlocks::store(block, payload, written, ParameterBlocks::PcToUnit);
    for (int offset : ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit)) {
        const qint8 value = written.byteAt(offset);
        lowest.setByteAt(offset, qMin(lowest.byteAt(offset), value));
        highest.setByteAt(offset, qMax(highest.byteAt(offset), value));
    }
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
            if (value < known.lowest.byteAt(offset) || value > known.highest.byteAt(offset))
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
