#include "LabelsList.h"

namespace {
const std::string NoLabel;
}

const std::string& TLabelsList::Label(int index) const {
    if (index < 0 || index >= Count())
        return NoLabel;
    return labels_[static_cast<std::size_t>(index)];
}

void TLabelsList::Insert(int index, const std::string& label) {
    if (index < 0)
        return;
    if (index > Count()) {
        // Nothing follows the gap, so an empty label needs no entry; a real one pads up to it.
        if (label.empty())
            return;
        labels_.resize(static_cast<std::size_t>(index));
    }
    if (label.empty() && labels_.empty())
        return;
    labels_.insert(labels_.begin() + index, label);
}

void TLabelsList::Set(int index, const std::string& label) {
    if (index < 0)
        return;
    if (label.empty()) {
        if (index < Count())
            labels_[static_cast<std::size_t>(index)].clear();
        return;
    }
    if (index >= Count())
        labels_.resize(static_cast<std::size_t>(index) + 1);
    labels_[static_cast<std::size_t>(index)] = label;
}

void TLabelsList::Delete(int index) {
    if (index >= 0 && index < Count())
        labels_.erase(labels_.begin() + index);
}
