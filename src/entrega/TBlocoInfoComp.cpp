#include "entrega/TBlocoInfoComp.h"

#include "entrega/ContextoGravacao.h"
#include "entrega/LinhaRegistro.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/TCompositorRegistros.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Consulta.h"

QString TBlocoInfoComp::ConsultaTextos() {
  // Companies have statements with texts too; the file carries only the persons'.
  return QStringLiteral("SELECT NR_PF_PJ, INFO_COMPL FROM INFOCOMPS WHERE IN_PF_PJ = '1' ORDER BY NR_PF_PJ");
}

QString TBlocoInfoComp::TextoDoRegistro(const QString& informacao) {
  QString texto = informacao;
  texto.remove(u'\r');
  texto.replace(u'\n', u' ');
  return NormalizaTextoArquivo(texto, false);
}

void TBlocoInfoComp::Gera(ContextoGravacao& contexto) {
  TCompositorRegistros& c = contexto.Compositor();
  bd::Consulta textos(contexto.Transacao(), ConsultaTextos());
  for (textos.abre(); !textos.eof(); textos.proximo()) {
    if (contexto.Cancelado()) return;
    const QString informacao = textos.campo(2).texto();
    if (Apara(informacao).isEmpty()) continue;
    const QString cpf = GeraCPF(textos.campo(1).texto());
    LinhaRegistro& r = c.Inicia("INF", QStringLiteral("CPF ") + cpf);
    r.Texto("CPF", cpf);
    r.Texto("Informação_complementar", TextoDoRegistro(informacao));
    c.Grava();
  }
}
