#include "access/AccessHandlers.h"

#include "app/Form1.h"

AccessHandlers::AccessHandlers(Form1& window) : w(window)
{
}

void AccessHandlers::AgentSecurity()
{
}

void AccessHandlers::SSCommand9_Click()
{
}
