#pragma once

class QWidget;

// Twips of the old window design to pixels of this screen (15 twips a pixel at 96 dpi).
int twipsToPixels(double twips, const QWidget *widget);
