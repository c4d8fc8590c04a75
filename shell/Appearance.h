#pragma once

// The look of the program's windows: the Fusion style with a light palette, the same on every desktop.
void applyAppearance();
