#include "form/FormHandlers.h"

#include "app/Form1.h"
#include "data/DbError.h"
#include "data/FormColumns.h"
#include "form/FormFields.h"
#include "form/FormScreen.h"
#include "ui/MessageService.h"
#include "ui/MultiLineBox.h"

#include <QPushButton>

FormHandlers::FormHandlers(Form1& window)
    : w(window),
      m_display(*window.Panel3D1),
      m_pickup(*window.Panel3D1, window.Data1),
      m_models(*window.Panel3D1, window.Data2),
      m_saver(window),
      m_newForm(window),
      m_navigator(window)
{
    QObject::connect(w.Command3D13, &QPushButton::clicked, &w, [this] { Command3D13_Click(); });
    QObject::connect(w.Command3D19, &QPushButton::clicked, &w, [this] { Command3D19_Click(); });
    QObject::connect(w.Command3D16, &QPushButton::clicked, &w, [this] { Command3D16_Click(); });
    QObject::connect(w.Command3D17, &QPushButton::clicked, &w, [this] { Command3D17_Click(); });
    QObject::connect(w.Command3D15, &QPushButton::clicked, &w, [this] { Command3D15_Click(); });
    QObject::connect(w.Panel3D1, &FormScreen::Combo1_Click, &w, [this](int index) { Combo1_Click(index); });
    // The description box takes no more than its stored length; what it refused is said
    // at once, not found missing after a save.
    if (auto* description = qobject_cast<MultiLineBox*>(w.Panel3D1->Text18))
        QObject::connect(description, &MultiLineBox::limitReached, &w, [this] {
            w.messages().ask({QStringLiteral("The following field entry is too long: ") +
                                  FormFields::labelOf(FormColumn::Back),
                              QStringLiteral("Field Entry Too Large"), Msg::Buttons::Ok, Msg::Icon::None,
                              Msg::Answer::Ok});
        });
}

void FormHandlers::ShowRecord()
{
    // Callers show only a current record; without one the screen stays as it was.
    skipFailingStep([&] {
        m_display.show(w.Data1);
    });
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
