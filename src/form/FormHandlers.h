#pragma once

#include "form/FormNavigator.h"
#include "form/FormParts.h"
#include "form/FormSaver.h"
#include "form/ModelList.h"
#include "form/NewForm.h"
#include "form/RecordDisplay.h"
#include "form/RegistrationPickup.h"
#include "form/UnsavedChanges.h"

#include <QObject>

// The form screen's controller: the registration-mark pick-up, the model list, showing
// a stored record, saving, New, next, previous and Delete. Each handler hands its
// work to the class that does that one job.
class FormHandlers : public QObject
{
    Q_OBJECT
public:
    explicit FormHandlers(const FormParts &parts);

    void ShowRecord();
    void Combo1_Click(int index);  // <= 0 the registration-mark pick-up, 1 the model list
    void Command3D13_Click();      // Save
    void Command3D19_Click();      // New
    void Command3D16_Click();      // next
    void Command3D17_Click();      // previous
    void Command3D15_Click();      // Delete

    // Asked before the form on screen is replaced or the program ends: when it holds
    // unsaved changes, "Save the changes to the form for N12345?" with Save (the normal
    // Save with all its checks), Discard and Cancel. True when the caller may go on:
    // nothing unsaved, stored, or discarded; false on Cancel or a Save that stored nothing.
    bool settleUnsavedChanges();
    bool hasUnsavedChanges() const;
    // The program itself filled the screen (binding, sign-in): nothing typed is at stake.
    void takeScreenAsUnchanged();
    // The agency was changed in set-up: the next New fills item 6 with it.
    void agencyChanged() { m_agencyChanged = true; }

signals:
    // A form was deleted: the data files are bound again and every list refilled
    // (SetDataPaths), before the screen is reset.
    void formDeleted();

private:
    void pickRegistrationMark();

    FormParts w;
    RecordDisplay m_display;
    RegistrationPickup m_pickup;
    ModelList m_models;
    FormSaver m_saver;
    NewForm m_newForm;
    FormNavigator m_navigator;
    UnsavedChanges m_unsaved;
    bool m_agencyChanged = false;
};
