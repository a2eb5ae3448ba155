#include "ui/system/Platform.h"

#include "ui/controls/Form.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

Forms::Forms()
    : OnLastUnloaded([] { QCoreApplication::exit(0); })
{
}

void Forms::Loaded(Form* form)
{
    if (!IsLoaded(form))
        loaded_.push_back(form);
}

void Forms::Unloaded(Form* form)
{
    const auto it = std::find(loaded_.begin(), loaded_.end(), form);
    if (it == loaded_.end())
        return;
    loaded_.erase(it);
    if (loaded_.empty() && OnLastUnloaded)
        OnLastUnloaded();
}

bool Forms::IsLoaded(const Form* form) const
{
    return std::find(loaded_.begin(), loaded_.end(), form) != loaded_.end();
}

void Forms::DiscardModal()
{
    for (Form* form : std::vector<Form*>(loaded_))
        if (form->isModal())
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
    for (const QPointer<Form>& form : std::exchange(forms_->released_, {}))
        if (form)
            form->deleteLater();
}

void Forms::Release(Form* form)
{
    if (modal_ > 0)
        released_.emplace_back(form);
    else
        form->deleteLater();
}

Forms::~Forms()
{
    // The run ended inside a modal loop: nothing of the windows runs any more.
    for (const QPointer<Form>& form : std::exchange(released_, {}))
        delete form.data();
}

void DoEvents()
{
    QCoreApplication::processEvents();
}
