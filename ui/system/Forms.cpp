#include "ui/system/Forms.h"

#include <QCoreApplication>
#include <QWidget>

#include <algorithm>
#include <utility>

Forms::Forms()
    : OnLastUnloaded([] { QCoreApplication::exit(0); })
{
}

void Forms::Loaded(Member* form)
{
    if (!IsLoaded(form))
        loaded_.push_back(form);
}

void Forms::Unloaded(Member* form)
{
    const auto it = std::find(loaded_.begin(), loaded_.end(), form);
    if (it == loaded_.end())
        return;
    loaded_.erase(it);
    if (loaded_.empty() && OnLastUnloaded)
        OnLastUnloaded();
}

bool Forms::IsLoaded(const Member* form) const
{
    return std::find(loaded_.begin(), loaded_.end(), form) != loaded_.end();
}

void Forms::DiscardModal()
{
    for (Member* form : std::vector<Member*>(loaded_))
        if (form->Widget().isModal())
            form->Discard();
}

Forms::Modal::Modal(Forms* forms)
    : forms_(forms)
{
    if (forms_)
        ++forms_->modal_;
}

Forms::Modal::~Modal()
{
    if (!forms_ || --forms_->modal_ > 0)
        return;
    // Posted from the handler that opened the outermost loop: deleted once that handler is over.
    for (const QPointer<QWidget>& form : std::exchange(forms_->released_, {}))
        if (form)
            form->deleteLater();
}

void Forms::Release(Member* form)
{
    if (modal_ > 0)
        released_.emplace_back(&form->Widget());
    else
        form->Widget().deleteLater();
}

Forms::~Forms()
{
    // The run ended inside a modal loop: nothing of the windows runs any more.
    for (const QPointer<QWidget>& form : std::exchange(released_, {}))
        delete form.data();
}
