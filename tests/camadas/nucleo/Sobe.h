#pragma once
// Fixture of the layer check: every include below but the first two reaches too high.
#include <QString>
#include "plataforma/bd/Conexao.h"
#include "controles/TTolvEdit.h"
#include <QtWidgets/QWidget>
#include <QLabel>
