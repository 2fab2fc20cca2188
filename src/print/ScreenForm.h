#pragma once

#include "print/PrintableForm.h"

class FormScreen;

// Reads the controls of the form screen into the values the printed pages draw,
// so an unsaved form prints exactly as it stands on the screen.
PrintableForm readScreenForm(const FormScreen& screen);
