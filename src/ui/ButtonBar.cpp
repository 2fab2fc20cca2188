#include "ui/ButtonBar.h"

#include <QCoreApplication>
#include <QPushButton>

#include <initializer_list>

namespace {

using B = ButtonBar::Button;
using E = ButtonBar::Event;

// What the Set-up button reads after an event: "Set-up" in white, or "Save" in red
// while its panel is open and its click stores the panel.
enum class SetupCaption { Unchanged, SetUp, Save };

struct Rule
{
    E event;
    std::initializer_list<B> on;
    std::initializer_list<B> off;
    SetupCaption caption = SetupCaption::Unchanged;
};

constexpr std::initializer_list<B> kWholeBar
    = {B::Exit, B::Save, B::Print, B::Delete, B::Next, B::Previous, B::Setup, B::New, B::Find};

// Every button not named by an event keeps its state. Next and previous walk a
// search's result, so only a search turns them on.
const Rule kRules[] = {
    {E::Idle,
     {B::Find, B::Print, B::Exit, B::Setup},
     {B::Delete, B::Save, B::New, B::Next, B::Previous},
     SetupCaption::SetUp},
    {E::DataBound, {}, {B::Delete, B::Save, B::New}},
    {E::NewForm, {}, {B::Delete, B::Save, B::New, B::Previous, B::Next}},
    {E::MarkPresent, {B::Save}, {}},
    {E::Saved, {B::Delete}, {B::New}},
    {E::FindPanelOpened, {}, kWholeBar, SetupCaption::SetUp},
    {E::SearchRun, kWholeBar, {}},
    {E::SetupPanelOpened,
     {},
     {B::Delete, B::Find, B::Print, B::New, B::Save, B::Exit, B::Previous, B::Next, B::Page},
     SetupCaption::Save},
    {E::SetupPanelClosed,
     {B::Find, B::Print, B::Exit, B::Page},
     {B::Delete, B::Save, B::New},
     SetupCaption::SetUp},
    {E::AdminPanelOpened, {}, {B::Setup}},
    {E::AdminPanelClosed, {B::Setup}, {}},
    {E::DescriptionPageShown, {}, {B::Save}},
};

}  // namespace

void ButtonBar::add(Button role, QPushButton *button)
{
    m_buttons.insert(role, button);
}

QPushButton *ButtonBar::button(Button role) const
{
    return m_buttons.value(role);
}

void ButtonBar::apply(Event event)
{
    for (const Rule &rule : kRules) {
        if (rule.event != event)
            continue;
        for (B role : rule.on) {
            if (QPushButton *b = button(role))
                b->setEnabled(true);
        }
        for (B role : rule.off) {
            if (QPushButton *b = button(role))
                b->setEnabled(false);
        }
        if (rule.caption != SetupCaption::Unchanged)
            setSetupCaption(rule.caption == SetupCaption::Save);
    }
}

void ButtonBar::setSetupCaption(bool panelOpen)
{
    QPushButton *setup = button(Button::Setup);
    if (!setup)
        return;
    setup->setText(panelOpen ? QCoreApplication::translate("ButtonBar", "Save")
                             : QCoreApplication::translate("ButtonBar", "Set-up"));
    setup->setStyleSheet(panelOpen ? QStringLiteral("color: rgb(255, 0, 0);")
                                   : QStringLiteral("color: rgb(255, 255, 255);"));
}
