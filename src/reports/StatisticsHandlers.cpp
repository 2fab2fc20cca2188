#include "reports/StatisticsHandlers.h"

#include "app/Form1.h"

StatisticsHandlers::StatisticsHandlers(Form1& window) : w(window)
{
}

void StatisticsHandlers::SSCommand14_Click()
{
}
