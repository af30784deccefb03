#include "entrega/TBlocoProcessos.h"

#include "entrega/ConfereSecao.h"
#include "entrega/ContextoGravacao.h"
#include "entrega/EstadoGravacao.h"
#include "entrega/LinhaRegistro.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/TCompositorRegistros.h"
#include "entrega/ValoresLinha.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Consulta.h"

QString TBlocoProcessos::ConsultaLinhas() { return QStringLiteral("SELECT * FROM TOLV_ITENS_PROCESSO"); }

void TBlocoProcessos::Confere(ContextoGravacao& contexto) {
  ConfereSecao(contexto, SecaoIndicada::Processos,
               QStringLiteral("SELECT FIRST 1 FONTE_DK FROM FONTES WHERE FONTE_DK > 1 AND IN_TIPO = 1"));
}

void TBlocoProcessos::Gera(ContextoGravacao& contexto) {
  if (!SecaoLiberada(SecaoIndicada::Processos, contexto.Estado().Indicadores)) return;
  TCompositorRegistros& c = contexto.Compositor();
  bd::Consulta linhas(contexto.Transacao(), ConsultaLinhas());
  linhas.prepara();
  const LeitorLinhaArquivo leitor(linhas);
  const int cFonte = linhas.indiceCampo(QStringLiteral("E_FONTE_DK"));
  const int cJustica = linhas.indiceCampo(QStringLiteral("TIPO_PROCESSO"));
  const int cNumero = linhas.indiceCampo(QStringLiteral("NR_PF_PJ"));
  const int cTipoAdvogado = linhas.indiceCampo(QStringLiteral("IN_PF_PJ_ADVOGADO"));
  const int cAdvogado = linhas.indiceCampo(QStringLiteral("NR_ADVOGADO"));
  const int cNomeAdvogado = linhas.indiceCampo(QStringLiteral("NM_ADVOGADO"));
  ValoresLinha linha;
  int processo = 0;
  bool abreCodigo = true;
  QString codigo;
  for (linhas.abre(); !linhas.eof(); linhas.proximo()) {
    if (contexto.Cancelado()) return;
    const int fonte = linhas.campo(cFonte).inteiro();
    if (fonte != processo) {
      processo = fonte;
      abreCodigo = true;
      QString tipo = linhas.campo(cTipoAdvogado).texto().trimmed();
      if (tipo == u"0") tipo.clear();
      // Only a lawyer of a known kind has a number: never the previous process's.
      QString advogado;
      if (!linhas.campo(cAdvogado).nulo()) {
        if (tipo == u"1")
          advogado = GeraCPF(linhas.campo(cAdvogado).texto());
        else if (tipo == u"2")
          advogado = GeraCNPJ(linhas.campo(cAdvogado).texto());
      }
      const QString numero = linhas.campo(cNumero).texto();
      LinhaRegistro& r = c.Inicia("PROC", QStringLiteral("processo ") + numero);
      r.Texto("Tipo_de_Justiça", linhas.campo(cJustica).texto());
      r.Texto("Número_do_processo", numero);
      r.Texto("Tipo_de_pessoa_do_advogado/_escritório_de_advocacia", tipo);
      r.Texto("CPF_do_advogado/_CNPJ_do_escritório_de_advocacia", advogado);
      r.Texto("Nome_do_advogado/_Nome_empresarial_do_escritório_de_advocacia",
              NormalizaTextoArquivo(linhas.campo(cNomeAdvogado).texto(), true));
      c.Grava();
    }
    leitor.LeChave(linha);
    if (abreCodigo || linha.Codigo != codigo) {
      abreCodigo = false;
      codigo = linha.Codigo;
      c.IDREC(codigo);
    }
    leitor.LeValores(linha, true);
    if (linha.Tipo.trimmed().toInt() == 1) {
      // The report date whatever the year.
      c.BeneficiarioPF("BPFPROC", linha.Numero, linha.Nome, DataVazia(linha.DataLaudo) ? QDate() : linha.DataLaudo);
    } else {
      c.BeneficiarioPJ("BPJPROC", linha.Numero, linha.Nome, true);
    }
    contexto.Avanca();
    c.ValoresProcesso(linha);
  }
}
