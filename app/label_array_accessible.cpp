#include "app/label_array_accessible.h"

#include "app/controls/label_array.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <deque>
#include <optional>

namespace {

// One shown element. It lives as long as the element is shown; its array's interface
// creates it when asked for it and deletes it when the element goes.
class ElementLabel : public QAccessibleInterface {
public:
    ElementLabel(LabelArray& labels, int index) : labels_(labels), index_(index) {}

    int index() const { return index_; }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(&labels_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}

    // Between the element's unloading and the deletion of this interface the bus may still
    // ask, while it announces the removal.
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && labels_.isLoaded(index_) ? labels_.properties(index_).Caption : QString();
    }
    QRect rect() const override
    {
        if (!labels_.isLoaded(index_))
            return {};
        const QRect place = labels_.pixelRect(index_);
        return {labels_.mapToGlobal(place.topLeft()), place.size()};
    }

private:
    LabelArray& labels_;
    const int index_;
};

class LabelArrayAccessible : public QAccessibleWidget {
public:
    // Qt creates this interface when the window is shown, whether or not anyone listens;
    // the children are mirrored only once someone does.
    explicit LabelArrayAccessible(LabelArray& labels)
        : QAccessibleWidget(&labels, QAccessible::Grouping), labels_(labels)
    {
        if (QAccessible::isActive())
            mirror();
        following_ = QObject::connect(&labels, &ArrayLayer::elementChanged, [this](int index) { follow(index); });
    }

    ~LabelArrayAccessible() override
    {
        QObject::disconnect(following_);
        if (shown_)
            for (const Shown& s : *shown_)
                if (s.id)
                    QAccessible::deleteAccessibleInterface(s.id);
    }

    int childCount() const override { return static_cast<int>(mirror().size()); }

    QAccessibleInterface* child(int position) const override
    {
        if (position < 0 || position >= childCount())
            return nullptr;
        Shown& s = (*shown_)[static_cast<size_t>(position)];
        if (!s.id)
            s.id = QAccessible::registerAccessibleInterface(new ElementLabel(labels_, s.index));
        return QAccessible::accessibleInterface(s.id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* label = dynamic_cast<const ElementLabel*>(child);
        if (!label)
            return -1;
        mirror();
        const auto it = find(label->index());
        return it != shown_->end() && it->index == label->index() ? static_cast<int>(it - shown_->begin()) : -1;
    }

    // The topmost number under the point: later elements are drawn over earlier ones.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = labels_.mapFromGlobal(QPoint(x, y));
        for (int position = childCount() - 1; position >= 0; --position)
            if (labels_.pixelRect((*shown_)[static_cast<size_t>(position)].index).contains(at))
                return child(position);
        return nullptr;
    }

private:
    struct Shown {
        int index;
        QAccessible::Id id; // 0 until the bus or a test asks for the element
    };

    std::deque<Shown>& mirror() const
    {
        if (!shown_) {
            shown_.emplace();
            for (int i = 0; i < labels_.end(); ++i)
                if (labels_.isShown(i))
                    shown_->push_back({i, 0});
        }
        return *shown_;
    }

    std::deque<Shown>::iterator find(int index) const
    {
        return std::lower_bound(shown_->begin(), shown_->end(), index,
                                [](const Shown& s, int i) { return s.index < i; });
    }

    // Keeps the mirror in step with the array and tells the bus. Qt looks up an event's
    // element even when nobody listens, which would create an interface per press.
    void follow(int index)
    {
        if (!shown_)
            return;
        const auto it = find(index);
        const bool was = it != shown_->end() && it->index == index;
        const bool is = labels_.isShown(index);
        const bool heard = QAccessible::isActive();
        if (is && !was) {
            const auto inserted = shown_->insert(it, {index, 0});
            if (heard) {
                QAccessibleEvent created(&labels_, QAccessible::ObjectCreated);
                created.setChild(static_cast<int>(inserted - shown_->begin()));
                QAccessible::updateAccessibility(&created);
            }
        } else if (was && !is) {
            const QAccessible::Id id = it->id;
            shown_->erase(it);
            if (id && heard) {
                QAccessibleEvent destroyed(QAccessible::accessibleInterface(id), QAccessible::ObjectDestroyed);
                QAccessible::updateAccessibility(&destroyed);
            }
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        } else if (is && it->id && heard) {
            for (const QAccessible::Event type : {QAccessible::NameChanged, QAccessible::LocationChanged}) {
                QAccessibleEvent changed(QAccessible::accessibleInterface(it->id), type);
                QAccessible::updateAccessibility(&changed);
            }
        }
    }

    LabelArray& labels_;
    // The shown elements in index order. Erasing unloads from the front, tracing loads at
    // the back: both cheap in a deque.
    mutable std::optional<std::deque<Shown>> shown_;
    QMetaObject::Connection following_;
};

} // namespace

QAccessibleInterface* accessibleLabelArray(LabelArray& labels)
{
    return new LabelArrayAccessible(labels);
}
