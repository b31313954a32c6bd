#pragma once
// Event handlers: methods of the form that take the sender and return nothing.

#include <functional>

namespace ui {

class Object {
public:
    virtual ~Object() = default;
};

using NotifyEvent = std::function<void(Object* sender)>;

// Binds a handler method of a form to an event.
template <class Form>
NotifyEvent Bind(Form* form, void (Form::*handler)(Object*))
{
    return [form, handler](Object* sender) { (form->*handler)(sender); };
}

}  // namespace ui
