#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The elements of a control array by their 16-bit index: the design-time element 0 and
// the ones loaded at run time, which start as copies of element 0.
template <class Element>
class ElementStore {
public:
    explicit ElementStore(Element design) { elements_.emplace_back(std::move(design)); }

    bool isLoaded(int index) const
    {
        return index >= 0 && index < end() && elements_[static_cast<size_t>(index)].has_value();
    }
    int end() const { return static_cast<int>(elements_.size()); }
    int count() const { return count_; }

    Element& at(int index) { return *elements_[static_cast<size_t>(index)]; }
    const Element& at(int index) const { return *elements_[static_cast<size_t>(index)]; }

    // Loads a copy of element 0 at `index`; false if the index is taken or out of range.
    bool load(int index)
    {
        if (index <= 0 || index > INT16_MAX || isLoaded(index))
            return false;
        if (index >= end())
            elements_.resize(static_cast<size_t>(index) + 1);
        elements_[static_cast<size_t>(index)] = elements_.front();
        ++count_;
        return true;
    }

    // Unloads an element loaded at run time; element 0 stays.
    bool unload(int index)
    {
        if (index <= 0 || !isLoaded(index))
            return false;
        elements_[static_cast<size_t>(index)].reset();
        --count_;
        while (!elements_.back().has_value())
            elements_.pop_back();
        if (count_ == 1)
            elements_.shrink_to_fit();
        return true;
    }

private:
    std::vector<std::optional<Element>> elements_;
    int count_ = 1;
};
