#include "print/PrintHandlers.h"

#include "app/Form1.h"

PrintHandlers::PrintHandlers(Form1& window) : w(window)
{
}

void PrintHandlers::Command3D14_Click()
{
}

void PrintHandlers::Command1_Click(int)
{
}

void PrintHandlers::PrintForm()
{
}
