#pragma once

#include <QString>

#include <functional>

// Every message box of the program goes through this interface, so tests can
// script the answers and check exactly what was asked.
namespace Msg {

// YesNoCancel: three answers; ImportCancel: an "Import" button (answered Ok) and Cancel;
// SaveDiscardCancel: the question before unsaved work leaves the screen.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, ImportCancel, SaveDiscardCancel };
enum class Icon { None, Question, Information, Exclamation, Critical };
enum class Answer { Ok, Cancel, Yes, No, Save, Discard };

struct Request
{
    QString text;
    QString title;  // empty means the application's default title
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

}  // namespace Msg

class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual Msg::Answer ask(const Msg::Request &request) = 0;

    // Shorthand for an OK box.
    void tell(const QString &text, const QString &title = {}, Msg::Icon icon = Msg::Icon::None)
    {
        ask({text, title, Msg::Buttons::Ok, icon, Msg::Answer::Ok});
    }

    // What a step did, told in the window's status line without a box; folder: a folder
    // the line offers to open (where a file was written), empty for none.
    using StatusLine = std::function<void(const QString &text, const QString &folder)>;
    void status(const QString &text, const QString &folder = {}) const
    {
        if (m_statusLine)
            m_statusLine(text, folder);
    }
    void setStatusLine(StatusLine line) { m_statusLine = std::move(line); }

private:
    StatusLine m_statusLine;
};

// The application's default title for boxes that name none.
inline const char *const kApplicationTitle = "FAA Form 337";
