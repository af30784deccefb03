#include "controles/ConfiguracaoPrograma.h"

#include "plataforma/sistema/ArquivoIni.h"
#include "plataforma/sistema/Pastas.h"

namespace ConfiguracaoPrograma {

QString caminho() { return Pastas::programa() + QStringLiteral("/Tolv2014.ini"); }

bool jahMostrou() { return ArquivoIni(caminho()).leBooleano(QStringLiteral("Geral"), QStringLiteral("JahMostrou"), false); }

bool gravaJahMostrou(bool valor) {
  return ArquivoIni(caminho()).gravaBooleano(QStringLiteral("Geral"), QStringLiteral("JahMostrou"), valor);
}

bool analisadorExibe() {
  return ArquivoIni(caminho()).leBooleano(QStringLiteral("Analisador"), QStringLiteral("exibe"), false);
}

bool copiaAutomatica() {
  return ArquivoIni(caminho()).le(QStringLiteral("Copia de Seguranca"), QStringLiteral("automatica"),
                                  QStringLiteral("1")) == QStringLiteral("1");
}

}  // namespace ConfiguracaoPrograma
