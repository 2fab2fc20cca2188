#include "ui/QtMessageService.h"

#include <QMessageBox>
#include <QPushButton>

Msg::Answer QtMessageService::ask(const Msg::Request &request)
{
    QMessageBox box(m_parent);
    box.setText(request.text);
    box.setWindowTitle(request.title.isEmpty() ? QString::fromLatin1(kApplicationTitle)
                                               : request.title);
    switch (request.icon) {
    case Msg::Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Msg::Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Msg::Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Msg::Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Msg::Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    auto toQt = [](Msg::Answer a) {
        switch (a) {
        case Msg::Answer::Ok:
            return QMessageBox::Ok;
        case Msg::Answer::Cancel:
            return QMessageBox::Cancel;
        case Msg::Answer::Yes:
            return QMessageBox::Yes;
        case Msg::Answer::No:
            return QMessageBox::No;
        case Msg::Answer::Save:
            return QMessageBox::Save;
        case Msg::Answer::Discard:
            return QMessageBox::Discard;
        }
        return QMessageBox::Ok;
    };
    QPushButton *importButton = nullptr;
    switch (request.buttons) {
    case Msg::Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Msg::Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Msg::Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Msg::Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Msg::Buttons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        break;
    case Msg::Buttons::ImportCancel:
        importButton = box.addButton(QMessageBox::tr("Import"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        break;
    }
    if (importButton) {
        if (request.defaultButton == Msg::Answer::Ok)
            box.setDefaultButton(importButton);
        else
            box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == importButton ? Msg::Answer::Ok : Msg::Answer::Cancel;
    }
    box.setDefaultButton(toQt(request.defaultButton));
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Msg::Answer::Cancel;
    case QMessageBox::Yes:
        return Msg::Answer::Yes;
    case QMessageBox::No:
        return Msg::Answer::No;
    case QMessageBox::Save:
        return Msg::Answer::Save;
    case QMessageBox::Discard:
        return Msg::Answer::Discard;
    default:
        // Closed without a button: the choice that changes nothing.
        if (request.buttons == Msg::Buttons::YesNoCancel
            || request.buttons == Msg::Buttons::SaveDiscardCancel)
            return Msg::Answer::Cancel;
        return request.buttons == Msg::Buttons::YesNo ? Msg::Answer::No : Msg::Answer::Ok;
    }
}
