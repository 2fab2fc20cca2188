#include "search/SearchHandlers.h"

#include "app/Form1.h"

SearchHandlers::SearchHandlers(Form1& window) : w(window)
{
}

void SearchHandlers::Command3D27_Click()
{
}

void SearchHandlers::SearchForms()
{
}
