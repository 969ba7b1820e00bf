#pragma once

#include "app/array_layer.h"
#include "app/element_store.h"

// An array layer holding its elements' properties; every change goes through change()
// so that the layer repaints what the element covered before and covers now.
template <class Properties>
class StoredLayer : public ArrayLayer {
public:
    StoredLayer(QWidget* parent, const QString& name, QPainter::CompositionMode mode, QColor blank, Properties design)
        : ArrayLayer(parent, name, mode, blank), store_(std::move(design))
    {
    }

    const Properties& at(int16_t index) const { return store_.at(index); }
    bool isLoaded(int16_t index) const { return store_.isLoaded(index); }
    int count() const { return store_.count(); }
    int end() const { return store_.end(); }

    // Element `index` as a copy of element 0, hidden.
    void load(int16_t index)
    {
        if (!store_.load(index))
            return;
        store_.at(index).Visible = false;
        loaded(index);
    }

    void unload(int16_t index)
    {
        if (index == 0 || !store_.isLoaded(index))
            return;
        const QRectF before = area(index);
        store_.unload(index);
        unloaded(index, before);
    }

    template <class Change>
    void change(int16_t index, Change&& apply)
    {
        if (!store_.isLoaded(index))
            return;
        const QRectF before = area(index);
        apply(store_.at(index));
        changed(index, before);
    }

protected:
    int elementEnd() const override { return store_.end(); }
    bool isDrawn(int index) const override { return store_.isLoaded(index) && store_.at(index).Visible; }

private:
    ElementStore<Properties> store_;
};
