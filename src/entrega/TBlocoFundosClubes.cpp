#include "entrega/TBlocoFundosClubes.h"

#include "entrega/ConfereSecao.h"
#include "entrega/ContextoGravacao.h"
#include "entrega/EstadoGravacao.h"
#include "entrega/LinhaRegistro.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/TCompositorRegistros.h"
#include "entrega/ValoresLinha.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Consulta.h"

QString TBlocoFundosClubes::ConsultaFundos() {
  return QStringLiteral("SELECT NM_NM_EMPR, NR_PF_PJ, FONTE_DK FROM FONTES WHERE FONTE_DK > 1 AND IN_TIPO = 0 "
                        "ORDER BY NR_PF_PJ, FONTE_DK");
}

QString TBlocoFundosClubes::ConsultaLinhas() {
  // Along the index that leads with the source and the code: a fund's lines come without a sort.
  return QStringLiteral("SELECT * FROM V_TOLV_ITENS_FONTE_FCI1 WHERE FONTE_DK = :FONTE "
                        "ORDER BY FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ");
}

void TBlocoFundosClubes::Confere(ContextoGravacao& contexto) {
  ConfereSecao(contexto, SecaoIndicada::FundosClubes,
               QStringLiteral("SELECT FIRST 1 FONTE_DK FROM FONTES WHERE FONTE_DK > 1 AND IN_TIPO = 0"));
}

void TBlocoFundosClubes::Gera(ContextoGravacao& contexto) {
  if (!SecaoLiberada(SecaoIndicada::FundosClubes, contexto.Estado().Indicadores)) return;
  TCompositorRegistros& c = contexto.Compositor();
  const int ano = contexto.Estado().AnoCalendario;

  bd::Consulta linhas(contexto.Transacao(), ConsultaLinhas());
  linhas.prepara();
  const LeitorLinhaArquivo leitor(linhas);
  ValoresLinha linha;

  bd::Consulta fundos(contexto.Transacao(), ConsultaFundos());
  for (fundos.abre(); !fundos.eof(); fundos.proximo()) {
    if (contexto.Cancelado()) return;
    const QString cnpj = GeraCNPJ(fundos.campo(2).texto());
    LinhaRegistro& r = c.Inicia("FCI", QStringLiteral("fundo ou clube CNPJ ") + cnpj);
    r.Texto("CNPJ", cnpj);
    r.Texto("Nome_Empresarial", NormalizaTextoArquivo(fundos.campo(1).texto(), false));
    c.Grava();

    linhas.fecha();
    linhas.param(QStringLiteral("FONTE"), fundos.campo(3).inteiro());
    // Every fund opens its first code anew, whatever the previous fund ended with.
    bool primeiro = true;
    QString codigo;
    for (linhas.abre(); !linhas.eof(); linhas.proximo()) {
      if (contexto.Cancelado()) return;
      leitor.LeChave(linha);
      if (primeiro || linha.Codigo != codigo) {
        primeiro = false;
        codigo = linha.Codigo;
        c.IDREC(codigo);
      }
      leitor.LeValores(linha, true);
      if (linha.Tipo == u"1") {
        // The report date whatever the code admits, never after the calendar year.
        const QDate laudo = !DataVazia(linha.DataLaudo) && linha.DataLaudo.year() <= ano ? linha.DataLaudo : QDate();
        c.BeneficiarioPF("BPFFCI", linha.Numero, linha.Nome, laudo);
      } else {
        c.BeneficiarioPJ("BPJFCI", linha.Numero, linha.Nome);
      }
      contexto.Avanca();
      c.ValoresFundo(linha);
    }
  }
}
