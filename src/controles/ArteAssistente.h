#pragma once

#include <QImage>

// The little pictures of the wizards' buttons, drawn in code.
namespace ArteAssistente {

enum class Glifo { Cancelar, Voltar, Avancar, Concluir, Fechar };

// A 16-pixel picture on a transparent ground; the inactive one in greys.
QImage glifo(Glifo qual, bool ativo = true);

}  // namespace ArteAssistente
