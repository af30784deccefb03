#pragma once

#include <Qt>

// Presses the Shift, Alt and Ctrl keys that the modifiers hold (in that order), presses and
// releases the key, then releases the modifiers in the reverse order: key events posted to the
// widget that has the focus, handled once control returns to the event loop. Does nothing when
// no widget has the focus. Qt's key codes already tell the twin keys apart, so the extended-key
// mark of the old keyboard events is accepted and has no effect.
void SimulaTecla(int tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier, bool estendida = false);
