#include "form/FormHandlers.h"

#include "app/Form1.h"

FormHandlers::FormHandlers(Form1& window) : w(window)
{
}

void FormHandlers::ShowRecord()
{
}

void FormHandlers::Combo1_Click(int)
{
}

void FormHandlers::Command3D13_Click()
{
}

void FormHandlers::Command3D19_Click()
{
}

void FormHandlers::Command3D16_Click()
{
}

void FormHandlers::Command3D17_Click()
{
}

void FormHandlers::Command3D15_Click()
{
}
