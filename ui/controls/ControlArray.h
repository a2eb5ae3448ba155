// A control array: elements by index, element 0 from the design, further elements loaded at run
// time as hidden copies of element 0's design. A handler receives the element's index first.
#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>

template <typename T> class ControlArray {
public:
    using Design = std::function<T*(QWidget* parent)>;
    using ClickHandler = std::function<void(std::int16_t Index)>;
    using MouseDownHandler
        = std::function<void(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X, float Y)>;

    ControlArray(QWidget* parent, Design design)
        : parent_(parent)
        , design_(std::move(design))
    {
        adopt(0, design_(parent_));
    }

    // Further elements that the design itself holds, each with its own values.
    void AddFromDesign(std::int16_t index, T* element) { adopt(index, element); }

    // The element; it must be loaded.
    T& operator()(std::int16_t index) const { return *elements_.at(index); }
    bool Exists(std::int16_t index) const { return elements_.count(index) != 0; }
    std::int16_t Count() const { return static_cast<std::int16_t>(elements_.size()); }
    std::int16_t UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

    // Makes a new element with element 0's design, hidden. Loading an index that exists does nothing.
    bool Load(std::int16_t index)
    {
        if (index < 0 || Exists(index))
            return false;
        T* element = design_(parent_);
        element->setVisible(false);
        adopt(index, element);
        return true;
    }

    // Removes a loaded element; element 0 belongs to the design and stays.
    bool Unload(std::int16_t index)
    {
        if (index == 0 || !Exists(index))
            return false;
        T* element = elements_.at(index);
        elements_.erase(index);
        element->hide();
        element->deleteLater();
        return true;
    }

    void OnClick(ClickHandler handler) { click_ = std::move(handler); }
    void OnMouseDown(MouseDownHandler handler) { mouseDown_ = std::move(handler); }

private:
    void adopt(std::int16_t index, T* element)
    {
        elements_[index] = element;
        QObject::connect(element, &T::Click, element, [this, index] {
            if (click_)
                click_(index);
        });
        QObject::connect(
            element, &T::MouseDown, element, [this, index](std::int16_t b, std::int16_t s, float x, float y) {
                if (mouseDown_)
                    mouseDown_(index, b, s, x, y);
            });
    }

    QWidget* parent_;
    Design design_;
    std::map<std::int16_t, T*> elements_;
    ClickHandler click_;
    MouseDownHandler mouseDown_;
};
