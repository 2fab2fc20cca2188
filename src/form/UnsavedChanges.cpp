#include "form/UnsavedChanges.h"

#include "form/FormScreen.h"

UnsavedChanges::UnsavedChanges(const FormScreen &screen)
    : s(screen)
{
    takeScreenAsUnchanged();
}

void UnsavedChanges::takeScreenAsUnchanged()
{
    m_unchanged = FormSnapshot::read(s);
    m_markAsTyped = m_unchanged.registrationMark;
}

bool UnsavedChanges::hasChanges() const
{
    return !(FormSnapshot::read(s) == m_unchanged);
}

bool UnsavedChanges::hasChanges(const QString &markInBox) const
{
    FormSnapshot now = FormSnapshot::read(s);
    now.registrationMark = markInBox;
    return !(now == m_unchanged);
}
