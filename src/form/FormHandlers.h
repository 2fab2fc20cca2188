#pragma once

#include "form/FormNavigator.h"
#include "form/FormSaver.h"
#include "form/ModelList.h"
#include "form/NewForm.h"
#include "form/RecordDisplay.h"
#include "form/RegistrationPickup.h"

class Form1;

// The form screen's handlers: the registration-mark pick-up, the model list, showing
// a stored record, saving, New, next, previous and Delete. Each handler hands its
// work to the class that does that one job.
class FormHandlers {
public:
    explicit FormHandlers(Form1& window);

    void ShowRecord();
    void Combo1_Click(int index);  // <= 0 the registration-mark pick-up, 1 the model list
    void Command3D13_Click();      // Save
    void Command3D19_Click();      // New
    void Command3D16_Click();      // next
    void Command3D17_Click();      // previous
    void Command3D15_Click();      // Delete

private:
    Form1& w;
    RecordDisplay m_display;
    RegistrationPickup m_pickup;
    ModelList m_models;
    FormSaver m_saver;
    NewForm m_newForm;
    FormNavigator m_navigator;
};
