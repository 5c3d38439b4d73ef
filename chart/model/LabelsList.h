#pragma once

#include <string>
#include <vector>

// Optional per-point labels, index-aligned with the points of a series. The list may be shorter
// than the series (missing entries read as no label) and stays empty as long as no point has a
// label, so a series fed only with values stores no strings.
class TLabelsList {
public:
    int Count() const { return static_cast<int>(labels_.size()); }
    bool Empty() const { return labels_.empty(); }

    // The label of point `index`, or an empty string when it has none.
    const std::string& Label(int index) const;

    // Inserts the label of a new point at `index`, moving later labels up by one.
    void Insert(int index, const std::string& label);
    // Replaces the label of point `index`; an empty label clears it.
    void Set(int index, const std::string& label);
    // Removes the entry of a deleted point, when the list reaches that far.
    void Delete(int index);
    void Clear() { labels_.clear(); }

private:
    std::vector<std::string> labels_;
};
