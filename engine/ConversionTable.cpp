#include "engine/ConversionTable.h"

namespace tonvexa {
namespace {

bool isKnown(AudioFormatCode code) {
    return code == FormatWma || code == FormatWav || code == FormatMp3;
}

}  // namespace

PairKind ClassifyPair(AudioFormatCode source, AudioFormatCode target) {
    if (!isKnown(source) || !isKnown(target)) return PairKind::Unknown;
    if (source == FormatWma || target == FormatWma) return PairKind::Supported;
    return PairKind::Skipped;
}

void ConversionTable::Register(AudioFormatCode source, AudioFormatCode target,
                               ConversionRoutine routine) {
    routines_[{source, target}] = std::move(routine);
}

const ConversionRoutine* ConversionTable::Find(AudioFormatCode source,
                                               AudioFormatCode target) const {
    if (ClassifyPair(source, target) != PairKind::Supported) return nullptr;
    const auto it = routines_.find({source, target});
    if (it == routines_.end() || !it->second) return nullptr;
    return &it->second;
}

}  // namespace tonvexa
