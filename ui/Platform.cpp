#include "ui/Platform.h"

#include <QCoreApplication>

#include <algorithm>

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

void DoEvents()
{
    QCoreApplication::processEvents();
}
