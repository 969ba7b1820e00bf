#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A control array of the design: elements addressed by their 16-bit index.
template <class Control>
class ControlArray {
public:
    Control* operator()(int16_t index) const { return elements_.at(static_cast<std::size_t>(index)); }
    int16_t size() const { return static_cast<int16_t>(elements_.size()); }

    void set(int16_t index, Control* control)
    {
        if (static_cast<std::size_t>(index) >= elements_.size())
            elements_.resize(static_cast<std::size_t>(index) + 1, nullptr);
        elements_[static_cast<std::size_t>(index)] = control;
    }

private:
    std::vector<Control*> elements_;
};
