// Fixture of the layer check: the core of the reports reaches neither its windows nor widgets,
// though a layer it links might.
#include "nucleo/TTolv.h"
#include "relatorios/gui/TFoAssistRelatorios.h"
#include <QDialog>
