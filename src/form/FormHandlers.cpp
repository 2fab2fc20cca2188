#include "form/FormHandlers.h"

#include "data/DbError.h"
#include "data/FormColumns.h"
#include "form/FormFields.h"
#include "form/FormScreen.h"
#include "ui/ButtonBar.h"
#include "ui/MessageService.h"
#include "ui/MultiLineBox.h"

#include <QPushButton>

FormHandlers::FormHandlers(const FormParts &parts)
    : w(parts)
    , m_display(*parts.Panel3D1)
    , m_pickup(*parts.Panel3D1, parts.Data1)
    , m_models(*parts.Panel3D1, parts.Data2)
    , m_saver(w, *this)
    , m_newForm(w)
    , m_navigator(w, *this)
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
}

void FormHandlers::Combo1_Click(int index)
{
    if (index <= 0)
        m_pickup.pickUp(index);
    else if (index == 1)
        m_models.refill();
    // Picking a model (index 2) does nothing.
}

void FormHandlers::Command3D13_Click()
{
    m_saver.save();
}

void FormHandlers::Command3D19_Click()
{
    m_newForm.start();
}

void FormHandlers::Command3D16_Click()
{
    m_navigator.next();
}

void FormHandlers::Command3D17_Click()
{
    m_navigator.previous();
}

void FormHandlers::Command3D15_Click()
{
    m_navigator.deleteShown();
}
