#pragma once

#include "form/FormSnapshot.h"
#include "ui/MessageService.h"

#include <QList>

#include <functional>

// One check that Save makes of the screen before anything of the form is written.
// A failed check shows its message; a confirmable check asks instead and lets Save
// go on when the answer is Yes.
struct SaveCheck
{
    int number = 0;  // place in the order, from 1
    std::function<bool(const FormSnapshot &)> fails;
    Msg::Request message;
    bool confirmable = false;

    // The checks in the order Save makes them.
    static const QList<SaveCheck> &inOrder();

    // The first check the entries fail, nullptr when they pass them all
    // (a confirmable check counts as failed here; Save asks its question).
    static const SaveCheck *firstFailed(const FormSnapshot &entries, int startingAfter = 0);
};
