#include "ui/QtMessageService.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {

QMessageBox::Icon qtIcon(Msg::Icon icon)
{
    static const std::pair<Msg::Icon, QMessageBox::Icon> icons[]
        = {{Msg::Icon::None, QMessageBox::NoIcon},
           {Msg::Icon::Question, QMessageBox::Question},
           {Msg::Icon::Information, QMessageBox::Information},
           {Msg::Icon::Exclamation, QMessageBox::Warning},
           {Msg::Icon::Critical, QMessageBox::Critical}};
    for (const auto &[ours, qt] : icons) {
        if (ours == icon)
            return qt;
    }
    return QMessageBox::NoIcon;
}

// The answers and the standard buttons that give them, both ways.
const std::pair<Msg::Answer, QMessageBox::StandardButton> kAnswers[]
    = {{Msg::Answer::Ok, QMessageBox::Ok},     {Msg::Answer::Cancel, QMessageBox::Cancel},
       {Msg::Answer::Yes, QMessageBox::Yes},   {Msg::Answer::No, QMessageBox::No},
       {Msg::Answer::Save, QMessageBox::Save}, {Msg::Answer::Discard, QMessageBox::Discard}};

QMessageBox::StandardButton qtButton(Msg::Answer answer)
{
    for (const auto &[ours, qt] : kAnswers) {
        if (ours == answer)
            return qt;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons qtButtons(Msg::Buttons buttons)
{
    switch (buttons) {
    case Msg::Buttons::Ok:
        return QMessageBox::Ok;
    case Msg::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Msg::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Msg::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Msg::Buttons::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case Msg::Buttons::ImportCancel:
        return QMessageBox::Cancel;  // and the Import button, added by hand
    }
    return QMessageBox::Ok;
}

// The answer of the button pressed; a box closed without a button gives the choice that
// changes nothing.
Msg::Answer answerOf(int pressed, Msg::Buttons buttons)
{
    for (const auto &[ours, qt] : kAnswers) {
        if (qt == pressed && ours != Msg::Answer::Ok)
            return ours;
    }
    if (buttons == Msg::Buttons::YesNoCancel || buttons == Msg::Buttons::SaveDiscardCancel)
        return Msg::Answer::Cancel;
    return buttons == Msg::Buttons::YesNo ? Msg::Answer::No : Msg::Answer::Ok;
}

}  // namespace

Msg::Answer QtMessageService::ask(const Msg::Request &request)
{
    QMessageBox box(m_parent);
    box.setText(request.text);
    box.setWindowTitle(request.title.isEmpty() ? QString::fromLatin1(kApplicationTitle)
                                               : request.title);
    box.setIcon(qtIcon(request.icon));
    box.setStandardButtons(qtButtons(request.buttons));
    if (request.buttons == Msg::Buttons::ImportCancel) {
        QPushButton *importButton
            = box.addButton(QMessageBox::tr("Import"), QMessageBox::AcceptRole);
        if (request.defaultButton == Msg::Answer::Ok)
            box.setDefaultButton(importButton);
        else
            box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == importButton ? Msg::Answer::Ok : Msg::Answer::Cancel;
    }
    box.setDefaultButton(qtButton(request.defaultButton));
    return answerOf(box.exec(), request.buttons);
}
