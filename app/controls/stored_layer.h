#pragma once

#include "app/controls/array_layer.h"

#include <cstdint>
#include <optional>
#include <type_traits>
#include <vector>

// An array layer holding its elements' properties by their 16-bit index: the design-time
// element 0 and the ones loaded at run time, which start as hidden copies of element 0.
// Every change goes through change(), so that the layer repaints what the element covered
// before and covers now.
template <class Properties>
class StoredLayer : public ArrayLayer {
public:
    // An element as the handlers address it, one property at a time:
    // `Line1->element(n).set(&LineProperties::X2, xpos)`.
    class Element {
    public:
        template <class Value>
        void set(Value Properties::*property, std::type_identity_t<Value> value)
        {
            layer_.change(index_, [&](Properties& p) { p.*property = std::move(value); });
        }

    private:
        friend class StoredLayer;
        Element(StoredLayer& layer, int16_t index) : layer_(layer), index_(index) {}
        StoredLayer& layer_;
        int16_t index_;
    };

    StoredLayer(const QString& name, QPainter::CompositionMode mode, QColor blank, Properties design, QWidget* parent)
        : ArrayLayer(name, mode, blank, parent)
    {
        elements_.emplace_back(std::move(design));
    }

    Element element(int16_t index) { return Element(*this, index); }
    // A loaded element's properties; whether `index` is loaded is the caller's to know (isLoaded).
    const Properties& properties(int index) const { return *elements_[static_cast<size_t>(index)]; }
    bool isLoaded(int index) const
    {
        return index >= 0 && index < end() && elements_[static_cast<size_t>(index)].has_value();
    }
    bool isShown(int index) const override { return isLoaded(index) && properties(index).Visible; }
    int count() const { return count_; }
    int end() const override { return static_cast<int>(elements_.size()); }

    void load(int16_t index)
    {
        if (index <= 0 || isLoaded(index))
            return;
        if (index >= end())
            elements_.resize(static_cast<size_t>(index) + 1);
        elements_[static_cast<size_t>(index)].emplace(*elements_.front()).Visible = false;
        ++count_;
        loaded(index);
    }

    void unload(int16_t index)
    {
        if (index <= 0 || !isLoaded(index))
            return;
        const QRectF before = area(index);
        elements_[static_cast<size_t>(index)].reset();
        --count_;
        while (!elements_.back().has_value())
            elements_.pop_back();
        // An erase leaves only element 0: give back what tens of thousands held.
        if (count_ == 1)
            elements_.shrink_to_fit();
        unloaded(index, before);
    }

    template <class Change>
    void change(int16_t index, Change&& apply)
    {
        if (!isLoaded(index))
            return;
        const QRectF before = area(index);
        apply(*elements_[static_cast<size_t>(index)]);
        changed(index, before);
    }

private:
    std::vector<std::optional<Properties>> elements_;
    int count_ = 1;
};
