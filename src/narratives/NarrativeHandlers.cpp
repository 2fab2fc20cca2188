#include "narratives/NarrativeHandlers.h"

#include "app/Form1.h"

NarrativeHandlers::NarrativeHandlers(Form1& window) : w(window)
{
}

void NarrativeHandlers::SSCommand3_Click()
{
}
