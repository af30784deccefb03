#include "controles/IServicosVerificacao.h"

namespace {
IServicosVerificacao* g_servicos = nullptr;
}

namespace ServicosVerificacao {
void Registra(IServicosVerificacao* servicos) { g_servicos = servicos; }
IServicosVerificacao* Atuais() { return g_servicos; }
}  // namespace ServicosVerificacao
