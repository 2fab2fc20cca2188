#pragma once

#include "ui/MessageService.h"

#include <QList>
#include <QStringList>

#include <functional>

// A message service for tests: answers from a script (or a default answer) and
// records every request, so a test can assert what was asked and in which order.
class ScriptedMessages : public MessageService
{
public:
    Msg::Answer ask(const Msg::Request &request) override
    {
        asked.append(request);
        if (whileAsking)
            whileAsking(request);
        if (!script.isEmpty())
            return script.takeFirst();
        if (request.buttons == Msg::Buttons::YesNo)
            return defaultYesNo;
        if (request.buttons == Msg::Buttons::YesNoCancel)
            return request.defaultButton;
        if (request.buttons == Msg::Buttons::SaveDiscardCancel)
            return defaultSaveDiscardCancel;
        return request.buttons == Msg::Buttons::OkCancel ? defaultOkCancel : Msg::Answer::Ok;
    }

    QStringList texts() const
    {
        QStringList out;
        for (const auto &r : asked)
            out << r.text;
        return out;
    }
    QString lastText() const { return asked.isEmpty() ? QString() : asked.last().text; }
    void clear()
    {
        asked.clear();
        script.clear();
        whileAsking = {};
    }

    QList<Msg::Answer> script;  // answers given in order
    Msg::Answer defaultYesNo = Msg::Answer::Yes;
    Msg::Answer defaultOkCancel = Msg::Answer::Ok;
    // Unsaved changes: the tests of other steps go on without storing the form.
    Msg::Answer defaultSaveDiscardCancel = Msg::Answer::Discard;
    QList<Msg::Request> asked;
    // Runs while a box is open, as another workstation might.
    std::function<void(const Msg::Request &)> whileAsking;
};
