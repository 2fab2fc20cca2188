#include "form/FormHandlers.h"

#include "data/DbError.h"
#include "data/FormColumns.h"
#include "form/FormFields.h"
#include "form/FormScreen.h"
#include "ui/ButtonBar.h"
#include "ui/ControlText.h"
#include "ui/MessageService.h"
#include "ui/MultiLineBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

FormHandlers::FormHandlers(const FormParts &parts)
    : w(parts)
    , m_display(*parts.Panel3D1)
    , m_pickup(*parts.Panel3D1, parts.Data1)
    , m_models(*parts.Panel3D1, parts.Data2)
    , m_saver(w, *this)
    , m_newForm(w)
    , m_navigator(w, *this)
    , m_unsaved(*parts.Panel3D1)
{
    using B = ButtonBar::Button;
    connect(w.buttonBar.button(B::Save), &QPushButton::clicked, this,
            &FormHandlers::Command3D13_Click);
    connect(w.buttonBar.button(B::New), &QPushButton::clicked, this,
            &FormHandlers::Command3D19_Click);
    connect(w.buttonBar.button(B::Next), &QPushButton::clicked, this,
            &FormHandlers::Command3D16_Click);
    connect(w.buttonBar.button(B::Previous), &QPushButton::clicked, this,
            &FormHandlers::Command3D17_Click);
    connect(w.buttonBar.button(B::Delete), &QPushButton::clicked, this,
            &FormHandlers::Command3D15_Click);
    connect(w.Panel3D1, &FormScreen::Combo1_Click, this, &FormHandlers::Combo1_Click);
    // The mark the form had before a pick from the list: typed, or set by code, but not a
    // text the list put there (a pick shows its entry's text before it is reported).
    QComboBox *markBox = w.Panel3D1->Combo1[0];
    connect(markBox->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString &mark) { m_unsaved.setMarkAsTyped(mark); });
    connect(markBox->lineEdit(), &QLineEdit::textChanged, this,
            [this, markBox](const QString &mark) {
                const int entry = markBox->currentIndex();
                if (entry < 0 || markBox->itemText(entry) != mark)
                    m_unsaved.setMarkAsTyped(mark);
            });
    // The description box takes no more than its stored length; what it refused is said
    // at once, not found missing after a save.
    if (auto *description = qobject_cast<MultiLineBox *>(w.Panel3D1->Text18))
        connect(description, &MultiLineBox::limitReached, this, [this] {
            w.messages.ask({QStringLiteral("The following field entry is too long: ")
                                + FormFields::labelOf(FormColumn::Back),
                            QStringLiteral("Field Entry Too Large"), Msg::Buttons::Ok,
                            Msg::Icon::None, Msg::Answer::Ok});
        });
}

void FormHandlers::ShowRecord()
{
    // Callers show only a current record; without one the screen stays as it was.
    skipFailingStep([&] { m_display.show(w.Data1); });
    m_unsaved.takeScreenAsUnchanged();
}

void FormHandlers::Combo1_Click(int index)
{
    if (index == 0) {
        pickRegistrationMark();
    } else if (index < 0) {
        // Delete resets the screen to an empty form: nothing on it is the user's.
        m_pickup.pickUp(index);
        m_unsaved.takeScreenAsUnchanged();
    } else if (index == 1)
        m_models.refill();
    // Picking a model (index 2) does nothing.
}

// A mark picked from the list copies that aircraft's latest form over items 1, 2, 4, 5
// and 6; the form as it stood before the pick, with the mark it had, is what the
// question is about, and what Cancel leaves on screen.
void FormHandlers::pickRegistrationMark()
{
    QComboBox *markBox = w.Panel3D1->Combo1[0];
    const QString picked = markBox->currentText();
    const QString before = m_unsaved.markAsTyped();
    if (picked != before && m_unsaved.hasChanges(before)) {
        setControlText(markBox, before);
        if (!settleUnsavedChanges())
            return;
        setControlText(markBox, picked);
    }
    m_pickup.pickUp(0);
    m_unsaved.setMarkAsTyped(picked);
}

void FormHandlers::Command3D13_Click()
{
    if (m_saver.save())
        m_unsaved.takeScreenAsUnchanged();
}

void FormHandlers::Command3D19_Click()
{
    if (!settleUnsavedChanges())
        return;
    m_newForm.start(std::exchange(m_agencyChanged, false));
    m_unsaved.takeScreenAsUnchanged();
}

void FormHandlers::Command3D16_Click()
{
    if (settleUnsavedChanges())
        m_navigator.next();
}

void FormHandlers::Command3D17_Click()
{
    if (settleUnsavedChanges())
        m_navigator.previous();
}

bool FormHandlers::hasUnsavedChanges() const
{
    return m_unsaved.hasChanges();
}

void FormHandlers::takeScreenAsUnchanged()
{
    m_unsaved.takeScreenAsUnchanged();
}

bool FormHandlers::settleUnsavedChanges()
{
    if (!m_unsaved.hasChanges())
        return true;
    const QString mark = w.Panel3D1->Combo1[0]->currentText();
    const QString text = mark.isEmpty() ? tr("Save the changes to the form on screen?")
                                        : tr("Save the changes to the form for %1?").arg(mark);
    switch (w.messages.ask({text, tr("Unsaved changes"), Msg::Buttons::SaveDiscardCancel,
                            Msg::Icon::Question, Msg::Answer::Save})) {
    case Msg::Answer::Save:
        if (!m_saver.save())
            return false;
        m_unsaved.takeScreenAsUnchanged();
        return true;
    case Msg::Answer::Discard:
        return true;
    default:
        return false;
    }
}

void FormHandlers::Command3D15_Click()
{
    m_navigator.deleteShown();
}
